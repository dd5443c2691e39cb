#pragma once

#include <QDebug>
#include <QString>

// The settings' diagnostic lines: "[settingsdialog][<function>][<line>] ...",
// the same prefix for the frame and every page.
inline QString settingsLogPrefix(const char* function, int line)
{
    return QStringLiteral("[settingsdialog][%1][%2]").arg(QLatin1String(function)).arg(line);
}

// "[function][line]", the prefix of the size lines.
QString funcLine(const char* function, int line);
// The primary screen's physical size, geometry and available geometry.
void logScreen(const char* function, int line);

#define SETTINGS_LOG qDebug().noquote() << settingsLogPrefix(Q_FUNC_INFO, __LINE__)
