#pragma once

#include <QString>
#include <QStringList>

// The mobile remote-control service (Padlink): a boot link that starts its
// daemon with the desktop, and the running daemon. Switching it takes root:
// the built-in "admin" account does each step itself, any other
// administrator through sudo; other users cannot switch it. Every failure is
// logged as a warning and leaves the service as it was as far as it can.
class PadlinkService
{
public:
    // administrator: the settings dialog's administrator check.
    explicit PadlinkService(bool administrator);

    // The service is on exactly when the boot link is a symbolic link.
    static bool isEnabled();

    // Both return what the check box is to show afterwards: the real state of
    // the service, or the state it kept after a failure.
    bool enable();
    bool disable();

    bool isAdminAccount() const { return m_adminAccount; }

private:
    bool refuse_() const;
    bool runAsRoot_(const QString& program, const QStringList& args) const;
    bool removeLink_(const QString& path) const;
    bool createLink_(const QString& target, const QString& link) const;
    bool startDaemon_() const;

    bool m_administrator;
    bool m_adminAccount;
};
