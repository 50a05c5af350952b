#include "processmemory.h"

#include <QDir>
#include <QFile>
#include <QMultiHash>
#include <QStringList>

namespace {

// The process and all its descendants (the web engine's zygote, renderer and utility processes).
QStringList processTree(const QString &root)
{
    QMultiHash<QString, QString> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // The parent's id is the second field after the command name, which ends with the last ')'.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children.insert(QString::fromLatin1(fields[1]), pid);
    }
    QStringList tree{root};
    for (int i = 0; i < tree.size(); ++i)
        tree += children.values(tree[i]);
    return tree;
}

// The sum of the named fields (in kB) of a process's /proc/<pid>/smaps_rollup; 0 when it has gone.
qint64 rollupKilobytes(qint64 pid, const QList<QByteArray> &fields)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    qint64 sum = 0;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && fields.contains(line.left(colon)))
            sum += line.mid(colon + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return sum;
}

qint64 treeKilobytes(qint64 rootPid, qint64 (*measure)(qint64))
{
    qint64 sum = 0;
    for (const QString &pid : processTree(QString::number(rootPid)))
        sum += measure(pid.toLongLong());
    return sum;
}

} // namespace

qint64 processPssKilobytes(qint64 pid)
{
    return rollupKilobytes(pid, {QByteArrayLiteral("Pss")});
}

qint64 processTreePssKilobytes(qint64 rootPid)
{
    return treeKilobytes(rootPid, processPssKilobytes);
}

qint64 processWrittenKilobytes(qint64 pid)
{
    return rollupKilobytes(pid, {QByteArrayLiteral("Pss_Anon"), QByteArrayLiteral("Pss_Shmem")});
}

qint64 processTreeWrittenKilobytes(qint64 rootPid)
{
    return treeKilobytes(rootPid, processWrittenKilobytes);
}
