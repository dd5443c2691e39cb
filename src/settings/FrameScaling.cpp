#include "settings/FrameScaling.h"

#include "ui_SettingsDialog.h"

#include "home/ScreenScale.h"

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
    ui.grMain->setMinimumWidth(scale.x(408));
    ui.grMain->setMaximumWidth(scale.x(408));
    for (QRadioButton* b : {ui.rbtApp, ui.rbtGeneral, ui.rbtDisp, ui.rbtPref, ui.rbtAbout}) {
        scaleFont(b, 42, scale);
        b->setMinimumHeight(scale.y(136));
    }
    ui.grMain->setStyleSheet(QStringLiteral("#grMain{border:none;} QRadioButton{color: rgb(0, 175, 251); "
                                            "spacing: %1px;} QRadioButton::indicator{width: 0px; height: 0px;} "
                                            "QRadioButton:focus{outline:none;}")
                                 .arg(scale.x(40)));
    QMargins m = ui.vlMain->contentsMargins();
    m.setLeft(scale.x(20));
    m.setBottom(scale.y(20));
    ui.vlMain->setContentsMargins(m);
    scaleFont(ui.labIpAddress, 18, scale);
}

void scaleFonts(QWidget* area, const ScreenScale& scale)
{
    for (QWidget* w : area->findChildren<QWidget*>())
        scaleFont(w, designPoints(w), scale);
}

void scaleFixedSize(QWidget* widget, const QSize& design, const ScreenScale& scale)
{
    widget->setFixedSize(scale.x(design.width()), scale.y(design.height()));
}

} // namespace FrameScaling
