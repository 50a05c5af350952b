#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>

void writeFile(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

void writePicture(const QString &path)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(QColor(12, 34, 56));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(picture.save(path));
}
