#include "settings/SettingsLog.h"

#include <QGuiApplication>
#include <QScreen>

QString funcLine(const char* function, int line)
{
    return QStringLiteral("[%1][%2]").arg(QLatin1String(function)).arg(line);
}

void logScreen(const char* function, int line)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QString at = funcLine(function, line);
    qDebug().noquote() << at
            + QStringLiteral("screen physicalSize: %1 x %2")
                  .arg(screen->physicalSize().width())
                  .arg(screen->physicalSize().height());
    qDebug().noquote() << at
            + QStringLiteral("screen geometry: %1 x %2")
                  .arg(screen->geometry().width())
                  .arg(screen->geometry().height());
    qDebug().noquote() << at
            + QStringLiteral("screen availableGeometry: %1 x %2")
                  .arg(screen->availableGeometry().width())
                  .arg(screen->availableGeometry().height());
}
