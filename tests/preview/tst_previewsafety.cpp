// Pages in the preview are untrusted: the pupil's document does not navigate the pane by itself while the
// pupil's own clicks still do, no page reads a local file, web pages get nothing local, and a page cannot
// probe which paths exist. Every page reports through requests to the test's own server on 127.0.0.1.
#include "localhttpserver.h"
#include "pagescript.h"
#include "preview/previewpane.h"
#include "widgettestmain.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <memory>
#include <optional>

namespace {

constexpr int loadTimeout = 30000;
const QString secretText = QStringLiteral("the pupil's private notes");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writePicture(const QString &path)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path));
}

} // namespace

class TestPreviewSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void documentCannotNavigateByItself_data();
    void documentCannotNavigateByItself();
    void pupilsClickStillNavigates_data();
    void pupilsClickStillNavigates();
    void localPageCannotReadAnotherLocalFile();
    void webPageGetsNothingLocal();
    void pathsCannotBeProbed();

private:
    QVariant evaluate(const QString &script);
    // The requests the server has had whose path starts with the prefix.
    QStringList requestsFor(const QString &prefix) const;
    bool waitForRequest(const QString &prefix);

    std::unique_ptr<PreviewPane> m_pane;
    std::unique_ptr<LocalHttpServer> m_server;
    QStringList m_requests;
};

void TestPreviewSafety::init()
{
    m_pane = std::make_unique<PreviewPane>();
    m_pane->resize(800, 600);
    m_pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
    m_server = std::make_unique<LocalHttpServer>();
    m_requests.clear();
    connect(m_server.get(), &LocalHttpServer::requested, this,
            [this](const QString &path) { m_requests << path; });
}

void TestPreviewSafety::cleanup()
{
    m_pane.reset();
    m_server.reset();
}

QVariant TestPreviewSafety::evaluate(const QString &script)
{
    return evaluateInPage(m_pane->page(), script, loadTimeout);
}

QStringList TestPreviewSafety::requestsFor(const QString &prefix) const
{
    QStringList found;
    for (const QString &path : m_requests)
        if (path.startsWith(prefix))
            found << path;
    return found;
}

bool TestPreviewSafety::waitForRequest(const QString &prefix)
{
    return QTest::qWaitFor([&] { return !requestsFor(prefix).isEmpty(); }, loadTimeout);
}

void TestPreviewSafety::documentCannotNavigateByItself_data()
{
    QTest::addColumn<QString>("attack");

    QTest::newRow("script sets the location") << "<script>location.href = '%1';</script>";
    QTest::newRow("script replaces the location") << "<script>location.replace('%1');</script>";
    QTest::newRow("meta refresh") << "<meta http-equiv=\"refresh\" content=\"0; url=%1\">";
    QTest::newRow("form submitted by script")
        << "<form id=\"f\" action=\"%1\" method=\"get\"><input name=\"q\" value=\"1\"></form>"
           "<script>document.getElementById('f').submit();</script>";
    QTest::newRow("window.open by itself") << "<script>window.open('%1');</script>";
    QTest::newRow("link with a target clicked by script")
        << "<a id=\"a\" href=\"%1\" "
           "target=\"_blank\">x</a><script>document.getElementById('a').click();</script>";
    QTest::newRow("script sets the location to a local file") << "<script>location.href = '%2';</script>";
}

void TestPreviewSafety::documentCannotNavigateByItself()
{
    QFETCH(QString, attack);
    QTemporaryDir folder;
    const QString secretPath = folder.filePath(QStringLiteral("secret.html"));
    writeFile(secretPath, "<p>" + secretText.toUtf8() + "</p><img src=\"" +
                              m_server->url(QStringLiteral("/attack-local")).toEncoded() + "\">");
    m_pane->setBaseFolder(folder.path());

    QString page = attack;
    page.replace(QStringLiteral("%1"), m_server->url(QStringLiteral("/attack")).toString());
    page.replace(QStringLiteral("%2"), QUrl::fromLocalFile(secretPath).toString());
    // The page reports after a while, long enough for any of the attacks to have gone through.
    const QString html =
        QStringLiteral("<p id=\"marker\">pupil's page</p>"
                       "<script>setTimeout(function () { new Image().src = '%1'; }, 1500);</script>")
            .arg(m_server->url(QStringLiteral("/settled")).toString()) +
        page;
    m_pane->renderHtml(html);

    QVERIFY(waitForRequest(QStringLiteral("/settled")));
    QTest::qWait(300);
    QCOMPARE(requestsFor(QStringLiteral("/attack")), QStringList());
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('marker').textContent")).toString(),
             QStringLiteral("pupil's page"));
}

void TestPreviewSafety::pupilsClickStillNavigates_data()
{
    QTest::addColumn<QString>("control");

    QTest::newRow("link") << "<a id=\"target\" href=\"%1\">next</a>";
    QTest::newRow("link with a target") << "<a id=\"target\" href=\"%1\" target=\"_blank\">next</a>";
    QTest::newRow("button with a script")
        << "<button id=\"target\" onclick=\"location.href = '%1'\">next</button>";
    QTest::newRow("submit button")
        << "<form action=\"%1\" method=\"get\"><input id=\"target\" type=\"submit\"></form>";
}

void TestPreviewSafety::pupilsClickStillNavigates()
{
    QFETCH(QString, control);
    m_server->serve(QStringLiteral("/next.html"), "text/html", "<p>next page</p>");
    const QUrl next = m_server->url(QStringLiteral("/next.html"));
    m_pane->renderHtml(QStringLiteral("<body style=\"margin:0\"><div style=\"padding:20px\">%1</div></body>")
                           .arg(control.arg(next.toString())));
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(QStringLiteral("!!document.getElementById('target')")), QVariant(true),
                              loadTimeout);
    const QVariantList box =
        evaluate(QStringLiteral("(function () { var r = document.getElementById('target')"
                                ".getBoundingClientRect(); return [r.left + r.width / 2,"
                                " r.top + r.height / 2]; })()"))
            .toList();
    QCOMPARE(box.size(), 2);
    const QPoint centre(int(box[0].toDouble()), int(box[1].toDouble()));
    QWidget *input = m_pane->focusProxy();
    QVERIFY(input);

    QTest::mouseClick(input, Qt::LeftButton, {}, centre);

    QVERIFY(waitForRequest(QStringLiteral("/next.html")));
    QTRY_VERIFY_WITH_TIMEOUT(m_pane->locationUrl().startsWith(next.toString()), loadTimeout);
}

void TestPreviewSafety::localPageCannotReadAnotherLocalFile()
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("secret.txt")), secretText.toUtf8());
    writeFile(folder.filePath(QStringLiteral("secret.html")), "<p>" + secretText.toUtf8() + "</p>");
    // The pupil's own local page, shown in a frame of the preview, tries every way to read the secret and
    // hands whatever it got to the preview, which sends every message on to a web address.
    writeFile(folder.filePath(QStringLiteral("page.html")),
              "<p>local page</p><iframe id=\"inner\" src=\"secret.html\"></iframe><script>"
              "function send(what) { parent.postMessage(String(what), '*'); }"
              "fetch('secret.txt').then(r => r.text()).then(send, () => send('fetch-refused'));"
              "try { var x = new XMLHttpRequest(); x.onload = () => send(x.responseText);"
              "  x.onerror = () => send('xhr-refused'); x.open('GET', 'secret.txt'); x.send(); }"
              "catch (e) { send('xhr-refused'); }"
              "window.addEventListener('load', function () {"
              "  try { send(document.getElementById('inner').contentDocument.body.textContent); }"
              "  catch (e) { send('frame-refused'); }"
              "  setTimeout(function () { send('local-done'); }, 500);"
              "});</script>");
    m_pane->setBaseFolder(folder.path());

    m_pane->renderHtml(
        QStringLiteral(
            "<iframe src=\"%1\"></iframe><script>"
            "window.addEventListener('message', function (e) {"
            "  new Image().src = '%2?' + encodeURIComponent(e.data); });"
            "fetch('%3').then(r => r.text()).then(t => { new Image().src = '%2?' + t; }, () => {});"
            "</script>")
            .arg(QUrl::fromLocalFile(folder.filePath(QStringLiteral("page.html"))).toString(),
                 m_server->url(QStringLiteral("/report")).toString(),
                 QUrl::fromLocalFile(folder.filePath(QStringLiteral("secret.txt"))).toString()));

    // The local page ran and reported, and none of its attempts got the secret anywhere.
    QVERIFY(waitForRequest(QStringLiteral("/report?local-done")));
    QTest::qWait(500);
    for (const QString &request : std::as_const(m_requests))
        QVERIFY2(!QUrl::fromPercentEncoding(request.toUtf8()).contains(QStringLiteral("private")),
                 qPrintable(request));
    QVERIFY(!evaluate(QStringLiteral("document.getElementById('got').textContent"))
                 .toString()
                 .contains(QStringLiteral("private")));
}

void TestPreviewSafety::webPageGetsNothingLocal()
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("picture.png"));
    writePicture(picture);
    writeFile(folder.filePath(QStringLiteral("secret.html")), "<p>" + secretText.toUtf8() + "</p>");
    m_pane->setBaseFolder(folder.path());
    const QString pictureUrl = QUrl::fromLocalFile(picture).toString();
    const QString secretUrl = QUrl::fromLocalFile(folder.filePath(QStringLiteral("secret.html"))).toString();
    m_server->serve(
        QStringLiteral("/web.html"), "text/html",
        QStringLiteral("<p id=\"marker\">web page</p>"
                       "<img src=\"%1\" onload=\"new Image().src='/report?picture-shown'\""
                       " onerror=\"new Image().src='/report?picture-refused'\">"
                       "<iframe src=\"%2\"></iframe>"
                       "<script>setTimeout(function () { location.href = '%2'; }, 300);"
                       "setTimeout(function () { window.open('%2'); }, 400);"
                       "setTimeout(function () { new Image().src = '/report?settled'; }, 1500);</script>")
            .arg(pictureUrl, secretUrl)
            .toUtf8());

    m_pane->navigate(m_server->url(QStringLiteral("/web.html")));

    QVERIFY(waitForRequest(QStringLiteral("/report?settled")));
    QCOMPARE(requestsFor(QStringLiteral("/report?picture")), QStringList({"/report?picture-refused"}));
    QCOMPARE(m_pane->locationUrl(), m_server->url(QStringLiteral("/web.html")).toString());
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('marker').textContent")).toString(),
             QStringLiteral("web page"));
}

void TestPreviewSafety::pathsCannotBeProbed()
{
    QTemporaryDir pupils;
    QTemporaryDir elsewhere;
    writePicture(pupils.filePath(QStringLiteral("mine.png")));
    writePicture(elsewhere.filePath(QStringLiteral("other.png")));
    m_pane->setBaseFolder(pupils.path());
    const auto picture = [](const QString &id, const QString &path) {
        return QStringLiteral(
                   "<img id=\"%1\" src=\"%2\" onload=\"this.alt='shown'\" onerror=\"this.alt='failed'\">")
            .arg(id, QUrl::fromLocalFile(path).toString());
    };
    m_pane->renderHtml(picture(QStringLiteral("mine"), pupils.filePath(QStringLiteral("mine.png"))) +
                       picture(QStringLiteral("other"), elsewhere.filePath(QStringLiteral("other.png"))) +
                       picture(QStringLiteral("missing"), elsewhere.filePath(QStringLiteral("missing.png"))) +
                       picture(QStringLiteral("outside"), pupils.filePath(QStringLiteral("../")) +
                                                              QFileInfo(elsewhere.path()).fileName() +
                                                              QStringLiteral("/other.png")));

    const QString states = QStringLiteral("['mine', 'other', 'missing', 'outside'].map(function (id) {"
                                          " return document.getElementById(id).alt; }).join(' ')");
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(states).toString(), QStringLiteral("shown failed failed failed"),
                              loadTimeout);
}

VELMARK_WIDGET_TEST_MAIN(TestPreviewSafety)

#include "tst_previewsafety.moc"
