#include "settings/DisplayPage.h"

#include "ui_SettingsDialog.h"

#include "appliance/UserSettings.h"
#include "display/DpmsConfig.h"
#include "display/EDIDInfo.h"
#include "display/ScreenConfig.h"
#include "prefs/SettingsTexts.h"
#include "settings/ChoiceMenu.h"
#include "settings/DisplayChoices.h"
#include "settings/DisplayState.h"
#include "settings/FrameScaling.h"
#include "settings/OptionRowEvents.h"
#include "settings/ResolutionChange.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsLog.h"
#include "widgets/InfoDialog.h"
#include "widgets/ScreenScale.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QMenu>

namespace {

using W = DisplayRowWindow;

// The form's widgets of each row, by object name: frame, name label, value
// label, its arrows, the widgets shown and hidden with it, the monitor label.
struct RowNames_s {
    const char* frame;
    const char* name;
    const char* value;
    const char* up;
    const char* down;
    std::initializer_list<const char*> extras;
    const char* monitor;
};

const RowNames_s kRowNames[W::RowCount] = {
    {"frmDispRes", "labDispRes", "txtDispRes", "labDispUp", "labDispDown", {"frmDispType", "frmDispVSep"},
        "labPrefDispType"},
    {"frmDispSecMon", "labDispSecMon", "txtDispSecMon", "labDispSecMonUp", "labDispSecMonDown", {"frmDispVSep_5"},
        nullptr},
    {"frmDispSecMonRes", "labDispSecMonRes", "txtDispSecMonRes", "labDispSecMonResUp", "labDispSecMonResDown",
        {"frmDispSecMonType", "frmDispVSep_6"}, "labPrefDispSecMonType"},
    {"frmDisp3thMonRes", "labDisp3thMonRes", "txtDisp3thMonRes", "labDisp3thMonResUp", "labDisp3thMonResDown",
        {"frmDisp3thMonType", "frmDispVSep_7"}, "labPrefDisp3thMonType"},
    {"frmDisp4thMonRes", "labDisp4thMonRes", "txtDisp4thMonRes", "labDisp4thMonResUp", "labDisp4thMonResDown",
        {"frmDisp4thMonType", "frmDispVSep_8"}, "labPrefDisp4thMonType"},
    {"frmDisp5thMonRes", "labDisp5thMonRes", "txtDisp5thMonRes", "labDisp5thMonResUp", "labDisp5thMonResDown",
        {"frmDisp5thMonType", "frmDispVSep_9"}, "labPrefDisp5thMonType"},
    {"frmDispTnOff", "labDispTnOff", "txtDispTnOff", "labDispTnOffUp", "labDispTnOffDown", {"frmDispVSep_2"}, nullptr},
    {"frmDispOvscan", "labDispOvscan", "txtDispOvscan", "labDispOvscanUp", "labDispOvscanDown", {"frmDispVSep_3"},
        nullptr},
    {"frmWallPaper", "labWallPaper", "txtWallPaper", "labWallPaperUp", "labWallPaperDown", {}, nullptr},
    {"frmWallPaperImage", nullptr, nullptr, nullptr, nullptr, {"frmDispVSep_4"}, nullptr},
};

const QString kWhite = QStringLiteral("color:rgb(255, 255, 255);");

// White texts on the dialog's dark ground, monitor names a step quieter, and
// the focused row lit so that it is found from the sofa.
QString pageStyleSheet()
{
    QStringList focusable, monitors;
    for (const RowNames_s& row : kRowNames) {
        if (row.value)
            focusable << QStringLiteral("#%1:focus").arg(QLatin1String(row.frame));
        if (row.monitor)
            monitors << QStringLiteral("QLabel#%1").arg(QLatin1String(row.monitor));
    }
    return QStringLiteral("#pgDisplay QLabel{color:rgb(255, 255, 255);} %1{color:rgb(168, 168, 168);} "
                          "%2{background-color:rgba(0, 175, 251, 56); border-radius:6px;}")
        .arg(monitors.join(QLatin1String(", ")), focusable.join(QLatin1String(", ")));
}
const QString kGrey = QStringLiteral("color:rgb(85, 84, 84);");

// A template's preview from its wallpaper, decoded at the preview's size.
QPixmap preview(int image, const QSize& size)
{
    QImageReader reader(QStringLiteral(":/images/wallpaper_image%1.jpg").arg(image));
    reader.setScaledSize(size);
    return QPixmap::fromImage(reader.read());
}

} // namespace

StwgSubPgDisplayEventFilter::StwgSubPgDisplayEventFilter(SettingsDialog& dialog, DisplayPage& page)
    : PageEventFilter(dialog)
    , m_page(page)
{
}

bool StwgSubPgDisplayEventFilter::pageEvent(QObject* watched, QEvent* event)
{
    auto* row = qobject_cast<QWidget*>(watched);
    if (!row || !m_page.ownsRow(row))
        return false;
    return OptionRowEvents::handle(row, event,
        {[&] { m_page.popupMenu(row); }, [&](bool down) { m_page.moveFocus(row, down); },
            [&](bool show) { m_page.showArrows(row, show); }});
}

DisplayPage::DisplayPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgDisplayEventFilter(dialog, *this))
{
}

DisplayPage::~DisplayPage() = default;

void DisplayPage::setup()
{
    // The form is built by now.
    for (int r = 0; r < W::RowCount; ++r) {
        const RowNames_s& names = kRowNames[r];
        Row_s& row = m_rows[r];
        auto label = [&](const char* name) { return name ? m_dialog.findChild<QLabel*>(name) : nullptr; };
        row.frame = m_dialog.findChild<QWidget*>(names.frame);
        row.name = label(names.name);
        row.value = label(names.value);
        row.up = label(names.up);
        row.down = label(names.down);
        row.monitor = label(names.monitor);
        for (const char* extra : names.extras)
            row.extras << m_dialog.findChild<QWidget*>(extra);
    }
    ui->pgDisplay->setStyleSheet(pageStyleSheet());
    ui->labPrefDispArrowUp->hide();
    ui->labPrefDispArrowDown->hide();
    for (const Row_s& row : m_rows) {
        for (QLabel* arrow : {row.up, row.down}) {
            if (!arrow)
                continue;
            // The value keeps its place while the arrows come and go.
            QSizePolicy policy = arrow->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            arrow->setSizePolicy(policy);
            arrow->hide();
        }
        if (row.value)
            OptionRowEvents::watch(row.frame, m_filter);
    }
}

W::Row DisplayPage::rowOf_(QObject* frame) const
{
    for (int r = 0; r < W::RowCount; ++r)
        if (m_rows[r].frame == frame)
            return W::Row(r);
    return W::RowCount;
}

bool DisplayPage::ownsRow(QObject* row) const
{
    const W::Row r = rowOf_(row);
    return r != W::RowCount && r != W::WallpaperPreview;
}

namespace {

QString monitorLabel(const ScreenConfFile::screenInfo_s& screen)
{
    return DisplayChoices::monitorLabel(screen.name, qEnvironmentVariable("MODEL_NAME"), [](int connector) {
        EDIDInfo edid;
        edid.init(QStringLiteral("0"), QString::number(connector));
        return edid.getModelName();
    });
}

} // namespace

DisplayPage::Reading_s DisplayPage::read()
{
    Reading_s reading {DisplayState::read(), {}};
    for (const ScreenConfFile::screenInfo_s& screen : std::as_const(reading.view.screens))
        reading.monitorLabels << monitorLabel(screen);
    return reading;
}

void DisplayPage::refresh() { show(read()); }

void DisplayPage::show(const Reading_s& reading)
{
    if (qEnvironmentVariable("MODEL_NAME").contains(QLatin1String("MV-700")))
        ui->labDispNote->setText(
            SettingsTexts::tr("Please note:\nIf you set the output resolution to 4K 60hz then you must use the "
                              "HDMI 2.0 port with an HDMI 2.0 cable.\nOverscan will reduce the area of the video "
                              "displayed on the screen. The higher the percentage, the more the displayed area "
                              "will be reduced.\nThese Display settings may not be applied in other apps."));
    const DisplayState::View_s& view = reading.view;
    m_screens = view.screens;
    for (int i = 0; i < m_screens.size(); ++i) {
        row_(W::resolutionRow(i)).value->setText(DisplayChoices::resolutionText(m_screens[i].mode, m_screens[i].rate));
        if (QLabel* label = row_(W::resolutionRow(i)).monitor)
            label->setText(reading.monitorLabels.value(i));
    }
    showScreenOff_(view.standbySeconds);
    if (view.arrangement >= 0)
        ui->txtDispSecMon->setText(DisplayChoices::arrangementText(view.arrangement));
    RefreshDispOptionList();
    if (!view.overscanError.isEmpty())
        SETTINGS_LOG << "Overscan/Margin:" << view.overscanError;
    showOverscan_(view.overscanOffered, view.overscanMargin);
    showWallpaper_(view.wallpaper);
}

void DisplayPage::showScreenOff_(int standbySeconds)
{
    ui->txtDispTnOff->setText(DisplayChoices::screenOffText(standbySeconds));
}

void DisplayPage::showOverscan_(bool offered, int margin)
{
    ui->txtDispOvscan->setText(DisplayChoices::overscanText(offered ? margin : 0));
    ui->txtDispOvscan->setStyleSheet(offered ? kWhite : kGrey);
    ui->labDispOvscan->setStyleSheet(offered ? kWhite : kGrey);
}

void DisplayPage::showWallpaper_(int image)
{
    QLabel* previews[] = {ui->labImage1, ui->labImage2, ui->labImage3};
    for (QLabel* p : previews)
        p->setStyleSheet(QStringLiteral("border: 0px"));
    ui->txtWallPaper->setText(DisplayChoices::wallpaperText(image));
    if (image >= 1 && image <= 3)
        previews[image - 1]->setStyleSheet(
            QStringLiteral("border: %1px solid rgb(0, 254, 16)").arg(m_dialog.pixel_scale(5, 2)));
    m_wallpaper = image;
}

void DisplayPage::ShowMonitorInfo(int n)
{
    if (n > m_screens.size()) {
        qDebug().noquote() << settingsLogPrefix(Q_FUNC_INFO, __LINE__)
                + QStringLiteral("[err] size(%1) < screen(%2)").arg(m_screens.size()).arg(n);
        return;
    }
    QLabel* label = row_(W::resolutionRow(n - 1)).monitor;
    if (!label)
        return;
    label->setText(monitorLabel(m_screens[n - 1]));
}

void DisplayPage::RefreshDispOptionList()
{
    m_window.rebuild(int(m_screens.size()));
    // Entering the page focuses its first row: the main resolution's, or the
    // screen-off row when no output is connected.
    ui->pgDisplay->setFocusProxy(m_rows[m_window.rows().constFirst()].frame);
    for (int r = 0; r < W::RowCount; ++r)
        ShowDispOptionItem(m_rows[r].frame, m_window.isVisible(W::Row(r)));
    ui->labPrefDispArrowUp->setVisible(m_window.moreAbove());
    ui->labPrefDispArrowDown->setVisible(m_window.moreBelow());
}

QList<QWidget*> DisplayPage::optionFrames() const
{
    QList<QWidget*> frames;
    for (W::Row r : m_window.rows())
        frames << m_rows[r].frame;
    return frames;
}

void DisplayPage::ShowDispOptionItem(QObject* row, bool show)
{
    const W::Row r = rowOf_(row);
    if (r == W::RowCount)
        return;
    m_rows[r].frame->setVisible(show);
    for (QWidget* w : m_rows[r].extras)
        w->setVisible(show);
}

void DisplayPage::enterFromColumn()
{
    m_window.setFirstVisible(0);
    RefreshDispOptionList();
}

void DisplayPage::moveFocus(QObject* from, bool down)
{
    const W::Row r = rowOf_(from);
    if (r == W::RowCount)
        return;
    const W::Row target = down ? m_window.down(r) : m_window.up(r);
    RefreshDispOptionList();
    m_rows[target].frame->setFocus(Qt::OtherFocusReason);
}

void DisplayPage::showArrows(QObject* row, bool show)
{
    const W::Row r = rowOf_(row);
    if (r == W::RowCount || !m_rows[r].up)
        return;
    if (r == W::Overscan && m_screens.size() != 1)
        show = false;
    m_rows[r].up->setVisible(show);
    m_rows[r].down->setVisible(show);
}

void DisplayPage::adaptToScreen(const QSize& screenSize)
{
    const ScreenScale scale(screenSize);
    FrameScaling::scaleFonts(ui->pgDisplay, scale);
    FrameScaling::scaleLayouts(ui->pgDisplay, scale);
    // The arrows telling of more rows are drawn for 4K: half their size here.
    for (QLabel* more : {ui->labPrefDispArrowUp, ui->labPrefDispArrowDown}) {
        more->setScaledContents(true);
        FrameScaling::scaleFixedSize(more, QSize(46, 24), scale);
    }
    for (const Row_s& row : m_rows) {
        if (row.value)
            row.frame->setMinimumHeight(scale.y(96));
        for (QLabel* arrow : {row.up, row.down})
            if (arrow)
                FrameScaling::scaleFixedSize(arrow, QSize(32, 16), scale);
    }
    const QSize previewSize(scale.x(320), scale.y(180));
    QLabel* previews[] = {ui->labImage1, ui->labImage2, ui->labImage3};
    for (int i = 0; i < 3; ++i) {
        previews[i]->setFixedSize(previewSize);
        if (previews[i]->pixmap().size() != previewSize)
            previews[i]->setPixmap(preview(i + 1, previewSize));
    }
    showWallpaper_(m_wallpaper);
}

void DisplayPage::popupMenu(QObject* row)
{
    // Every menu is placed and sized for the screen as it is now.
    const int width = m_dialog.getScreenResolution_().width();
    switch (const W::Row r = rowOf_(row)) {
    case W::SecondaryMonitors:
        arrangementMenu_();
        break;
    case W::ScreenOff:
        screenOffMenu_();
        break;
    case W::Overscan:
        overscanMenu_();
        break;
    case W::Wallpaper:
        wallpaperMenu_();
        break;
    default:
        if (W::outputOf(r) >= 0)
            resolutionMenu_(W::outputOf(r), width);
        break;
    }
}

void DisplayPage::resolutionMenu_(int output, int width)
{
    if (output >= m_screens.size())
        return;
    ScreenConfig& screens = *m_dialog.screenConfig();
    screens.refresh();
    if (screens.numOfMode(output) == 0)
        return;
    ScreenConfFile file;
    file.load();
    const QString section = ScreenConfFile::sectionOf(output);
    const QString currentMode = file.value(section, QStringLiteral("Mode"));
    const QString currentRate = file.value(section, QStringLiteral("Rate"));
    QLabel* value = row_(W::resolutionRow(output)).value;

    QMenu menu(&m_dialog);
    const DisplayChoices::Menu_s modes = DisplayChoices::modes(screens, output, currentMode);
    const int m = m_dialog.choiceMenu().run(menu, value, modes.entries, modes.current, width * 300 / 1920);
    if (m < 0)
        return;
    QString mode;
    QList<QString> rates;
    screens.mode(m, mode, rates, output);
    QString rate = ScreenConfig::plainRate(rates.value(0));
    if (rates.size() >= 2) {
        const DisplayChoices::Menu_s menuRates = DisplayChoices::rates(mode, rates, currentRate);
        const int c = m_dialog.choiceMenu().run(menu, value, menuRates.entries, menuRates.current, width * 150 / 1920);
        if (c < 0)
            return;
        rate = ScreenConfig::plainRate(rates[c]);
    }
    ResolutionChange change(
        {[this](int height) { m_dialog.setTaskbarHeight(height); }, [this] { return confirmResolution_(); }});
    if (change.apply(output, mode, rate) == ResolutionChange::Unchanged)
        return;
    const QSize size = m_dialog.getScreenResolution_();
    adaptToScreen(size);
    m_dialog.resize(size);
    m_dialog.repaint();
}

bool DisplayPage::confirmResolution_()
{
    InfoDialog* question = m_dialog.messageDialog();
    question->reset(5);
    question->setTextOK(SettingsTexts::tr("Yes"));
    question->setTextCancel(SettingsTexts::tr("No"));
    question->setLabelText(SettingsTexts::tr("Do you want to use this resolution?"));
    question->adjustSize();
    question->show();
    return question->exec() == QDialog::Accepted;
}

void DisplayPage::arrangementMenu_()
{
    if (m_screens.size() < 2)
        return;
    const DisplayChoices::Menu_s menu = DisplayChoices::arrangements(m_screens[1].extendMode);
    const int c = m_dialog.choiceMenu().run(ui->txtDispSecMon, menu.entries, menu.current);
    if (c < 0)
        return;
    SETTINGS_LOG << "ac:" << c;
    ui->txtDispSecMon->setText(menu.entries[c]);
    const int x = DisplayState::applyArrangement(c, m_screens);
    RefreshDispOptionList();
    showOverscan_(m_screens.size() <= 1, 0);
    m_dialog.move(x, 0);
}

void DisplayPage::screenOffMenu_()
{
    int standby = 0;
    DpmsConfig().mode(&standby, nullptr, nullptr);
    const DisplayChoices::Menu_s menu = DisplayChoices::screenOff(standby);
    const int c = m_dialog.choiceMenu().run(ui->txtDispTnOff, menu.entries, menu.current);
    if (c < 0)
        return;
    showScreenOff_(DisplayState::applyScreenOff(DisplayChoices::screenOffSeconds(c)));
}

void DisplayPage::overscanMenu_()
{
    if (m_screens.size() != 1)
        return;
    ScreenConfFile file;
    file.load();
    const DisplayChoices::Menu_s menu = DisplayChoices::overscan(file.overscanMargin());
    const int c = m_dialog.choiceMenu().run(ui->txtDispOvscan, menu.entries, menu.current);
    if (c < 0)
        return;
    ui->txtDispOvscan->setText(menu.entries[c]);
    DisplayState::applyOverscan(DisplayChoices::overscanMargin(c));
}

void DisplayPage::wallpaperMenu_()
{
    const DisplayChoices::Menu_s menu = DisplayChoices::wallpapers(UserSettings::wallpaper());
    const int c = m_dialog.choiceMenu().run(ui->txtWallPaper, menu.entries, menu.current);
    if (c < 0)
        return;
    UserSettings::setWallpaper(c);
    showWallpaper_(c);
    emit m_dialog.WallpaperChange();
}
