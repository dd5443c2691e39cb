#pragma once

#include <QDebug>

// The package readers' log lines, with the "[unit][function][line]" prefix, built once per log statement.
#define PKG_LOG                                                                                                        \
    qDebug().noquote() << [](const char* function) {                                                                   \
        static const QString prefix                                                                                    \
            = QStringLiteral("[bentoconf][%1][%2]").arg(QLatin1String(function)).arg(__LINE__);                        \
        return prefix;                                                                                                 \
    }(__func__)

// Warnings, with the same prefix.
#define PKG_WARN                                                                                                       \
    qWarning().noquote() << QStringLiteral("[bentoconf][%1][%2]").arg(QLatin1String(__func__)).arg(__LINE__)
