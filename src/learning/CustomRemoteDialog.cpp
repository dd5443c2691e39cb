#include "learning/CustomRemoteDialog.h"

#include "lirc/lirc.h"
#include "ui_CustomRemoteDialog.h"
#include "widgets/ScreenScale.h"
#include "widgets/WheelArrows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

namespace {

// The pictures of the seven buttons, in step order.
constexpr const char* KeyPictures[] = {"learn_key_up", "learn_key_down", "learn_key_left", "learn_key_right",
    "learn_key_select", "learn_key_back", "learn_key_menu"};

// A picture of the resource tree drawn into a box of the given size, its
// proportions kept. The pictures are rendered at twice their 1080p size, so
// up to a 4K screen they are only ever made smaller.
QPixmap picture(const char* name, QSize box)
{
    return QPixmap(QStringLiteral(":/images/%1.png").arg(QLatin1String(name)))
        .scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QFont sized(QFont font, int points, bool bold = false)
{
    font.setPointSize(qMax(1, points));
    font.setBold(bold);
    return font;
}

} // namespace

CustomRemoteDialog::CustomRemoteDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::CustomRemoteDialog)
    , m_worker(this)
    , m_timer(new QTimer(this))
    , m_learning(*this)
{
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    ui->pbtClose->setAutoDefault(false);
    m_pageButtons
        = {{{ui->frmCR0_start, ui->frmCR0_cancel}, {ui->frmCR1_cancel, nullptr}, {ui->frmCR2_OK, ui->frmCR2_cancel},
            {ui->frmCR3_try, ui->frmCR3_cancel}, {ui->frmCR4_reset, ui->frmCR4_cancel}}};
    for (const auto& buttons : m_pageButtons) {
        for (QFrame* button : buttons) {
            if (!button)
                continue;
            button->installEventFilter(this);
            // A press anywhere on the button is the button's.
            for (QWidget* child : button->findChildren<QWidget*>())
                child->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }
    m_timer->setInterval(RemoteLearning::TickMs);
    m_learning.displayStep(0);
    adaptUiToScreen(0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, [this] { adaptUiToScreen(0); });
    connect(&g_lircLearning, &Lirc::signalIrRecived, this, &CustomRemoteDialog::signalIrRecived);
    connect(m_timer, &QTimer::timeout, this, &CustomRemoteDialog::progressbarTimeout);
}

CustomRemoteDialog::~CustomRemoteDialog()
{
    m_learning.finish();
    delete ui;
}

void CustomRemoteDialog::setmode(bool learn, int slot) { m_learning.setMode(learn, slot); }

void CustomRemoteDialog::learn_status(int step) { m_learning.displayStep(step); }

bool CustomRemoteDialog::IsExistScanCode(std::uint64_t code) const { return m_learning.isExistScanCode(code); }

void CustomRemoteDialog::signalIrRecived() { m_learning.irActivity(); }

void CustomRemoteDialog::progressbarTimeout() { m_learning.tick(); }

void CustomRemoteDialog::on_pbtClose_clicked() { close(); }

void CustomRemoteDialog::closeEvent(QCloseEvent* event)
{
    m_learning.finish();
    QDialog::closeEvent(event);
}

// Accepting and rejecting (Escape) end here without a close event.
void CustomRemoteDialog::done(int result)
{
    m_learning.finish();
    QDialog::done(result);
}

void CustomRemoteDialog::startWorker() { m_worker.launch(); }

void CustomRemoteDialog::stopWorker() { m_worker.stopAndWait(); }

void CustomRemoteDialog::enableLearning(bool on) { g_lircLearning.enableLearning(on); }

void CustomRemoteDialog::setTimerActive(bool on) { on ? m_timer->start() : m_timer->stop(); }

void CustomRemoteDialog::showPage(RemoteLearning::Page page)
{
    ui->stwgCR->setCurrentIndex(page);
    m_pageButtons[page][0]->setFocus();
}

void CustomRemoteDialog::showStep(int step)
{
    const bool noSignal = step == RemoteLearning::NoSignal;
    ui->labCR1_errIcon->setVisible(noSignal);
    ui->labCR1_errText->setVisible(noSignal);
    ui->labCR1_step->setVisible(!noSignal);
    if (noSignal)
        return;
    ui->labCR1_step->setText(tr(LearnedRemotes::Steps[step].label));
    placeHighlight_(step);
}

void CustomRemoteDialog::showProgress(int value) { ui->prgbarCR1->setValue(value); }

void CustomRemoteDialog::placeHighlight_(int step)
{
    const ScreenScale s(m_screen);
    ui->labCR1_focus->setGeometry(s.x(115 + 240 * step), 0, s.x(250), s.y(250));
}

QFrame* CustomRemoteDialog::partner_(QFrame* button) const
{
    for (const auto& buttons : m_pageButtons) {
        if (buttons[0] == button)
            return buttons[1];
        if (buttons[1] == button)
            return buttons[0];
    }
    return nullptr;
}

void CustomRemoteDialog::activate_(QFrame* button)
{
    if (button == ui->frmCR0_start) {
        m_learning.start();
    } else if (button == ui->frmCR3_try) {
        m_learning.tryAgain();
    } else if (button == ui->frmCR2_OK) {
        m_learning.save();
        close();
    } else if (button == ui->frmCR4_reset) {
        m_learning.reset();
        close();
    } else {
        close(); // every Cancel
    }
}

bool CustomRemoteDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the buttons alone.
    auto* button = qobject_cast<QFrame*>(watched);
    if (!button)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        activate_(button);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (QFrame* other = partner_(button))
            other->setFocus();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activate_(button);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void CustomRemoteDialog::wheelEvent(QWheelEvent* event) { wheelToArrow(event, focusWidget()); }

void CustomRemoteDialog::adaptUiToScreen(int)
{
    QSize size;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        size = screen->geometry().size();
    m_screen = size.isEmpty() ? QSize(1920, 1080) : size;
    const ScreenScale s(m_screen);
    resize(s.x(1920), s.y(1080));

    const QString buttons = QStringLiteral(
        "#frmCR0_start, #frmCR0_cancel, #frmCR1_cancel, #frmCR2_OK, #frmCR2_cancel, #frmCR3_try, #frmCR3_cancel, "
        "#frmCR4_reset, #frmCR4_cancel");
    QString focused = buttons;
    focused.replace(QLatin1String(","), QLatin1String(":focus,")).append(QLatin1String(":focus"));
    setStyleSheet(QStringLiteral(
        "#CustomRemoteDialog{background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 rgb(12, 84, "
        "117), stop:0.55 rgb(4, 26, 44), stop:1 rgb(0, 0, 0))} QLabel{color: rgb(214, 222, 232)} "
        "#labCR_title, #labCR1_step{color: rgb(0, 216, 255)} #labCR0_note{color: rgb(150, 160, 172)} "
        "#labCR3_title{color: rgb(255, 176, 32)} #labCR1_errText{color: rgb(255, 97, 97)} "
        "%1{border-image: url(:/images/learn_button.png)} %2{border-image: url(:/images/learn_button_focus.png)} "
        "QFrame QLabel{color: rgb(255, 255, 255)} "
        "#pbtClose{border-image: url(:/images/close.png); border: none} "
        "QProgressBar{border: %3px solid rgb(63, 99, 145); border-radius: %4px; background-color: rgba(255, 255, 255, "
        "20)} QProgressBar::chunk{border-radius: %4px; background-color: qlineargradient(spread:pad, x1:0, y1:0, "
        "x2:0, y2:1, stop:0 rgba(0, 204, 255, 255), stop:1 rgba(0, 57, 162, 255))}")
                      .arg(buttons, focused)
                      .arg(qMax(s.y(2), 1))
                      .arg(qMax(s.y(12), 2)));

    const int side = s.x(80);
    ui->vlCR->setContentsMargins(0, s.y(48), 0, s.y(64));
    ui->hlCR_head->setContentsMargins(side, 0, side, 0);
    // The learning page runs from edge to edge: the button row is placed in
    // whole-screen coordinates.
    for (QLayout* page : {ui->vlCR0, ui->vlCR2, ui->vlCR3, ui->vlCR4})
        page->setContentsMargins(side, 0, side, 0);
    ui->vlCR1->setContentsMargins(0, 0, 0, 0);
    for (QBoxLayout* page : {ui->vlCR0, ui->vlCR1, ui->vlCR2, ui->vlCR3, ui->vlCR4})
        page->setSpacing(s.y(32));
    for (QBoxLayout* row : {ui->hlCR0_buttons, ui->hlCR2_buttons, ui->hlCR3_buttons, ui->hlCR4_buttons})
        row->setSpacing(s.x(64));
    ui->hlCR1_status->setSpacing(s.x(16));

    const QFont base = font();
    ui->labCR_title->setFont(sized(base, s.y(34), true));
    ui->pbtClose->setFixedSize(s.y(52), s.y(52));
    for (QLabel* text : {ui->labCR0_text, ui->labCR2_text, ui->labCR4_text})
        text->setFont(sized(base, s.y(30)));
    ui->labCR0_note->setFont(sized(base, s.y(22)));
    ui->labCR1_text->setFont(sized(base, s.y(24)));
    ui->labCR1_step->setFont(sized(base, s.y(36), true));
    ui->labCR1_errText->setFont(sized(base, s.y(30)));
    ui->labCR3_title->setFont(sized(base, s.y(36), true));
    ui->labCR3_text->setFont(sized(base, s.y(26)));
    // Explanations wrap into a centred column rather than across the screen,
    // as tall as their lines (a page not shown yet is not asked).
    const auto column = [](QLabel* text, int width) {
        text->setFixedWidth(width);
        text->setMinimumHeight(text->heightForWidth(width));
        static_cast<QBoxLayout*>(text->parentWidget()->layout())->setAlignment(text, Qt::AlignHCenter);
    };
    for (QLabel* text :
        {ui->labCR0_text, ui->labCR0_note, ui->labCR2_text, ui->labCR3_title, ui->labCR3_text, ui->labCR4_text})
        column(text, s.x(1440));
    column(ui->labCR1_text, s.x(1920) - 2 * side);
    for (QLabel* status : {ui->labCR1_step, ui->labCR1_errText})
        status->setMinimumHeight(s.y(64));
    ui->labCR1_errIcon->setPixmap(picture("error", QSize(s.y(32), s.y(32))));

    for (const auto& buttons : m_pageButtons) {
        for (QFrame* button : buttons) {
            if (!button)
                continue;
            // Wider for a longer text than the design's.
            button->setMinimumWidth(s.x(264));
            button->setFixedHeight(s.y(80));
            button->layout()->setContentsMargins(s.x(28), 0, s.x(28), 0);
            for (QLabel* text : button->findChildren<QLabel*>())
                text->setFont(sized(base, s.y(26)));
        }
    }

    ui->labCR0_picture->setPixmap(picture("learn_remote", QSize(s.y(360), s.y(360))));
    ui->labCR2_picture->setPixmap(picture("learn_done", QSize(s.y(240), s.y(240))));
    ui->labCR3_picture->setPixmap(picture("learn_twice", QSize(s.y(240), s.y(240))));
    ui->labCR4_picture->setPixmap(picture("learn_reset", QSize(s.y(240), s.y(240))));

    // The seven buttons in a row, each in the middle of its 250 x 250 place,
    // and the highlight frame over the current one.
    ui->wgCR1_keys->setFixedSize(s.x(1920), s.y(250));
    for (int i = 0; i < LearnedRemotes::StepCount; ++i) {
        auto* key = ui->wgCR1_keys->findChild<QLabel*>(QStringLiteral("labCR1_key%1").arg(i));
        key->setGeometry(s.x(135 + 240 * i), s.y(20), s.x(210), s.y(210));
        key->setPixmap(picture(KeyPictures[i], key->size()));
    }
    ui->labCR1_focus->setScaledContents(true);
    ui->labCR1_focus->setPixmap(QPixmap(QStringLiteral(":/images/learn_focus.png")));
    ui->labCR1_focus->raise();
    placeHighlight_(m_learning.step());
    ui->prgbarCR1->setFixedSize(s.x(1200), s.y(24));
}
