#include "packages/UiLanguage.h"

#include <QSettings>

namespace UiLanguage {

QString current()
{
    const QString code = QSettings(QStringLiteral("Vendra"), QStringLiteral("IVO"))
                             .value(QStringLiteral("Preference/Language"))
                             .toString()
                             .trimmed();
    return code.isEmpty() ? QStringLiteral("eng") : code;
}

} // namespace UiLanguage
