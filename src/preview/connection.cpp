#include "preview/connection.h"

#include "preview/core/routetable.h"

#include <QFile>
#include <QNetworkInformation>
#include <QNetworkInterface>

#include <optional>

namespace {

QByteArray readProcFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The network information backend's answer, or none when no backend loads or it does not know the state.
// Loading is tried once per run; a loaded backend stays and keeps following the connection state.
std::optional<bool> reportedByNetworkInformation()
{
    static const bool loaded =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    if (!loaded || !QNetworkInformation::instance())
        return std::nullopt;
    switch (QNetworkInformation::instance()->reachability()) {
    case QNetworkInformation::Reachability::Online:
    case QNetworkInformation::Reachability::Site:
        return true;
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Disconnected:
        return false;
    case QNetworkInformation::Reachability::Unknown:
        break;
    }
    return std::nullopt;
}

bool interfaceWithDefaultRoute()
{
    const QStringList routed = defaultRouteInterfaces(readProcFile(QStringLiteral("/proc/net/route")),
                                                      readProcFile(QStringLiteral("/proc/net/ipv6_route")));
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const QNetworkInterface::InterfaceFlags flags = interface.flags();
        if ((flags & QNetworkInterface::IsUp) && (flags & QNetworkInterface::IsRunning) &&
            !(flags & QNetworkInterface::IsLoopBack) && routed.contains(interface.name()))
            return true;
    }
    return false;
}

} // namespace

bool internet()
{
    if (const std::optional<bool> reported = reportedByNetworkInformation())
        return *reported;
    return interfaceWithDefaultRoute();
}
