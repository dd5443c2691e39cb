#include "home/NetworkAddresses.h"

#include <QTest>

using NetworkAddresses::Interface_s;
Q_DECLARE_METATYPE(QList<Interface_s>)

namespace {
Interface_s iface(const char* name, std::initializer_list<const char*> addresses)
{
    Interface_s i;
    i.name = QLatin1String(name);
    for (const char* a : addresses)
        i.addresses.append(QHostAddress(QLatin1String(a)));
    return i;
}
} // namespace

class TstNetworkAddresses : public QObject
{
    Q_OBJECT

private slots:
    void labels_data();
    void labels();
};

void TstNetworkAddresses::labels_data()
{
    QTest::addColumn<QList<Interface_s>>("interfaces");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("eth0 and loopback") << QList<Interface_s> {iface("lo", {"127.0.0.1"}),
        iface("eth0", {"192.168.1.10"})}
                                       << "IP: 192.168.1.10"
                                       << "";
    QTest::newRow("nothing") << QList<Interface_s> {} << "IP: "
                             << "";
    QTest::newRow("only the first address counts")
        << QList<Interface_s> {iface("eth0", {"fe80::1", "192.168.1.10"}), iface("br0", {"10.0.0.2", "10.0.0.3"})}
        << "IP: 10.0.0.2"
        << "";
    QTest::newRow("other interface names") << QList<Interface_s> {iface("docker0", {"172.17.0.1"}),
        iface("veth1", {"10.1.1.1"}), iface("wlan0", {"192.168.5.5"}), iface("enp3s0", {"10.9.9.9"})}
                                           << "IP: 192.168.5.5"
                                           << "";
    QTest::newRow("loopback on a shown name")
        << QList<Interface_s> {iface("bond0", {"127.0.0.2"}), iface("ubr1", {"10.0.0.9"}), iface("qvs0", {"10.0.0.10"})}
        << "IP: 10.0.0.9"
        << "10.0.0.10";
    QTest::newRow("seven: six shown, alternating") << QList<Interface_s> {iface("eth0", {"10.0.0.1"}),
        iface("eth1", {"10.0.0.2"}), iface("eth2", {"10.0.0.3"}), iface("eth3", {"10.0.0.4"}),
        iface("eth4", {"10.0.0.5"}), iface("eth5", {"10.0.0.6"}), iface("eth6", {"10.0.0.7"})}
                                                   << "IP: 10.0.0.1, 10.0.0.3, 10.0.0.5"
                                                   << "10.0.0.2, 10.0.0.4, 10.0.0.6";
    QTest::newRow("no address") << QList<Interface_s> {iface("eth0", {}), iface("eth1", {"10.0.0.8"})} << "IP: 10.0.0.8"
                                << "";
}

void TstNetworkAddresses::labels()
{
    QFETCH(QList<Interface_s>, interfaces);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const auto [one, two] = NetworkAddresses::labels(NetworkAddresses::select(interfaces));
    QCOMPARE(one, first);
    QCOMPARE(two, second);
}

QTEST_MAIN(TstNetworkAddresses)
#include "tst_networkaddresses.moc"
