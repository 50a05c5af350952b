#include "preview/core/enginesandbox.h"

#include "core/engineflags.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

const char disableVariable[] = "QTWEBENGINE_DISABLE_SANDBOX";
const char flagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
// Opens a debugging port through which anyone on the machine drives the pages and reads what they show.
const char remoteDebuggingVariable[] = "QTWEBENGINE_REMOTE_DEBUGGING";
// Starts the pages' processes from a program of someone's choosing; root may need it for an installation of
// its own, nobody else does.
const char processPathVariable[] = "QTWEBENGINEPROCESS_PATH";

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
    // A debugging port or pipe, through which another program drives the pages.
    "remote-debugging-port",
    "remote-debugging-pipe",
};

// Features whose turning off puts pages of different sites into one process, lower case without dashes or
// underscores.
const char *const isolatingFeatures[] = {"isolateorigins", "siteperprocess"};

// A name as Chromium might be given it, reduced to what identifies it: lower case, without "-" and "_".
QString reducedName(QStringView name)
{
    QString reduced;
    for (const QChar c : name)
        if (c != u'-' && c != u'_')
            reduced += c.toLower();
    return reduced;
}

// Whether a --disable-features value names a feature that isolates sites, in any spelling, with or without a
// field trial or parameters after it.
bool turnsOffIsolation(const QString &features)
{
    const QString reduced = reducedName(features);
    for (const char *feature : isolatingFeatures)
        if (reduced.contains(QLatin1String(feature)))
            return true;
    return false;
}

// Removes a variable the engine would read, naming it among the refused settings.
void refuseVariable(const char *variable, QStringList &refused)
{
    refused.append(QLatin1String(variable) + u'=' + qEnvironmentVariable(variable));
    qunsetenv(variable);
}

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
    const QString value = name.section(u'=', 1);
    name = name.mid(dashes).section(u'=', 0, 0);
    if (name.compare(QLatin1String("disable-features"), Qt::CaseInsensitive) == 0)
        return turnsOffIsolation(value);
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
    } else {
        for (const char *variable : {disableVariable, processPathVariable})
            if (qEnvironmentVariableIsSet(variable))
                refuseVariable(variable, settlement.refused);
    }
    if (qEnvironmentVariableIsSet(remoteDebuggingVariable))
        refuseVariable(remoteDebuggingVariable, settlement.refused);

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
