// The memory the preview keeps of the pupil's files: a file is read from disk once while it stays as it is,
// read anew as soon as it changes, and the budget holds.
#include "preview/previewfilecache.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <utime.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Sets the file's modification time back to what it was, so only the contents and the change time differ.
void setModified(const QString &path, const struct stat &before)
{
    struct utimbuf times;
    times.actime = before.st_atime;
    times.modtime = before.st_mtime;
    QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
}

} // namespace

class TestPreviewFileCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileIsReadOnceWhileUnchanged()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("picture.png"));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path));
        QFile source(path);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();

        PreviewFileCache cache;
        for (int i = 0; i < 3; ++i) {
            const std::optional<PreviewFileCache::File> file = cache.read(path);
            QVERIFY(file);
            QCOMPARE(file->bytes, bytes);
            QCOMPARE(file->mimeType, QByteArray("image/png"));
        }
        QCOMPARE(cache.diskReads(), 1);
    }

    void changedFileIsReadAnew_data()
    {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("keepModificationTime");

        QTest::newRow("longer") << QByteArray("body { color: blue; }") << false;
        QTest::newRow("same length, same second") << QByteArray("p { color: blu }") << true;
    }

    // A pupil who saves a picture or a style sheet again sees the new one at the next refresh, even when the
    // file keeps its length and its time to the second.
    void changedFileIsReadAnew()
    {
        QFETCH(QByteArray, after);
        QFETCH(bool, keepModificationTime);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("style.css"));
        writeFile(path, "p { color: red }");
        struct stat before;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);

        PreviewFileCache cache;
        QCOMPARE(cache.read(path)->bytes, QByteArray("p { color: red }"));
        QTest::qWait(20);
        writeFile(path, after);
        if (keepModificationTime)
            setModified(path, before);
        QCOMPARE(cache.read(path)->bytes, after);
        QCOMPARE(cache.read(path)->bytes, after);
        QCOMPARE(cache.diskReads(), 2);
    }

    void missingOrLargeFilesAreNotKept()
    {
        QTemporaryDir folder;
        const QString large = folder.filePath(QStringLiteral("film.webm"));
        writeFile(large, QByteArray(2048, 'x'));

        PreviewFileCache cache(4096, 1024);
        QVERIFY(!cache.read(folder.filePath(QStringLiteral("missing.png"))));
        QVERIFY(!cache.read(folder.path()));
        QVERIFY(!cache.read(large));
        QCOMPARE(cache.diskReads(), 0);
    }

    // With room for two files, the one used least recently makes room for a third.
    void budgetDropsTheLeastRecentlyUsedFile()
    {
        QTemporaryDir folder;
        const QString a = folder.filePath(QStringLiteral("a.css"));
        const QString b = folder.filePath(QStringLiteral("b.css"));
        const QString c = folder.filePath(QStringLiteral("c.css"));
        for (const QString &path : {a, b, c})
            writeFile(path, QByteArray(40, 'x'));

        PreviewFileCache cache(100, 100);
        cache.read(a);
        cache.read(b);
        cache.read(a);
        cache.read(c); // b goes
        QCOMPARE(cache.diskReads(), 3);
        cache.read(a);
        cache.read(c);
        QCOMPARE(cache.diskReads(), 3);
        cache.read(b);
        QCOMPARE(cache.diskReads(), 4);
    }
};

QTEST_GUILESS_MAIN(TestPreviewFileCache)
#include "tst_previewfilecache.moc"
