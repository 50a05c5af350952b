// Which local files the preview's documents and local pages may show, and under which addresses the local
// pages are served and shown to the pupil.
#include "preview/core/previewsites.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

class TestPreviewSites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void filesALocalPageShows_data();
    void filesALocalPageShows();
    void addressesOfLocalPages();
    void documentsShowThePupilsFolder();

private:
    QString canonical(const QString &relative) const
    {
        return QFileInfo(m_root.filePath(relative)).canonicalFilePath();
    }

    QTemporaryDir m_root;
};

void TestPreviewSites::initTestCase()
{
    // site/ holds a page, a chapter below it with a page of its own, hidden files and a link out of the site.
    for (const char *path : {"site/index.html", "site/photo.png", "site/chapter/two.html",
                             "site/chapter/pic.png", "site/.hidden.png", "site/.cache/cached.png",
                             "outside.png", ".secret/page.html", ".secret/pic.png"})
        writeFile(m_root.filePath(QString::fromLatin1(path)));
    QVERIFY(QFile::link(m_root.filePath(QStringLiteral("outside.png")),
                        m_root.filePath(QStringLiteral("site/out.png"))));
}

void TestPreviewSites::filesALocalPageShows_data()
{
    QTest::addColumn<QString>("page"); // below the temporary folder
    QTest::addColumn<QString>(
        "folder"); // the folder it may show, below the temporary folder; "typed": its own
    QTest::addColumn<QString>("relative"); // an address in the page
    QTest::addColumn<QString>("shown");    // the file it names, below the temporary folder; empty: none

    const QString two = QStringLiteral("site/chapter/two.html");
    QTest::newRow("typed: a file beside it") << two << "typed"
                                             << "pic.png"
                                             << "site/chapter/pic.png";
    QTest::newRow("typed: no way up out of its own folder") << two << "typed"
                                                            << "../photo.png"
                                                            << "";
    QTest::newRow("led to from the site: a file beside it") << two << "site"
                                                            << "pic.png"
                                                            << "site/chapter/pic.png";
    QTest::newRow("led to from the site: up within the site") << two << "site"
                                                              << "../photo.png"
                                                              << "site/photo.png";
    QTest::newRow("led to from the site: the site's page") << two << "site"
                                                           << "../index.html"
                                                           << "site/index.html";
    QTest::newRow("led to from the site: no way out of the site") << two << "site"
                                                                  << "../../outside.png"
                                                                  << "";
    QTest::newRow("encoded dots") << two << "site"
                                  << "%2e%2e/%2e%2e/outside.png"
                                  << "";
    QTest::newRow("a link out of the site") << two << "site"
                                            << "../out.png"
                                            << "";
    QTest::newRow("a hidden file") << two << "site"
                                   << "../.hidden.png"
                                   << "";
    QTest::newRow("a file in a hidden folder") << two << "site"
                                               << "../.cache/cached.png"
                                               << "";
    QTest::newRow("a missing file") << two << "site"
                                    << "missing.png"
                                    << "";
    QTest::newRow("typed from a hidden folder") << ".secret/page.html"
                                                << "typed"
                                                << "pic.png"
                                                << "";
    QTest::newRow("led to from a folder it is not in") << ".secret/page.html"
                                                       << "site"
                                                       << "pic.png"
                                                       << "";
}

void TestPreviewSites::filesALocalPageShows()
{
    QFETCH(QString, page);
    QFETCH(QString, folder);
    QFETCH(QString, relative);
    QFETCH(QString, shown);
    PreviewSites sites;
    const QUrl address = folder == QLatin1String("typed")
                             ? sites.typedPageAddress(canonical(page))
                             : sites.localPageAddress(canonical(page), canonical(folder));

    QCOMPARE(sites.localPageFile(address), canonical(page));
    QCOMPARE(sites.fileOf(address.resolved(QUrl(relative))), shown.isEmpty() ? QString() : canonical(shown));
}

void TestPreviewSites::addressesOfLocalPages()
{
    PreviewSites sites;
    const QString index = canonical(QStringLiteral("site/index.html"));
    const QUrl typed = sites.typedPageAddress(index);

    // Each page has a host of its own, kept for the same page of the same folder; the page's own address
    // serves it, relative ones name files.
    QCOMPARE(typed.scheme(), QStringLiteral("velmark-preview"));
    QCOMPARE(sites.typedPageAddress(index), typed);
    const QUrl two = sites.localPageAddress(canonical(QStringLiteral("site/chapter/two.html")),
                                            canonical(QStringLiteral("site")));
    QVERIFY(two.host() != typed.host());
    QVERIFY(sites.servesPage(typed));
    QVERIFY(!sites.servesPage(typed.resolved(QUrl(QStringLiteral("photo.png")))));
    QVERIFY(!sites.servesPage(QUrl(QStringLiteral("velmark-preview://page99/index.html"))));
    QCOMPARE(sites.fileOf(QUrl(QStringLiteral("velmark-preview://page99/photo.png"))), QString());

    // The pupil sees the file's own address, its query and fragment kept; other addresses stay as they are.
    QUrl withFragment = two;
    withFragment.setQuery(QStringLiteral("a=1"));
    withFragment.setFragment(QStringLiteral("part"));
    QUrl expected = QUrl::fromLocalFile(canonical(QStringLiteral("site/chapter/two.html")));
    expected.setQuery(QStringLiteral("a=1"));
    expected.setFragment(QStringLiteral("part"));
    QCOMPARE(sites.shownAddress(withFragment), expected);
    QCOMPARE(
        sites.shownAddress(two.resolved(QUrl(QStringLiteral("missing.html")))),
        QUrl::fromLocalFile(canonical(QStringLiteral("site")) + QStringLiteral("/chapter/missing.html")));
    const QUrl document(QStringLiteral("velmark-preview://document4/"));
    QCOMPARE(sites.shownAddress(document), document);
    QCOMPARE(sites.shownAddress(QUrl(QStringLiteral("http://127.0.0.1/a.html"))),
             QUrl(QStringLiteral("http://127.0.0.1/a.html")));
}

void TestPreviewSites::documentsShowThePupilsFolder()
{
    PreviewSites sites;
    const QUrl picture(QStringLiteral("velmark-preview://document4/photo.png"));
    QCOMPARE(sites.fileOf(picture), QString());
    QVERIFY(sites.servesPage(QUrl(QStringLiteral("velmark-preview://document4/"))));

    sites.setPupilsFolder(m_root.filePath(QStringLiteral("site")));

    QCOMPARE(sites.fileOf(picture), canonical(QStringLiteral("site/photo.png")));
    QVERIFY(sites.mayShow(picture, m_root.filePath(QStringLiteral("site/chapter/pic.png"))));
    QVERIFY(!sites.mayShow(picture, m_root.filePath(QStringLiteral("outside.png"))));
}

QTEST_GUILESS_MAIN(TestPreviewSites)

#include "tst_previewsites.moc"
