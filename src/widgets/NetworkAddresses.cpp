#include "widgets/NetworkAddresses.h"

#include <QNetworkInterface>

namespace NetworkAddresses {

QList<Interface_s> interfaces()
{
    QList<Interface_s> out;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& iface : all) {
        Interface_s i;
        i.name = iface.name();
        for (const QNetworkAddressEntry& e : iface.addressEntries())
            i.addresses.append(e.ip());
        out.append(i);
    }
    return out;
}

QStringList select(const QList<Interface_s>& interfaces)
{
    static const char* const prefixes[] = {"eth", "br", "bond", "ubr", "wlan", "qvs"};
    QStringList out;
    for (const Interface_s& i : interfaces) {
        bool shown = false;
        for (const char* p : prefixes)
            shown = shown || i.name.startsWith(QLatin1String(p));
        if (!shown || i.addresses.isEmpty())
            continue;
        const QHostAddress& first = i.addresses.first();
        if (first.protocol() == QAbstractSocket::IPv6Protocol || first.isLoopback())
            continue;
        out.append(first.toString());
    }
    return out;
}

QPair<QString, QString> labels(const QStringList& addresses)
{
    QStringList odd, even;
    for (int i = 0; i < addresses.size() && i < 6; ++i)
        (i % 2 == 0 ? odd : even).append(addresses[i]);
    return {QStringLiteral("IP: ") + odd.join(QStringLiteral(", ")), even.join(QStringLiteral(", "))};
}

} // namespace NetworkAddresses
