#include "settings/TaskBarPanel.h"

#include "appliance/ConfigFile.h"
#include "appliance/WholeFile.h"

namespace TaskBarPanel {

QString configPath() { return QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/.config/tint2/tint2rc"); }

int panelHeight(int screenHeight) { return screenHeight * 50 > 22679 ? screenHeight * 50 / 1080 : 20; }

int trayIconSize(int screenHeight) { return screenHeight * 44 > 20519 ? screenHeight * 44 / 1080 - 8 : -1; }

QByteArray resized(const QByteArray& config, int screenHeight)
{
    constexpr qsizetype kPiece = 1023;
    QByteArray out;
    out.reserve(config.size() + 64);
    for (qsizetype at = 0; at < config.size();) {
        const qsizetype lineFeed = config.indexOf('\n', at);
        const qsizetype end = std::min(lineFeed < 0 ? config.size() : lineFeed + 1, at + kPiece);
        const QByteArray piece = config.mid(at, end - at);
        at = end;
        const QByteArray ending = piece.endsWith('\n') ? QByteArray("\n") : QByteArray();
        if (piece.contains("panel_size")) {
            out += "panel_size = 100% " + QByteArray::number(panelHeight(screenHeight)) + ending;
        } else if (piece.contains("systray_icon_size") && trayIconSize(screenHeight) >= 0) {
            out += "systray_icon_size = " + QByteArray::number(trayIconSize(screenHeight)) + ending;
        } else {
            out += piece;
        }
    }
    return out;
}

void setHeight(int screenHeight)
{
    const QString path = configPath();
    GuardedFile::State state = GuardedFile::State::Read;
    const QByteArray config = ConfigFile::read(path, &state);
    if (state != GuardedFile::State::Read)
        return;
    const QByteArray sized = resized(config, screenHeight);
    if (sized != config)
        WholeFile::write(path, sized, WholeFile::Links::Followed);
}

} // namespace TaskBarPanel
