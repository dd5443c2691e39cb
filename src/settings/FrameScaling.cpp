#include "settings/FrameScaling.h"

#include "ui_SettingsDialog.h"

#include "widgets/ScreenScale.h"

namespace FrameScaling {

namespace {

// The design point size, remembered on the widget the first time.
int designPoints(QWidget* w)
{
    static const char* const kKey = "designPointSize";
    QVariant v = w->property(kKey);
    if (!v.isValid()) {
        v = w->font().pointSize();
        w->setProperty(kKey, v);
    }
    return v.toInt();
}

// A layout's design margins and spacing, remembered on it the first time.
QVariantList designSpacing(QLayout* l)
{
    static const char* const kKey = "designSpacing";
    QVariant v = l->property(kKey);
    if (!v.isValid()) {
        const QMargins m = l->contentsMargins();
        v = QVariantList {m.left(), m.top(), m.right(), m.bottom(), l->spacing()};
        l->setProperty(kKey, v);
    }
    return v.toList();
}

void scaleFont(QWidget* w, int designPoints, const ScreenScale& scale)
{
    w->setFont(pointSized(w->font(), scale.x(designPoints)));
}

} // namespace

void scaleTitle(Ui::SettingsDialog& ui, const ScreenScale& scale)
{
    ui.frmTitle->setFixedHeight(scale.y(170));
    QMargins m = ui.hlTitle->contentsMargins();
    m.setBottom(scale.y(50));
    m.setLeft(scale.x(40));
    m.setRight(scale.x(40));
    m.setTop(scale.y(20));
    ui.hlTitle->setContentsMargins(m);
    scaleFont(ui.labSettings, 38, scale);
    ui.pbtClose->setFixedSize(scale.x(96), scale.y(40));
    ui.pbtClose->setIconSize(ui.pbtClose->size());
    ui.hsTitle->changeSize(scale.x(20), 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    ui.hlTitle->invalidate();
}

void scaleLeftColumn(Ui::SettingsDialog& ui, const ScreenScale& scale)
{
    ui.grMain->setMinimumWidth(scale.x(440));
    ui.grMain->setMaximumWidth(scale.x(440));
    for (QRadioButton* b : {ui.rbtApp, ui.rbtGeneral, ui.rbtDisp, ui.rbtPref, ui.rbtAbout}) {
        scaleFont(b, 42, scale);
        b->setMinimumHeight(scale.y(136));
    }
    // The page buttons draw no indicator at all (a bare zero-sized one still leaves the style's dot) and give its
    // room to the text: the longest page names need the whole column.
    ui.grMain->setStyleSheet(QStringLiteral("#grMain{border:none;} QRadioButton{color: rgb(0, 175, 251); spacing: 0px; "
                                            "padding-left: %1px;} QRadioButton::indicator{width: 0px; height: 0px; "
                                            "border: none; background: transparent; image: none;} "
                                            "QRadioButton:focus{outline:none;}")
                                 .arg(scale.x(24)));
    QMargins m = ui.vlMain->contentsMargins();
    m.setLeft(scale.x(20));
    m.setBottom(scale.y(20));
    ui.vlMain->setContentsMargins(m);
    scaleFont(ui.labIpAddress, 18, scale);
}

QString styleSheet()
{
    // A focused box is lit as a focused row is: a change of its text colour alone is not seen across the room. The
    // backdrop darkens from the bottom up: a gradient of one colour per row fills the screen as fast as a plain
    // colour, one running corner to corner costs a colour per pixel (most of what an open painted beyond a bare
    // dialog).
    return QStringLiteral(
        "#SettingsDialog{background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #0a1424, stop:1 #15263f);} "
        "QLabel{color: rgb(222, 228, 236);} "
        "#labSettings{color: white;} "
        "#grMain QRadioButton{border-radius: 14px;} "
        "#grMain QRadioButton:checked{background-color: rgba(0, 175, 251, 36);} "
        "#grMain QRadioButton:checked:focus{background-color: rgba(0, 175, 251, 96);} "
        "QPushButton{color: white; border-image: url(:/images/icon_normal.png);} "
        "QPushButton:focus{border-image: url(:/images/icon_pressed.png);} "
        "QPushButton:disabled{color: rgb(85, 84, 84); border-image: url(:/images/icon_disabled.png);} "
        "#pbtClose{border: none; border-image: none; image: url(:/images/close.png);} "
        "#pbtClose:hover{background-color: rgba(255, 255, 255, 30);} "
        "QCheckBox{color: white;} "
        "QCheckBox:focus{color: rgb(70, 217, 254); background-color: rgba(0, 216, 255, 40); border-radius: 10px;} "
        "QCheckBox:disabled{color: rgb(85, 84, 84);} "
        "#pgDisplay QFrame:focus, #pgPref QFrame:focus{background-color: rgba(0, 216, 255, 40); border-radius: 10px;} "
        "#txtAppName{color: white;} "
        "#txtDesc{color: rgb(190, 198, 210);} ");
}

void scaleFonts(QWidget* area, const ScreenScale& scale)
{
    for (QWidget* w : area->findChildren<QWidget*>())
        scaleFont(w, designPoints(w), scale);
}

void scaleLayouts(QWidget* area, const ScreenScale& scale)
{
    QList<QLayout*> layouts = area->findChildren<QLayout*>();
    if (area->layout() && !layouts.contains(area->layout()))
        layouts.prepend(area->layout());
    for (QLayout* l : layouts) {
        const QVariantList d = designSpacing(l);
        l->setContentsMargins(
            scale.x(d[0].toInt()), scale.y(d[1].toInt()), scale.x(d[2].toInt()), scale.y(d[3].toInt()));
        const auto* box = qobject_cast<QBoxLayout*>(l);
        const bool across
            = box && (box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft);
        if (d[4].toInt() > 0)
            l->setSpacing(across ? scale.x(d[4].toInt()) : scale.y(d[4].toInt()));
    }
}

void scaleFixedSize(QWidget* widget, const QSize& design, const ScreenScale& scale)
{
    widget->setFixedSize(scale.x(design.width()), scale.y(design.height()));
}

} // namespace FrameScaling
