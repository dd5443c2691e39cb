#pragma once

#include <QByteArray>
#include <QString>

// The task bar's size on the screen: the tint2 panel configuration in the
// user's home, "~/.config/tint2/tint2rc", sized for the screen height so the
// bar and its tray icons keep their proportion from 720 lines to 4K.
namespace TaskBarPanel {

QString configPath();

// The panel height for a screen height: 50 design lines of 1080, never under 20.
int panelHeight(int screenHeight);
// The tray icon size, or -1 when a screen this low keeps the configured one.
int trayIconSize(int screenHeight);

// The configuration with its "panel_size" and "systray_icon_size" lines
// rewritten; every other byte stays. Lines are taken in pieces of at most
// 1023 bytes.
QByteArray resized(const QByteArray& config, int screenHeight);

// Rewrites the user's file; a file that cannot be read is left alone.
void setHeight(int screenHeight);

} // namespace TaskBarPanel
