#pragma once

#include <QSize>
#include <QString>

class QWidget;
struct ScreenScale;
namespace Ui {
class SettingsDialog;
}

// Sizes of the dialog's frame for a screen: every value is designed for
// 1920 x 1080; horizontal ones (fonts among them) scale with the width,
// vertical ones with the height, truncated.
namespace FrameScaling {

// The title frame and the left column.
void scaleTitle(Ui::SettingsDialog& ui, const ScreenScale& scale);
void scaleLeftColumn(Ui::SettingsDialog& ui, const ScreenScale& scale);

// The dialog's look: background, labels, buttons, the page button it is on.
QString styleSheet();

// Gives every widget under area the font size it was designed with, scaled
// horizontally. The design size is taken from the form the first time.
void scaleFonts(QWidget* area, const ScreenScale& scale);
// Gives the layout of area and every layout under it the margins and
// spacing they were designed with, scaled (taken from the form the first
// time).
void scaleLayouts(QWidget* area, const ScreenScale& scale);
// A widget's fixed design size, scaled.
void scaleFixedSize(QWidget* widget, const QSize& design, const ScreenScale& scale);

} // namespace FrameScaling
