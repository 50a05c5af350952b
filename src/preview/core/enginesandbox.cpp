#include "preview/core/enginesandbox.h"

#include "core/engineflags.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

const char disableVariable[] = "QTWEBENGINE_DISABLE_SANDBOX";
const char flagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

// Lower case, without dashes.
const char *const weakeningFlags[] = {
    // The process sandbox and its layers.
    "no-sandbox",
    "disable-seccomp-filter-sandbox",
    "disable-seccomp-sandbox",
    "disable-setuid-sandbox",
    "disable-namespace-sandbox",
    "disable-gpu-sandbox",
    "allow-sandbox-debugging",
    // Pages or their drawing run inside the program's own, unsandboxed process.
    "single-process",
    "in-process-gpu",
    "no-zygote",
    // Sandboxed processes started through a command of someone's choosing.
    "renderer-cmd-prefix",
    "utility-cmd-prefix",
    "zygote-cmd-prefix",
    "gpu-launcher",
    "ppapi-plugin-launcher",
    "browser-subprocess-path",
    // The rules that keep a page within its origin and away from local files.
    "disable-web-security",
    "allow-file-access-from-files",
    "disable-site-isolation-trials",
};

// The program's own arguments from here on are the web engine's.
bool isEngineArgumentsMark(const QString &argument)
{
    return argument.compare(QLatin1String("--webEngineArgs"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool weakensEngineSandbox(const QString &flag)
{
    QString name = flag.trimmed();
    qsizetype dashes = 0;
    while (dashes < name.size() && name.at(dashes) == u'-')
        ++dashes;
    if (dashes == 0)
        return false;
    name = name.mid(dashes).section(u'=', 0, 0);
    for (const char *weakening : weakeningFlags)
        if (name.compare(QLatin1String(weakening), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

EngineSandboxSettlement prepareEngineSandbox(bool runningAsRoot, int &argc, char **argv)
{
    EngineSandboxSettlement settlement;
    if (runningAsRoot) {
        if (qEnvironmentVariableIsEmpty(disableVariable)) {
            qputenv(disableVariable, QByteArray("1"));
            settlement.turnedOffAsRoot = true;
        }
    } else if (qEnvironmentVariableIsSet(disableVariable)) {
        settlement.refused.append(QLatin1String(disableVariable) + u'=' +
                                  qEnvironmentVariable(disableVariable));
        qunsetenv(disableVariable);
    }

    if (qEnvironmentVariableIsSet(flagsVariable)) {
        QStringList kept;
        for (const QString &flag : splitEngineFlags(qEnvironmentVariable(flagsVariable))) {
            if (weakensEngineSandbox(flag))
                settlement.refused.append(flag);
            else if (!flag.isEmpty())
                kept.append(flag);
        }
        qputenv(flagsVariable, joinEngineFlags(kept).toLocal8Bit());
    }

    int written = 0;
    bool engineArguments = false;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (i > 0 && engineArguments && weakensEngineSandbox(argument)) {
            settlement.refused.append(argument);
            continue;
        }
        engineArguments = engineArguments || (i > 0 && isEngineArgumentsMark(argument));
        argv[written++] = argv[i];
    }
    for (int i = written; i < argc; ++i)
        argv[i] = nullptr;
    argc = written;
    return settlement;
}

QString engineSandboxNotice(const EngineSandboxSettlement &settlement)
{
    QString notice;
    if (settlement.turnedOffAsRoot)
        notice += QStringLiteral("velmark: running as root, so the web view's sandbox is turned off.\n");
    if (!settlement.refused.isEmpty()) {
        const QString list = settlement.refused.join(QLatin1String(", "));
        notice += QStringLiteral("velmark: αγνοήθηκαν ρυθμίσεις που θα αποδυνάμωναν την απομόνωση "
                                 "(sandbox) της προβολής: %1\n")
                      .arg(list);
        notice += QStringLiteral("velmark: ignored settings that would weaken the web view's sandbox: %1\n")
                      .arg(list);
    }
    return notice;
}
