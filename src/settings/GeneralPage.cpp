#include "settings/GeneralPage.h"

#include "ui_SettingsDialog.h"

#include "appliance/Login.h"
#include "appliance/UserSettings.h"
#include "settings/FrameScaling.h"
#include "settings/PadlinkService.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsLog.h"
#include "settings/TaskBarPanel.h"
#include "widgets/InfoDialog.h"
#include "widgets/ScreenScale.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <QSignalBlocker>

namespace {

// Unchecked boxes grey, checked ones white, the focused one light blue; %1 the
// spacing before the text, %2 the indicator's side.
const char* const kGroupSheet
    = "#grGeneral{border: 0px} QCheckBox {spacing: %1px} QCheckBox {color:rgb(85,84,84)} QCheckBox:checked "
      "{color:white} QCheckBox:focus {color:rgb(70,217,254);outline:none;} QCheckBox:disabled {color:rgb(85,84,84)} "
      "QCheckBox:checked:disabled {color:rgb(85,84,84)} QCheckBox::indicator {width: %2px; height:%2px} "
      "QCheckBox::indicator:checked {image: url(:/images/checkbox1.png)} QCheckBox::indicator:unchecked {image: "
      "url(:/images/checkbox0.png)}";

// Design sizes of a box: the space between indicator and text, the indicator.
constexpr int kSpacing = 30;
constexpr int kIndicator = 48;
constexpr int kRowHeight = 80;

void setQuietly(QCheckBox* box, bool checked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

} // namespace

bool StwgSubPgGeneralEventFilter::pageEvent(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    SETTINGS_LOG << watched << event;
    auto* box = qobject_cast<QCheckBox*>(watched);
    const QList<QCheckBox*> boxes = dialog().generalPage().boxes();
    const qsizetype at = boxes.indexOf(box);
    if (at < 0)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        box->toggle();
        return true;
    case Qt::Key_Right:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // Round the boxes that can take the focus; the mobile-remote box is
        // disabled for those who may not change it.
        const qsizetype step = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Up ? boxes.size() - 1 : 1;
        for (qsizetype i = (at + step) % boxes.size(); i != at; i = (i + step) % boxes.size()) {
            if (boxes[i]->isEnabled() && boxes[i]->isVisibleTo(boxes[i]->window())) {
                boxes[i]->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        return true;
    }
    default:
        return false;
    }
}

GeneralPage::GeneralPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgGeneralEventFilter(dialog))
{
}

GeneralPage::~GeneralPage() = default;

QList<QCheckBox*> GeneralPage::boxes() const
{
    return {ui->cbxDatetime, ui->cbxIP, ui->cbxServername, ui->cbxPadlink, ui->cbxRequireLogin, ui->cbxTaskbar};
}

void GeneralPage::setup(QSettings& userSettings)
{
    // The boxes show what is set; no handler runs for that.
    const UserSettings::Labels_s labels = UserSettings::labels(userSettings);
    const bool administrator = m_dialog.IsCurrentUserAdmin_();
    m_padlink = std::make_unique<PadlinkService>(administrator);
    ui->pgGeneral->setFocusProxy(ui->cbxDatetime);
    setQuietly(ui->cbxDatetime, labels.clock);
    setQuietly(ui->cbxIP, labels.addresses);
    setQuietly(ui->cbxServername, labels.names);
    setQuietly(ui->cbxRequireLogin, Login::autoLogin());
    setQuietly(ui->cbxTaskbar, UserSettings::taskBarEnabled(userSettings));
    setQuietly(ui->cbxPadlink, PadlinkService::isEnabled());
    ui->cbxPadlink->setEnabled(administrator);
    ui->labIpAddress->setVisible(labels.addresses);
    for (QLabel* note : {ui->labGerPadlinkNote, ui->labGerTaskbarNote})
        note->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    for (QCheckBox* box : boxes())
        box->installEventFilter(m_filter);
    QObject::connect(ui->cbxTaskbar, &QCheckBox::toggled, &m_dialog, &SettingsDialog::onCbxTaskbarToggled);
}

void GeneralPage::adaptToScreen(const QSize& screenSize)
{
    const ScreenScale scale(screenSize);
    FrameScaling::scaleFonts(ui->pgGeneral, scale);
    ui->vlGeneral->setContentsMargins(scale.x(40), 0, scale.x(80), scale.y(40));
    ui->vlGrGeneral->setSpacing(scale.y(16));
    for (QCheckBox* box : boxes())
        box->setMinimumHeight(scale.y(kRowHeight));
    const int spacing = scale.x(kSpacing);
    const int indicator = scale.x(kIndicator);
    ui->grGeneral->setStyleSheet(QString::fromLatin1(kGroupSheet).arg(spacing).arg(indicator));
    // The notes line up with the texts of the boxes above them.
    for (QLabel* note : {ui->labGerPadlinkNote, ui->labGerTaskbarNote})
        note->setIndent(spacing + indicator);
}

void GeneralPage::datetimeToggled(bool checked) { UserSettings::setLabelShown(UserSettings::Label::Clock, checked); }

void GeneralPage::ipToggled(bool checked)
{
    UserSettings::setLabelShown(UserSettings::Label::Addresses, checked);
    ui->labIpAddress->setVisible(checked);
}

void GeneralPage::servernameToggled(bool checked) { UserSettings::setLabelShown(UserSettings::Label::Names, checked); }

void GeneralPage::padlinkToggled(bool checked)
{
    setQuietly(ui->cbxPadlink, checked ? m_padlink->enable() : m_padlink->disable());
}

void GeneralPage::requireLoginToggled(bool checked) { Login::setAutoLogin(checked); }

void GeneralPage::taskbarToggled(bool checked)
{
    InfoDialog* confirm = m_dialog.messageDialog();
    confirm->reset(2);
    confirm->setTextOK(SettingsDialog::tr("Apply now"));
    confirm->setTextCancel(SettingsDialog::tr("Cancel"));
    confirm->setLabelText(SettingsDialog::tr("Tellora will restart after applying this feature."));
    confirm->adjustSize();
    confirm->show();
    if (confirm->exec() == QDialog::Accepted) {
        UserSettings::setTaskBarEnabled(checked);
        // The appliance starts the home screen again, with or without the bar.
        QCoreApplication::exit(0);
        return;
    }
    QCheckBox* box = ui->cbxTaskbar;
    QObject::disconnect(box, &QCheckBox::toggled, nullptr, nullptr);
    box->setChecked(!checked);
    QObject::connect(box, &QCheckBox::toggled, &m_dialog, &SettingsDialog::onCbxTaskbarToggled);
}

void GeneralPage::setTaskbarHeight(int screenHeight) { TaskBarPanel::setHeight(screenHeight); }

void GeneralPage::showPadlink()
{
    ui->rbtGeneral->setChecked(true);
    ui->stwgSub->setCurrentIndex(SettingsDialog::PageGeneral);
    ui->cbxPadlink->setFocus(Qt::OtherFocusReason);
    m_dialog.activateWindow();
    m_dialog.raise();
}
