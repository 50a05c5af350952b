#include "preview/engineflags.h"

#include <QList>
#include <QtGlobal>

namespace {

QByteArray nameOf(const QByteArray &flag)
{
    return flag.split('=').first();
}

} // namespace

void addEngineFlag(const QByteArray &flag)
{
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const QByteArray &present : flags.simplified().split(' '))
        if (nameOf(present) == nameOf(flag))
            return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + ' ' + flag).trimmed());
}
