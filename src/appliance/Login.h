#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The login at the television: the user it hands over in the environment
// (Base64-encoded), and the login configuration through which the next start
// asks for a login again.
namespace Login {

// "NasUser" decoded; empty when unset.
QString userName();
// "NasUserIcon" decoded: the path of the user's picture, empty when unset.
QString userPicturePath();
// "NasGroupID" decoded strictly from Base64 (the administrators' group is
// "0"); blanks and line ends around the Base64 text are not part of it, as a
// login script may leave them. Nothing when unset or not Base64.
std::optional<QByteArray> groupId();
// The same for a given value of the variable.
std::optional<QByteArray> decodeGroupId(const QByteArray& value);

// "UIControl/RequireLogin" = "yes" in the login configuration, two ways:
// start-up without a user writes it in any case, creating the file;
void requireAtNextStart();
// logging out writes it only into a file the lenient INI reader reads.
void requireAtNextStartWhenReadable();

// The appliance logs in by itself: "UIControl/RequireLogin" is anything but
// "yes" ignoring case ("yes" when absent).
bool autoLogin();
// Writes "no" (log in by itself) or "yes" and writes the file out.
void setAutoLogin(bool on);

} // namespace Login
