#include "app/core/quietterminal.h"

#include "core/engineflags.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The private runtime folder Qt falls back to: /tmp/runtime-<user>, owned by the user, mode 0700.
void prepareRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const passwd *account = getpwuid(geteuid());
    const QString user = account ? QFile::decodeName(account->pw_name) : QString::number(geteuid());
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QStringLiteral("/runtime-") + user);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return;
    struct stat info;
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid() ||
        (info.st_mode & 0777) != 0700)
        return;
    qputenv("XDG_RUNTIME_DIR", path);
}

} // namespace

void quietenTerminal()
{
    prepareRuntimeDirectory();
    QLoggingCategory::setFilterRules(QStringLiteral("js=false\n"
                                                    "js.*=false\n"
                                                    "qt.webenginecontext.info=false\n"
                                                    "default.info=false"));
    // Chromium's own log lines (graphics fallbacks and the like) are for its developers; only fatal ones
    // stay, unless the user asks for a log level of their own.
    addEngineFlag("--log-level=3");
}
