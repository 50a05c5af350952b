#include "preview/connection.h"
#include "preview/core/routetable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

class TestConnection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultRouteInterfaces_data();
    void defaultRouteInterfaces();
    void internetAnswersAtOnce();
};

namespace {

const QByteArray
    ipv4Header("Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n");

QByteArray ipv4Route(const char *interface, const char *destination, const char *flags, const char *mask)
{
    return QByteArray(interface) + '\t' + destination + "\t010200C0\t" + flags + "\t0\t0\t0\t" + mask +
           "\t0\t0\t0\n";
}

QByteArray ipv6Route(const char *destination, const char *prefix, const char *flags, const char *interface)
{
    return QByteArray(destination) + ' ' + prefix +
           " 00000000000000000000000000000000 00 fd000000000000000000000000000001 00000400 00000002 "
           "00000000 " +
           flags + "     " + interface + '\n';
}

const char *anyIpv6 = "00000000000000000000000000000000";

} // namespace

void TestConnection::defaultRouteInterfaces_data()
{
    QTest::addColumn<QByteArray>("ipv4");
    QTest::addColumn<QByteArray>("ipv6");
    QTest::addColumn<QStringList>("interfaces");

    QTest::newRow("no tables") << QByteArray() << QByteArray() << QStringList();
    QTest::newRow("IPv4 default route with its subnet")
        << ipv4Header + ipv4Route("eth0", "00000000", "0003", "00000000") +
               ipv4Route("eth0", "000200C0", "0001", "00FFFFFF")
        << QByteArray() << QStringList{"eth0"};
    QTest::newRow("only a local subnet")
        << ipv4Header + ipv4Route("eth0", "000200C0", "0001", "00FFFFFF") << QByteArray() << QStringList();
    QTest::newRow("default route that is down")
        << ipv4Header + ipv4Route("eth0", "00000000", "0002", "00000000") << QByteArray() << QStringList();
    QTest::newRow("IPv6 default route; the loopback's reject route left out")
        << ipv4Header
        << ipv6Route(anyIpv6, "00", "00000003", "wlan0") + ipv6Route(anyIpv6, "00", "00200200", "lo")
        << QStringList{"wlan0"};
    QTest::newRow("IPv6 route to a prefix")
        << QByteArray() << ipv6Route("fd000000000000000000000000000000", "40", "00000001", "eth0")
        << QStringList();
    QTest::newRow("two interfaces, each named once")
        << ipv4Header + ipv4Route("eth0", "00000000", "0003", "00000000") +
               ipv4Route("wlan0", "00000000", "0003", "00000000")
        << ipv6Route(anyIpv6, "00", "00000003", "eth0") << QStringList{"eth0", "wlan0"};
}

void TestConnection::defaultRouteInterfaces()
{
    QFETCH(QByteArray, ipv4);
    QFETCH(QByteArray, ipv6);
    QFETCH(QStringList, interfaces);

    QCOMPARE(::defaultRouteInterfaces(ipv4, ipv6), interfaces);
}

void TestConnection::internetAnswersAtOnce()
{
    QElapsedTimer clock;
    clock.start();
    const bool first = internet();
    const bool second = internet();
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));
    QCOMPARE(second, first);
}

QTEST_GUILESS_MAIN(TestConnection)

#include "tst_connection.moc"
