#pragma once

#include <QByteArray>
#include <QStringList>

// The names of the network interfaces that carry a usable default route, read from the kernel's routing
// tables in the text form of /proc/net/route (IPv4) and /proc/net/ipv6_route (IPv6). A default route is one
// to destination 0.0.0.0/0 or ::/0 that is up and not a reject route; lines that do not parse are skipped.
// Each name is listed once, in the order first found.
QStringList defaultRouteInterfaces(const QByteArray &ipv4Routes, const QByteArray &ipv6Routes);
