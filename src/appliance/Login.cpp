#include "appliance/Login.h"

#include "appliance/ConfigFile.h"
#include "appliance/Paths.h"
#include "util/IniParser.h"

namespace Login {

QString userName() { return QString::fromUtf8(QByteArray::fromBase64(qgetenv("NasUser"))); }

QString userPicturePath() { return QString::fromUtf8(QByteArray::fromBase64(qgetenv("NasUserIcon"))); }

std::optional<QByteArray> groupId()
{
    if (!qEnvironmentVariableIsSet("NasGroupID"))
        return std::nullopt;
    return decodeGroupId(qgetenv("NasGroupID"));
}

std::optional<QByteArray> decodeGroupId(const QByteArray& value)
{
    // Strict: a mangled value must not pass for the administrators' group.
    auto decoded = QByteArray::fromBase64Encoding(value.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return std::move(decoded.decoded);
}

namespace {
const QString kRequireLogin = QStringLiteral("UIControl/RequireLogin");
}

void requireAtNextStart() { setAutoLogin(false); }

void requireAtNextStartWhenReadable()
{
    lumo::IniParser login;
    if (login.ParseFile(Paths::LoginConf.localStd()) != 0)
        return;
    login.Set("UIControl", "RequireLogin", "yes");
    login.Save();
}

bool autoLogin()
{
    return ConfigFile::value(Paths::LoginConf.local(), kRequireLogin, QStringLiteral("yes"))
               .compare(QLatin1String("yes"), Qt::CaseInsensitive)
        != 0;
}

void setAutoLogin(bool on)
{
    const std::unique_ptr<QSettings> login = ConfigFile::settings(Paths::LoginConf.local());
    login->setValue(kRequireLogin, on ? QStringLiteral("no") : QStringLiteral("yes"));
    login->sync();
}

} // namespace Login
