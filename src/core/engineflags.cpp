#include "core/engineflags.h"

#include <QtGlobal>

namespace {

const char flagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

QString nameOf(const QString &flag)
{
    return flag.section(u'=', 0, 0);
}

} // namespace

void addEngineFlag(const QByteArray &flag)
{
    const QString added = QString::fromLocal8Bit(flag);
    QStringList flags = splitEngineFlags(qEnvironmentVariable(flagsVariable));
    for (const QString &present : flags)
        if (nameOf(present) == nameOf(added))
            return;
    flags.append(added);
    qputenv(flagsVariable, joinEngineFlags(flags).toLocal8Bit());
}

QStringList splitEngineFlags(const QString &flags)
{
    QStringList result;
    QString flag;
    bool inFlag = false;
    bool quoted = false;
    for (const QChar c : flags) {
        if (c == u'"') {
            quoted = !quoted;
            inFlag = true;
        } else if (c == u' ' && !quoted) {
            if (inFlag)
                result.append(flag);
            flag.clear();
            inFlag = false;
        } else {
            flag += c;
            inFlag = true;
        }
    }
    if (inFlag)
        result.append(flag);
    return result;
}

QString joinEngineFlags(const QStringList &flags)
{
    QStringList written;
    for (const QString &flag : flags)
        written.append(flag.contains(u' ') ? u'"' + flag + u'"' : flag);
    return written.join(u' ');
}
