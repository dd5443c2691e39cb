#include "settings/PreferencesPage.h"

#include "ui_SettingsDialog.h"

#include "appliance/CommandWorker.h"
#include "appliance/Paths.h"
#include "audio/AudioConfig.h"
#include "i18n/UiLanguage.h"
#include "im/SystemInputMethod.h"
#include "learning/CustomRemoteDialog.h"
#include "lirc/learnedRemotes.h"
#include "prefs/AlsaDefaults.h"
#include "prefs/IrReceiverMode.h"
#include "prefs/PrefChoices.h"
#include "prefs/SettingsTexts.h"
#include "settings/ChoiceMenu.h"
#include "settings/FrameScaling.h"
#include "settings/OptionRowEvents.h"
#include "settings/SettingsDialog.h"
#include "widgets/ListDialog.h"
#include "widgets/ScreenScale.h"

#include <QApplication>
#include <QLayout>
#include <QPointer>

#include <algorithm>
#include <array>

namespace {

// A size of the form at 1920 x 1080, remembered on the object the first time
// it is scaled.
int designed(QObject* o, const char* key, int now)
{
    QVariant v = o->property(key);
    if (!v.isValid()) {
        v = now;
        o->setProperty(key, v);
    }
    return v.toInt();
}

// Gives the focus back to the widget that had it, in the dialog made active
// again, once a dialog opened from a row is gone: the viewer goes on where
// they were.
class FocusReturn_
{
public:
    explicit FocusReturn_(QWidget& dialog)
        : m_dialog(dialog)
        , m_focus(QApplication::focusWidget())
    {
    }
    ~FocusReturn_()
    {
        m_dialog.activateWindow();
        if (m_focus)
            m_focus->setFocus(Qt::OtherFocusReason);
    }
    FocusReturn_(const FocusReturn_&) = delete;
    FocusReturn_& operator=(const FocusReturn_&) = delete;

private:
    QWidget& m_dialog;
    QPointer<QWidget> m_focus;
};

} // namespace

// ---- keys and clicks

bool StwgSubPgPrefEventFilter::pageEvent(QObject* watched, QEvent* event)
{
    PreferencesPage& page = dialog().preferencesPage();
    auto* row = qobject_cast<QFrame*>(watched);
    if (!row || !page.rows().contains(row))
        return false;
    return OptionRowEvents::handle(row, event,
        {[&] { activate_(row); },
            [&](bool down) {
                if (QFrame* next = page.neighbour(row, down ? 1 : -1))
                    next->setFocus(Qt::OtherFocusReason);
            },
            [&](bool show) { page.showArrows(row, show); }});
}

void StwgSubPgPrefEventFilter::activate_(QFrame* row)
{
    // A key that reaches the row while a menu or dialog it opened is still
    // coming up opens nothing more.
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return;
    if (row == ui()->frmCRemote)
        row->setFocus(Qt::OtherFocusReason);
    else if (row == ui()->frmCR_1 || row == ui()->frmCR_2 || row == ui()->frmCR_3)
        dialog().remoteLearning(row);
    else
        dialog().popupMenu(row);
}

// ---- the page

PreferencesPage::PreferencesPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgPrefEventFilter(dialog))
{
}

// The filter reaches the page; it goes with it, before the dialog's widgets.
PreferencesPage::~PreferencesPage() { delete m_filter; }

// The language table is built once, on first use; the dialog reads the names
// and the supported codes from it.
void PreferencesPage::initLangSupport() { UiLanguage::table(); }

void PreferencesPage::setup()
{
    m_rows = {ui->frmPrefLang, ui->frmPrefIM, ui->frmPrefIr, ui->frmCRemote, ui->frmCR_1, ui->frmCR_2, ui->frmCR_3};
    for (QFrame* row : m_rows) {
        OptionRowEvents::watch(row, m_filter);
        showArrows(row, false);
    }
    QObject::connect(ui->speakerTestBtn, &QPushButton::clicked, &m_dialog, &SettingsDialog::speakerTestFunc);
    // Entering the page from the left column focuses its first row.
    ui->pgPref->setFocusProxy(ui->frmPrefLang);
    showArrows(ui->frmPrefAudio, false);
    // The audio output is chosen in the title bar's chooser; its row here
    // never shows.
    showRow_(ui->frmPrefAudio, false);
}

void PreferencesPage::startAudio()
{
    // The model reads the devices as it is built, at start-up: reading them
    // once more would only list them again.
    CommandWorker::post(&m_dialog, [] { AudioConfig::GetInstance()->SetPulseAudioDefaultSink(); });
    ui->speakerTestBtn->hide();
}

void PreferencesPage::startReceiver() { IrReceiverMode::restoreStored(); }

PreferencesPage::Reading_s PreferencesPage::read()
{
    Reading_s reading;
    reading.view = PrefChoices::read(*AudioConfig::GetInstance());
    reading.inputMethod = SystemInputMethod::getInstance()->getActiveIM().name;
    return reading;
}

void PreferencesPage::refresh() { show(read()); }

void PreferencesPage::show(const Reading_s& reading)
{
    const PrefChoices::View_s& view = reading.view;
    if (view.audioOutput)
        ui->txtPrefAudio->setText(*view.audioOutput);
    if (view.receiverMode)
        ui->txtPrefIr->setText(*view.receiverMode);
    showRow_(ui->frmPrefIr, view.receiverMode.has_value());
    showRow_(ui->frmCRemote, view.customRemotes);
    for (QFrame* row : slots_())
        showRow_(row, view.customRemotes);
    if (view.customRemotes)
        refreshCRcurrent();
    ui->txtPrefIM->setText(reading.inputMethod);
}

void PreferencesPage::adaptToScreen(const QSize& screenSize)
{
    const ScreenScale s(screenSize);
    FrameScaling::scaleFonts(ui->pgPref, s);
    QLayout* page = ui->pgPref->layout();
    const QMargins m = page->contentsMargins();
    page->setContentsMargins(s.x(designed(page, "designLeft", m.left())), s.y(designed(page, "designTop", m.top())),
        s.x(designed(page, "designRight", m.right())), s.y(designed(page, "designBottom", m.bottom())));
    for (QFrame* row : ui->pgPref->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        row->setMinimumHeight(s.y(designed(row, "designHeight", row->minimumHeight())));
        if (QLayout* l = row->layout()) {
            const QMargins rm = l->contentsMargins();
            const int side = s.x(designed(l, "designSide", rm.left()));
            l->setContentsMargins(side, rm.top(), side, rm.bottom());
            l->setSpacing(s.x(designed(l, "designSpacing", l->spacing())));
        }
    }
    for (QLabel* arrow : ui->pgPref->findChildren<QLabel*>()) {
        if (!arrow->objectName().endsWith(QLatin1String("Up")) && !arrow->objectName().endsWith(QLatin1String("Down")))
            continue;
        const QSize d(designed(arrow, "designWidth", arrow->maximumWidth()),
            designed(arrow, "designHeight", arrow->maximumHeight()));
        FrameScaling::scaleFixedSize(arrow, d, s);
    }
}

bool PreferencesPage::ownsRow(QObject* row) const { return m_rows.contains(row) || row == ui->frmPrefAudio; }

void PreferencesPage::popupMenu(QObject* row)
{
    if (row == ui->frmPrefLang)
        languageMenu_();
    else if (row == ui->frmPrefIM)
        inputMethodMenu_();
    else if (row == ui->frmPrefAudio)
        audioMenu_();
    else if (row == ui->frmPrefIr)
        receiverMenu_();
}

void PreferencesPage::languageMenu_()
{
    const PrefMenu_s menu = PrefChoices::languages(m_dialog.lang());
    const int chosen = m_dialog.choiceMenu().run(ui->txtPrefLang, menu.entries, menu.current);
    if (chosen < 0)
        return;
    m_dialog.retranslateUi(PrefChoices::languageAt(chosen));
    // The applications' texts come from the catalog in the new language.
    m_dialog.loadwebbentoinfo();
}

void PreferencesPage::inputMethodMenu_()
{
    SystemInputMethod& model = *SystemInputMethod::getInstance();
    const PrefMenu_s menu = PrefChoices::inputMethods(model, ui->txtPrefIM->text());
    const int chosen = m_dialog.choiceMenu().run(ui->txtPrefIM, menu.entries, menu.current);
    switch (PrefChoices::chooseInputMethod(model, chosen)) {
    case PrefChoices::ImChoice::Activated:
        refreshIMcurrent();
        break;
    case PrefChoices::ImChoice::Add:
        changeInputMethods_(true);
        break;
    case PrefChoices::ImChoice::Remove:
        changeInputMethods_(false);
        break;
    case PrefChoices::ImChoice::None:
        break;
    }
}

void PreferencesPage::changeInputMethods_(bool add)
{
    const FocusReturn_ back(m_dialog);
    {
        ListDialog list(&m_dialog);
        // Like the other dialogs over the settings: no window-manager frame on the television.
        list.setWindowFlags(list.windowFlags() | Qt::FramelessWindowHint);
        list.reset(add ? 0 : 1);
        list.setTextOK(add ? SettingsTexts::tr("Add") : SettingsTexts::tr("Remove"));
        list.setTextCancel(SettingsTexts::tr("Cancel"));
        list.exec();
    }
    refreshIMcurrent();
}

void PreferencesPage::audioMenu_()
{
    AudioConfig& audio = *AudioConfig::GetInstance();
    const PrefMenu_s menu = PrefChoices::audioOutputs(audio);
    const int chosen = m_dialog.choiceMenu().run(ui->txtPrefAudio, menu.entries, menu.current);
    if (chosen < 0)
        return;
    if (const std::optional<QString> name = PrefChoices::chooseAudioOutput(audio, chosen, Paths::AlsaConf.local()))
        ui->txtPrefAudio->setText(*name);
}

void PreferencesPage::receiverMenu_()
{
    const std::optional<QList<IrReceiverMode::Mode_s>> modes = IrReceiverMode::modes();
    if (!modes)
        return;
    const PrefMenu_s menu = PrefChoices::receiverModes(*modes, ui->txtPrefIr->text());
    const int chosen = m_dialog.choiceMenu().run(ui->txtPrefIr, menu.entries, menu.current);
    if (chosen < 0 || chosen >= modes->size())
        return;
    IrReceiverMode::choose(modes->at(chosen).number);
    ui->txtPrefIr->setText(modes->at(chosen).name);
}

void PreferencesPage::refreshIMcurrent()
{
    ui->txtPrefIM->setText(SystemInputMethod::getInstance()->getActiveIM().name);
}

// Also called by the language switch while the dialog is being built.
void PreferencesPage::refreshCRcurrent()
{
    const std::array<QLabel*, 3> values {ui->txtCR_1, ui->txtCR_2, ui->txtCR_3};
    for (int slot = 0; slot < int(values.size()); ++slot)
        values[slot]->setText(PrefChoices::slotText(LearnedRemotes::isLearned(slot)));
}

void PreferencesPage::remoteLearning(QObject* row)
{
    const std::array<QFrame*, 3> rows = slots_();
    const int slot = int(std::find(rows.begin(), rows.end(), row) - rows.begin());
    if (slot >= int(rows.size()))
        return;
    const FocusReturn_ back(m_dialog);
    {
        CustomRemoteDialog learning(&m_dialog);
        learning.setWindowFlags(learning.windowFlags() | Qt::FramelessWindowHint);
        learning.setmode(!LearnedRemotes::isLearned(slot), slot);
        learning.exec();
    }
    refreshCRcurrent();
}

void PreferencesPage::setAlsaDefaultDevice(int device)
{
    AlsaDefaults::setDefaultDevice(Paths::AlsaConf.local(), device);
}

void PreferencesPage::speakerTestFunc() { AudioConfig::GetInstance()->AudioTest(); }

QFrame* PreferencesPage::neighbour(const QFrame* row, int step) const
{
    for (qsizetype i = m_rows.indexOf(row) + step; i >= 0 && i < m_rows.size(); i += step) {
        if (m_rows.at(i)->isVisibleTo(ui->pgPref))
            return m_rows.at(i);
    }
    return nullptr;
}

void PreferencesPage::showArrows(const QFrame* row, bool shown) const
{
    for (const char* end : {"Up", "Down"}) {
        if (QLabel* arrow = child_(QStringLiteral("lab") + base_(row) + QLatin1String(end)))
            arrow->setVisible(shown);
    }
}

void PreferencesPage::showRow_(QFrame* row, bool shown) const
{
    row->setVisible(shown);
    if (auto* line = ui->pgPref->findChild<QFrame*>(QStringLiteral("frmPrefSep") + base_(row)))
        line->setVisible(shown);
}

std::array<QFrame*, 3> PreferencesPage::slots_() const { return {ui->frmCR_1, ui->frmCR_2, ui->frmCR_3}; }

QLabel* PreferencesPage::child_(const QString& name) const { return ui->pgPref->findChild<QLabel*>(name); }

QString PreferencesPage::base_(const QObject* row) { return row->objectName().mid(3); }
