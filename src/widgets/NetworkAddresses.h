#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

// The appliance's addresses as the title bar and the settings dialog show
// them: the first address of every wired, bridged, bonded or wireless
// interface, IPv4 only, no loopback.
namespace NetworkAddresses {

struct Interface_s {
    QString name;
    QList<QHostAddress> addresses; // in the system's order
};

// The interfaces of this machine, in system order.
QList<Interface_s> interfaces();
// The addresses to show, in interface order.
QStringList select(const QList<Interface_s>& interfaces);
// The two title-bar labels: addresses 1, 3 and 5 after "IP: ", addresses 2, 4
// and 6 in the second label, each joined with ", ".
QPair<QString, QString> labels(const QStringList& addresses);

} // namespace NetworkAddresses
