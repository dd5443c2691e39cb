#include "home/TipsScreen.h"

#include "ui_TipsScreen.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>

#include <utility>

namespace {

const char* const kDefaultFront = "border-image: url(:/images/Tellora-Tip_slice_G.png);";

QFont sized(QFont font, int points, bool bold = false)
{
    font.setPointSize(qMax(1, points));
    font.setBold(bold);
    return font;
}

QPixmap picture(const char* name, const QSize& box)
{
    const QPixmap pm(QStringLiteral(":/images/%1").arg(QLatin1String(name)));
    return pm.isNull() ? pm : pm.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

const std::array<TipsScreen::Model_s, 7>& TipsScreen::models()
{
    // Series markers first: a rack model of any family shows the rack front,
    // and the compact series has no front picture of its own.
    static const std::array<Model_s, 7> table {{
        {"RU", "Tellora-Tip_slice_F.png"},
        {"Lite", ""},
        {"TLR-2", "Tellora-Tip_slice_A.png"},
        {"TLR-4", "Tellora-Tip_slice_B.png"},
        {"TLR-5", "Tellora-Tip_slice_C.png"},
        {"TLR-6", "Tellora-Tip_slice_D.png"},
        {"TLR-8", "Tellora-Tip_slice_E.png"},
    }};
    return table;
}

QString TipsScreen::frontSheet(const QString& displayName, bool* known)
{
    for (const Model_s& m : models()) {
        if (displayName.contains(QLatin1String(m.substring))) {
            if (known)
                *known = true;
            return *m.picture ? QStringLiteral("border-image: url(:/images/%1);").arg(QLatin1String(m.picture))
                              : QString();
        }
    }
    if (known)
        *known = false;
    return QLatin1String(kDefaultFront);
}

TipsScreen::TipsScreen(QString displayName, QWidget* parent, bool irSupported, bool showOneTouch)
    : QDialog(parent)
    , m_displayName(std::move(displayName))
    , m_oneTouch(irSupported && showOneTouch)
    , m_oneTouchWanted(showOneTouch)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
}

TipsScreen::~TipsScreen() { delete ui; }

void TipsScreen::setOneTouchShown(bool irSupported)
{
    m_oneTouch = irSupported && m_oneTouchWanted;
    if (ui)
        ui->frmOTB->setVisible(m_oneTouch);
}

Ui::TipsScreen* TipsScreen::form()
{
    buildForm_();
    return ui;
}

void TipsScreen::setVisible(bool visible)
{
    if (visible)
        buildForm_();
    QDialog::setVisible(visible);
}

void TipsScreen::buildForm_()
{
    if (ui)
        return;
    ui = new Ui::TipsScreen;
    ui->setupUi(this);
    ui->txtNasType->setText(m_displayName);
    bool known = false;
    ui->lblOTB->setStyleSheet(frontSheet(m_displayName, &known));
    // An unknown model may have no such button: show only its outline.
    ui->lblOTBIcon->setVisible(known);
    ui->txtOTB->setVisible(known);
    ui->frmOTB->setVisible(m_oneTouch);
    retranslate_();
}

void TipsScreen::on_pbtClose_clicked() { close(); }

void TipsScreen::on_pbtCloseX_clicked() { close(); }

void TipsScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && ui)
        retranslate_();
    QDialog::changeEvent(event);
}

void TipsScreen::retranslate_()
{
    // Each caption carries the number of its badge in the picture beside it,
    // in the badges' colour.
    auto caption = [](QLabel* label, int number, const QString& text) {
        label->setText(QStringLiteral("<b style=\"color:#ffb020\">%1</b>&nbsp;&nbsp;&nbsp;%2")
                           .arg(number)
                           .arg(text.toHtmlEscaped()));
    };
    const QString remote[] = {tr("Exit application"), tr("Go back to home page"), tr("Information"), tr("View options"),
        tr("Select"), tr("Return"), tr("Volume up"), tr("Volume down"), tr("Mute"), tr("Play / Pause"),
        tr("Rewind") + QStringLiteral(" / ") + tr("Fast forward")};
    QLabel* const remoteLabels[] = {ui->lblR01, ui->lblR02, ui->lblR03, ui->lblR04, ui->lblR05, ui->lblR06, ui->lblR07,
        ui->lblR08, ui->lblR09, ui->lblR10, ui->lblR11};
    for (int i = 0; i < 11; ++i)
        caption(remoteLabels[i], i + 1, remote[i]);
    const QString keyboard[] = {tr("Select"), tr("Return"), tr("Exit application"), tr("Close"), tr("Left"),
        tr("Right"), tr("Up"), tr("Down"), tr("Information"), tr("View options"), tr("Play / Pause"), tr("Rewind"),
        tr("Fast forward"), tr("Go back to home page")};
    QLabel* const keyboardLabels[] = {ui->lblK01, ui->lblK02, ui->lblK03, ui->lblK04, ui->lblK05, ui->lblK06,
        ui->lblK07, ui->lblK08, ui->lblK09, ui->lblK10, ui->lblK11, ui->lblK12, ui->lblK13, ui->lblK14};
    for (int i = 0; i < 14; ++i)
        caption(keyboardLabels[i], i + 1, keyboard[i]);
    caption(ui->lblM01, 1, tr("Select"));
    caption(ui->lblM02, 2, tr("Return"));
    caption(ui->lblM03, 3, tr("Scroll"));

    ui->txtRestart->setText(tr("You can quickly restart Tellora by holding this button for 6 seconds."));
    ui->txtGeneral->setText(tr("General use"));
    ui->txtTips->setText(tr("You can use one of the devices below to control Tellora"));
    ui->txtRemote->setText(tr("Vendra remote control"));
    ui->txtKeyboard->setText(tr("Keyboard"));
    ui->txtMouse->setText(tr("Mouse"));
    ui->txtOTB->setText(tr("One Touch Copy Button"));
    ui->txtNote->setText(tr("Please note that some functions only apply for certain applications."));
    ui->pbtClose->setText(tr("Close"));
}

void TipsScreen::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!ui)
        return;
    // Designed for 1920 x 1080; every size follows the screen.
    const int W = event->size().width();
    const int H = event->size().height();
    auto sx = [W](int v) { return v * W / 1920; };
    auto sy = [H](int v) { return v * H / 1080; };

    // The X is a picture inside its frame: drawn as a border image it would cover the frame that shows the focus.
    setStyleSheet(QStringLiteral(
        "#TipsScreen{background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 rgb(12, 84, 117), "
        "stop:0.55 rgb(4, 26, 44), stop:1 rgb(0, 0, 0))} QLabel{color: rgb(214, 222, 232)} "
        "#txtGeneral, #txtRemote, #txtKeyboard, #txtMouse, #txtOTB{color: rgb(0, 216, 255)} "
        "#txtNasType, #txtNote, #txtRestart{color: rgb(150, 160, 172)} "
        "#frmRemote, #frmKeyboard, #frmMouse, #frmOTB{background: rgba(255, 255, 255, 14); border-radius: %1px} "
        "QPushButton{color: rgb(255,255,255); border-image: url(:/images/icon_normal.png)} "
        "QPushButton:focus{outline:none; border-image: url(:/images/icon_pressed.png)} "
        "#pbtCloseX{border-image: none; image: url(:/images/close.png); border: %2px solid transparent; "
        "border-radius: %3px} #pbtCloseX:focus{border-color: rgb(0, 216, 255)}")
                      .arg(qMax(sx(16), 4))
                      .arg(qMax(sx(3), 1))
                      .arg(qMax(sx(8), 2)));

    // Thin top and bottom margins: the Thai page has the tallest lines, and it must still fit a full-HD screen.
    ui->vlTips->setContentsMargins(sx(80), sy(14), sx(80), sy(14));
    ui->vlTips->setSpacing(sy(10));
    ui->hlDevices->setSpacing(sx(28));
    ui->vlRight->setSpacing(sy(20));
    ui->hlLower->setSpacing(sx(20));
    const int pad = sx(24);
    for (QLayout* l : {ui->vlRemote, ui->vlKeyboard, ui->vlMouse, ui->vlOTB}) {
        l->setContentsMargins(pad, sy(14), pad, sy(14));
        l->setSpacing(sy(8));
    }
    ui->glRemote->setVerticalSpacing(sy(10));
    ui->glKeyboard->setHorizontalSpacing(sx(32));
    ui->glKeyboard->setVerticalSpacing(sy(4));
    ui->hlRemote->setSpacing(sx(24));
    ui->hlMouse->setSpacing(sx(24));
    ui->hlBottom->setStretch(0, 1); // the note takes the line, the button its size

    const QFont base = font();
    ui->txtNasType->setFont(sized(base, sy(16)));
    ui->txtGeneral->setFont(sized(base, sy(32), true));
    ui->txtTips->setFont(sized(base, sy(20)));
    for (QLabel* title : {ui->txtRemote, ui->txtKeyboard, ui->txtMouse, ui->txtOTB})
        title->setFont(sized(base, sy(19), true));
    const QFont captionFont = sized(base, sy(15));
    for (QLabel* l : findChildren<QLabel*>()) {
        const QString name = l->objectName();
        if (name.size() == 6
            && (name.startsWith(QLatin1String("lblR")) || name.startsWith(QLatin1String("lblK"))
                || name.startsWith(QLatin1String("lblM"))))
            l->setFont(captionFont);
    }
    ui->txtRestart->setFont(sized(base, sy(13)));
    ui->txtNote->setFont(sized(base, sy(15)));
    ui->pbtClose->setFont(sized(base, sy(17)));
    ui->pbtClose->setFixedSize(sx(180), sy(52));
    ui->pbtCloseX->setFixedSize(sx(52), sx(52));

    // Pictures are read when the screen is first laid out, not at start-up.
    ui->lblRemote->setPixmap(picture("tips_remote.png", QSize(sx(240), sy(640))));
    ui->lblKeyboard->setPixmap(picture("tips_keyboard.png", QSize(sx(700), sy(262))));
    ui->lblMouse->setPixmap(picture("tips_mouse.png", QSize(sx(130), sy(195))));
    ui->lblOTBIcon->setPixmap(picture("tips_otb.png", QSize(sx(40), sx(40))));
    ui->lblOTB->setFixedSize(sx(300), sy(196));
}
