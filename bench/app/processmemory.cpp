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

} // namespace

qint64 processTreePssKilobytes(qint64 rootPid)
{
    qint64 pss = 0;
    for (const QString &pid : processTree(QString::number(rootPid)))
        pss += processPssKilobytes(pid.toLongLong());
    return pss;
}

qint64 processPssKilobytes(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : rollup.readAll().split('\n'))
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    return 0;
}
