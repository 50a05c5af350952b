#include "preview/core/routetable.h"

namespace {

// Route flags of the kernel's routing tables.
constexpr uint routeUp = 0x0001;
constexpr uint routeReject = 0x0200;

bool usable(const QByteArray &flagsHex)
{
    bool ok = false;
    const uint flags = flagsHex.toUInt(&ok, 16);
    return ok && (flags & routeUp) && !(flags & routeReject);
}

bool allZero(const QByteArray &hex)
{
    return !hex.isEmpty() && hex.count('0') == hex.size();
}

void addOnce(QStringList &names, const QByteArray &name)
{
    const QString interfaceName = QString::fromLocal8Bit(name);
    if (!names.contains(interfaceName))
        names.append(interfaceName);
}

} // namespace

QStringList defaultRouteInterfaces(const QByteArray &ipv4Routes, const QByteArray &ipv6Routes)
{
    QStringList names;
    // Iface Destination Gateway Flags RefCnt Use Metric Mask ...; the first line names the columns.
    for (const QByteArray &line : ipv4Routes.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 8 && allZero(fields[1]) && allZero(fields[7]) && usable(fields[3]))
            addOnce(names, fields[0]);
    }
    // Destination PrefixLength Source SourcePrefixLength NextHop Metric RefCnt Use Flags Device.
    for (const QByteArray &line : ipv6Routes.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 10 && fields[0].size() == 32 && allZero(fields[0]) && allZero(fields[1]) &&
            usable(fields[8]))
            addOnce(names, fields[9]);
    }
    return names;
}
