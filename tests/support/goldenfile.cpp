#include "goldenfile.h"

#include <QFile>
#include <QtGlobal>

QString readUtf8File(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("cannot read %s", qPrintable(path));
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

QStringList readUtf8Lines(const QString &path)
{
    QString text = readUtf8File(path);
    if (text.isNull())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}
