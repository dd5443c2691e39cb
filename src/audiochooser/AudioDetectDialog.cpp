#include "audiochooser/AudioDetectDialog.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/Paths.h"
#include "audiochooser/QTestAudioButton.h"
#include "i18n/UiLanguage.h"
#include "lirc/LircInput.h"
#include "lirc/RemoteKeyTarget.h"
#include "ui_AudioDetectDialog.h"
#include "widgets/ScreenScale.h"

#include <QApplication>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSignalMapper>

namespace {

// The style templates; every number is a size on a 1920 x 1080 screen.
const char* const kTitleStyle = "color: rgb(255, 255, 255); font-size: %1px; font-weight: 600;";
const char* const kListTitleStyle = "color: rgb(170, 184, 206); font-size: %1px;";
const char* const kListStyle
    = "#scrollArea, #scrollArea > QWidget > QWidget{background: transparent;} "
      "#audioDeviceListBg{background-color: rgb(31, 40, 57); border-radius: %1px;} "
      "QScrollBar:vertical{width: %2px; background: transparent; margin: %1px 0px;} "
      "QScrollBar::handle:vertical{background: rgb(84, 96, 118); border-radius: %3px; min-height: %4px;} "
      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;} "
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: none;}";
const char* const kCloseStyle
    = "QPushButton{min-width: %1px; max-width: %1px; min-height: %2px; max-height: %2px; border: %3px solid "
      "transparent; border-radius: %4px; background-color: transparent; qproperty-iconSize: %5px %5px;} "
      "QPushButton:focus{background-color: rgb(42, 52, 69); border: %3px solid rgb(0, 216, 255); outline: none;}";
// Apply is lit only with the focus: lit all the time it looked focused beside the row that had it.
const char* const kApplyStyle
    = "QPushButton{min-width: %1px; min-height: %2px; font-size: %3px; color: rgb(255, 255, 255); "
      "background-color: rgb(54, 62, 77); border: %4px solid transparent; border-radius: %5px;} "
      "QPushButton:focus{background-color: rgb(0, 150, 230); border: %4px solid rgb(0, 216, 255); outline: none;}";
const char* const kRadioStyle
    = "QRadioButton{padding-left: %1px; width: %2px; height: %3px; font-size: %4px; color: rgb(255, 255, 255); "
      "spacing: %5px; border: %6px solid transparent; border-radius: %8px;} "
      "QRadioButton:focus{border: %6px solid rgb(0, 216, 255); outline: none;} "
      "QRadioButton::indicator{width: %7px; height: %7px;} "
      "QRadioButton::indicator:checked{image: url(:/images/radio_on.png);} "
      "QRadioButton::indicator:unchecked{image: url(:/images/radio_off.png);}";
const char* const kTestStyle
    = "QPushButton{width: %1px; height: %2px; font-size: %3px;} QPushButton{color: rgb(255, 255, 255);} "
      "QPushButton{qproperty-icon: url(:/images/test.png); qproperty-iconSize: %4px %5px;} "
      "QPushButton{background-color: rgb(54, 62, 77); border: %6px solid transparent; border-radius: %7px;} "
      "QPushButton:focus{background-color: rgb(42, 52, 69); border: %6px solid rgb(0, 216, 255); outline: none;}";

QString sheet(const char* text) { return QString::fromLatin1(text); }

} // namespace

AudioDetectDialog::AudioDetectDialog(QWidget* parent, AudioConfig* audio, MonitorNameLookup monitor)
    : QDialog(parent)
    , ui(new Ui::AudioDetectDialog)
    , m_outputs(audio ? audio : AudioConfig::GetInstance(), std::move(monitor))
    , m_mapper(new QSignalMapper(this))
    , m_watcher(new QFileSystemWatcher(this))
    , m_rewatch(m_watcher)
{
    ui->setupUi(this);
    // The outputs are read and the IR daemon restarts while the window that
    // opened the chooser shows the wait. Not before the widgets exist: the
    // sign paints its window at once, which may hand this one its pending
    // resize.
    m_busy = std::make_unique<BusySign::Scope>(parent);
    ui->closeButton->setIcon(QIcon(QStringLiteral(":/images/close.png")));
    ui->audioDeviceListBg->setStyleSheet(QStringLiteral("background-color: rgb(31, 40, 57)"));
    buildList_();

    connect(m_mapper, &QSignalMapper::mappedInt, this, &AudioDetectDialog::getSelectedAudioOutput);
    connect(ui->closeButton, &QPushButton::clicked, this, &AudioDetectDialog::close);
    connect(ui->applyButton, &QPushButton::clicked, this, &AudioDetectDialog::applySetting);
    m_rewatch.watch(Paths::ScreenConf.local());
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &AudioDetectDialog::updateDevList);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        for (const QString& path : m_rewatch.returned(folder))
            updateDevList(path);
    });
    for (QWidget* w : {static_cast<QWidget*>(ui->closeButton), static_cast<QWidget*>(ui->applyButton)})
        w->installEventFilter(this);

    // The full screen the home window is on, also after a mode change.
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
        connect(screen, &QScreen::geometryChanged, this, [this](const QRect& rect) { setGeometry(rect); });
    }
    scaleTo_(size());

    // The IR daemon starts afresh for the chooser, which listens to it itself.
    Appliance::runner().runShell(QStringLiteral("sh"),
        Appliance::path(QStringLiteral("/etc/Tellora/init.d/lirc")) + QStringLiteral(" restart"), Budget::Service);
    m_lircInput = new LircInput(this);
    m_lircInput->setWindow(this);
    connect(m_lircInput, &LircInput::irkeyPressed, this, &AudioDetectDialog::ad_irkeyPressed);
    m_lircInput->start();
    m_busy.reset();
}

AudioDetectDialog::~AudioDetectDialog() { delete ui; }

void AudioDetectDialog::buildList_()
{
    const QStringList labels = m_outputs.refresh();
    for (int i = 0; i < labels.size(); ++i) {
        auto* radio = new QRadioButton(labels.at(i), ui->audioDeviceListBg);
        radio->setObjectName(QStringLiteral("rbtDevice%1").arg(i));
        radio->setChecked(i == m_outputs.current());
        m_mapper->setMapping(radio, i);
        connect(radio, &QRadioButton::clicked, m_mapper, qOverload<>(&QSignalMapper::map));
        auto* test = new QTestAudioButton(i, tr("Test"), ui->audioDeviceListBg, m_outputs.audio());
        test->setObjectName(QStringLiteral("pbtTest%1").arg(i));
        test->setAutoDefault(false);
        ui->deviceList->addWidget(radio, i, 0);
        ui->deviceList->addWidget(test, i, 1);
        for (QWidget* w : {static_cast<QWidget*>(radio), static_cast<QWidget*>(test)})
            w->installEventFilter(this);
        m_radios << radio;
        m_tests << test;
    }
    ui->deviceList->setColumnStretch(0, 1);
}

void AudioDetectDialog::getSelectedAudioOutput(int index) { m_outputs.select(index); }

void AudioDetectDialog::applySetting()
{
    m_outputs.apply();
    close();
}

void AudioDetectDialog::initFocus() { ui->closeButton->setFocus(); }

void AudioDetectDialog::ad_irkeyPressed(const QString& key)
{
    // The home window hears the line too; only one of us acts on it.
    QWidget* focus = remoteKeyTarget();
    if (!m_lircInput->takes(key, focus ? focus->window() : nullptr) || !focus)
        return;
    const int k = AudioOutputList::remoteKey(key);
    if (k == Qt::Key_Escape)
        close();
    else if (k != 0)
        QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier));
}

void AudioDetectDialog::updateDevList(const QString& path)
{
    m_rewatch.changed(path);
    const QStringList labels = m_outputs.refresh();
    for (int i = 0; i < labels.size() && i < m_radios.size(); ++i)
        m_radios.at(i)->setText(labels.at(i));
}

bool AudioDetectDialog::placeOf_(QObject* watched, AudioOutputList::Focus_s* place) const
{
    using Place = AudioOutputList::Place;
    if (watched == ui->closeButton || watched == ui->applyButton) {
        *place = {watched == ui->closeButton ? Place::Close : Place::Apply, 0};
        return true;
    }
    for (int row = 0; row < m_radios.size(); ++row) {
        if (watched == m_radios.at(row) || watched == m_tests.at(row)) {
            *place = {watched == m_radios.at(row) ? Place::Radio : Place::Test, row};
            return true;
        }
    }
    return false;
}

QWidget* AudioDetectDialog::widgetAt_(const AudioOutputList::Focus_s& place) const
{
    switch (place.place) {
    case AudioOutputList::Place::Close:
        return ui->closeButton;
    case AudioOutputList::Place::Apply:
        return ui->applyButton;
    case AudioOutputList::Place::Radio:
        return m_radios.value(place.row);
    case AudioOutputList::Place::Test:
        return m_tests.value(place.row);
    }
    return nullptr;
}

// Decided by the button the key was sent to, not by the focus of the moment:
// two lines read at once both go to the button that had the focus then.
bool AudioDetectDialog::eventFilter(QObject* watched, QEvent* event)
{
    AudioOutputList::Focus_s from;
    if (event->type() != QEvent::KeyPress || !placeOf_(watched, &from))
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        static_cast<QAbstractButton*>(watched)->click();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (QWidget* target = widgetAt_(m_outputs.next(from, key))) {
            target->setFocus();
            if (target->parentWidget() == ui->audioDeviceListBg)
                ui->scrollArea->ensureWidgetVisible(target, 0, 0);
        }
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void AudioDetectDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    scaleTo_(event->size());
}

void AudioDetectDialog::scaleTo_(const QSize& screen)
{
    const ScreenScale s(screen);
    if (UiLanguage::current() == QLatin1String("jpn")) {
        QFont font = this->font();
        font.setFamily(QStringLiteral("Noto Sans JP"));
        setFont(font);
    }
    // The content is a column 1280 wide in the middle of the screen.
    ui->vlMain->setContentsMargins(s.x(320), 0, s.x(320), 0);
    ui->vlMain->setSpacing(s.y(32));
    ui->audioOutputTitle->setStyleSheet(sheet(kTitleStyle).arg(s.x(52)));
    ui->deviceListTitle->setStyleSheet(sheet(kListTitleStyle).arg(s.x(34)));
    ui->scrollArea->setStyleSheet(sheet(kListStyle).arg(s.x(16)).arg(s.x(12)).arg(s.x(6)).arg(s.y(48)));
    ui->closeButton->setStyleSheet(sheet(kCloseStyle).arg(s.x(88)).arg(s.y(88)).arg(s.x(4)).arg(s.x(12)).arg(s.x(56)));
    ui->applyButton->setStyleSheet(sheet(kApplyStyle).arg(s.x(240)).arg(s.y(72)).arg(s.x(34)).arg(s.x(4)).arg(s.x(10)));
    const QString radio = sheet(kRadioStyle)
                              .arg(s.x(32))
                              .arg(s.x(854))
                              .arg(s.y(84))
                              .arg(s.x(40))
                              .arg(s.x(24))
                              .arg(s.x(4))
                              .arg(s.x(40))
                              .arg(s.x(8));
    const QString test
        = sheet(kTestStyle).arg(s.x(150)).arg(s.y(60)).arg(s.x(30)).arg(s.x(40)).arg(s.y(32)).arg(s.x(4)).arg(s.x(8));
    for (QRadioButton* r : std::as_const(m_radios))
        r->setStyleSheet(radio);
    for (QTestAudioButton* t : std::as_const(m_tests))
        t->setStyleSheet(test);
    ui->deviceList->setContentsMargins(s.x(40), s.y(28), s.x(40), s.y(28));
    ui->deviceList->setHorizontalSpacing(s.x(40));
    ui->deviceList->setVerticalSpacing(s.y(16));
    // As tall as its rows, up to six of them; more scroll.
    ui->deviceList->activate();
    ui->scrollArea->setFixedHeight(qMin(ui->audioDeviceListBg->sizeHint().height(), s.y(680)));
}
