#include "enginesandbox.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace {

const char disableVariable[] = "QTWEBENGINE_DISABLE_SANDBOX";
const char flagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

bool turnsSandboxOff(const QByteArray &flag)
{
    const QByteArray name = flag.split('=').first();
    return name == "--no-sandbox" || name == "--disable-seccomp-filter-sandbox" ||
           name == "--disable-namespace-sandbox" || name == "--disable-setuid-sandbox";
}

} // namespace

bool prepareEngineSandbox(bool runningAsRoot)
{
    if (runningAsRoot) {
        if (!qEnvironmentVariableIsEmpty(disableVariable))
            return false;
        qputenv(disableVariable, QByteArray("1"));
        return true;
    }
    qunsetenv(disableVariable);
    if (qEnvironmentVariableIsSet(flagsVariable)) {
        QList<QByteArray> kept;
        for (const QByteArray &flag : qgetenv(flagsVariable).simplified().split(' '))
            if (!flag.isEmpty() && !turnsSandboxOff(flag))
                kept.append(flag);
        qputenv(flagsVariable, kept.join(' '));
    }
    return false;
}
