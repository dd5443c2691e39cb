#include "appliance/Login.h"

#include "appliance/ConfigFile.h"
#include "appliance/Paths.h"
#include "util/IniParser.h"

namespace Login {

QString userName() { return QString::fromUtf8(QByteArray::fromBase64(qgetenv("NasUser"))); }

QString userPicturePath() { return QString::fromUtf8(QByteArray::fromBase64(qgetenv("NasUserIcon"))); }

void requireAtNextStart()
{
    const std::unique_ptr<QSettings> login = ConfigFile::settings(Paths::LoginConf.local());
    login->setValue(QStringLiteral("UIControl/RequireLogin"), QStringLiteral("yes"));
    login->sync();
}

void requireAtNextStartWhenReadable()
{
    lumo::IniParser login;
    if (login.ParseFile(Paths::LoginConf.localStd()) != 0)
        return;
    login.Set("UIControl", "RequireLogin", "yes");
    login.Save();
}

} // namespace Login
