// Pages in the preview are untrusted: the pupil's document does not navigate the pane by itself while the
// pupil's own clicks still do, no page reads a local file, web pages get nothing local, and a page cannot
// probe which paths exist. Every page reports through requests to the test's own server on 127.0.0.1.
#include "pagescript.h"
#include "previewfixture.h"
#include "testfiles.h"
#include "widgettestmain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int loadTimeout = 30000;
const QString secretText = QStringLiteral("the pupil's private notes");

// Follows a page's attempts to leave for one address (its query aside) and tells when the engine has answered
// them: a navigation there has come to an end (refused, failed or loaded) or a "new window" for it has been
// asked for and handled by the pane, whose own handler runs first.
class AttemptWatch : public QObject
{
public:
    AttemptWatch(QWebEnginePage *page, const QUrl &target) : m_target(target.adjusted(QUrl::RemoveQuery))
    {
        connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
            if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus && isTarget(info.url()))
                m_navigationEnded = true;
        });
        connect(page, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest &request) {
            if (isTarget(request.requestedUrl()))
                m_newWindowAnswered = true;
        });
    }

    bool answered() const { return m_navigationEnded || m_newWindowAnswered; }

private:
    bool isTarget(const QUrl &url) const { return url.adjusted(QUrl::RemoveQuery) == m_target; }

    QUrl m_target;
    bool m_navigationEnded = false;
    bool m_newWindowAnswered = false;
};

} // namespace

class TestPreviewSafety : public PreviewFixture
{
    Q_OBJECT

private Q_SLOTS:
    void documentCannotNavigateByItself_data();
    void documentCannotNavigateByItself();
    void pupilsClickStillNavigates_data();
    void pupilsClickStillNavigates();
    void localPageCannotReadAnotherLocalFile();
    void webPageGetsNothingLocal();
    void webPageGetsNoLocalPageShown_data();
    void webPageGetsNoLocalPageShown();
    void pathsCannotBeProbed();

private:
    QVariant evaluate(const QString &script);
    // Runs the script again and again until it yields the expected value or the time runs out; the last
    // value.
    QVariant evaluateUntil(const QString &script, const QVariant &expected);
    // Waits until the condition holds and the page has stopped loading, so that whatever the engine let
    // through has had its load.
    bool waitUntilSettled(const std::function<bool()> &condition);
};

QVariant TestPreviewSafety::evaluate(const QString &script)
{
    return evaluateInPage(m_pane->page(), script, loadTimeout);
}

QVariant TestPreviewSafety::evaluateUntil(const QString &script, const QVariant &expected)
{
    return evaluateInPageUntil(m_pane->page(), script, expected, loadTimeout);
}

bool TestPreviewSafety::waitUntilSettled(const std::function<bool()> &condition)
{
    return QTest::qWaitFor([&] { return condition() && !m_pane->page()->isLoading(); }, loadTimeout);
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

    // An attack aims at a web address (%1) or at a local file (%2).
    const QUrl target = attack.contains(QStringLiteral("%1")) ? m_server->url(QStringLiteral("/attack"))
                                                              : QUrl::fromLocalFile(secretPath);
    QString page = attack;
    page.replace(QStringLiteral("%1"), target.toString());
    page.replace(QStringLiteral("%2"), target.toString());
    const AttemptWatch attempt(m_pane->page(), target);
    m_pane->renderHtml(QStringLiteral("<p id=\"marker\">pupil's page</p>") + page);

    // The engine has answered the page's attempt, and whatever it let through has loaded.
    QVERIFY(waitUntilSettled([&] { return attempt.answered(); }));
    QCOMPARE(m_server->requestsStartingWith(QStringLiteral("/attack")), QStringList());
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
    QCOMPARE(evaluateUntil(QStringLiteral("!!document.getElementById('target')"), true), QVariant(true));
    const QPoint centre = centreOf(QStringLiteral("target"));
    QVERIFY(centre != QPoint(-1, -1));
    QWidget *input = m_pane->focusProxy();
    QVERIFY(input);

    QTest::mouseClick(input, Qt::LeftButton, {}, centre);

    QVERIFY(m_server->waitForRequest(QStringLiteral("/next.html")));
    QTRY_VERIFY_WITH_TIMEOUT(m_pane->locationUrl().startsWith(next.toString()), loadTimeout);
}

void TestPreviewSafety::localPageCannotReadAnotherLocalFile()
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("secret.txt")), secretText.toUtf8());
    writeFile(folder.filePath(QStringLiteral("secret.html")), "<p>" + secretText.toUtf8() + "</p>");
    // The pupil's own local page, shown in a frame of the preview, tries three ways to read the secret and
    // hands each answer to the preview, then says it is done.
    writeFile(folder.filePath(QStringLiteral("page.html")),
              "<p>local page</p><iframe id=\"inner\" src=\"secret.html\"></iframe><script>"
              "var unanswered = 3;"
              "function send(what) {"
              "  parent.postMessage(String(what), '*');"
              "  if (--unanswered === 0) parent.postMessage('local-done', '*'); }"
              "fetch('secret.txt').then(r => r.text()).then(send, () => send('fetch-refused'));"
              "try { var x = new XMLHttpRequest(); x.onload = () => send(x.responseText);"
              "  x.onerror = () => send('xhr-refused'); x.open('GET', 'secret.txt'); x.send(); }"
              "catch (e) { send('xhr-refused'); }"
              "window.addEventListener('load', function () {"
              "  try { send(document.getElementById('inner').contentDocument.body.textContent); }"
              "  catch (e) { send('frame-refused'); }"
              "});</script>");
    m_pane->setBaseFolder(folder.path());

    // The preview notes every message in "heard" and sends it on to a web address; its own attempt to read
    // the secret ends in "got".
    m_pane->renderHtml(
        QStringLiteral("<p id=\"got\">pending</p><pre id=\"heard\"></pre><iframe src=\"%1\"></iframe><script>"
                       "window.addEventListener('message', function (e) {"
                       "  document.getElementById('heard').textContent += e.data + '\\n';"
                       "  new Image().src = '%2?' + encodeURIComponent(e.data); });"
                       "fetch('%3').then(r => r.text()).then(t => {"
                       "  document.getElementById('got').textContent = t; new Image().src = '%2?' + t; },"
                       "  () => { document.getElementById('got').textContent = 'refused'; });"
                       "</script>")
            .arg(QUrl::fromLocalFile(folder.filePath(QStringLiteral("page.html"))).toString(),
                 m_server->url(QStringLiteral("/report")).toString(),
                 QUrl::fromLocalFile(folder.filePath(QStringLiteral("secret.txt"))).toString()));

    // Every attempt was answered, and none got the secret anywhere.
    QCOMPARE(evaluateUntil(QStringLiteral("!!document.getElementById('heard')"
                                          " && document.getElementById('got').textContent !== 'pending'"
                                          " && document.getElementById('heard').textContent"
                                          ".indexOf('local-done') >= 0"),
                           true),
             QVariant(true));
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('got').textContent")).toString(),
             QStringLiteral("refused"));
    QStringList heard = evaluate(QStringLiteral("document.getElementById('heard').textContent"))
                            .toString()
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    heard.sort();
    QCOMPARE(heard, QStringList({"fetch-refused", "frame-refused", "local-done", "xhr-refused"}));
    for (const QString &request : m_server->requests())
        QVERIFY2(!QUrl::fromPercentEncoding(request.toUtf8()).contains(QStringLiteral("private")),
                 qPrintable(request));
}

void TestPreviewSafety::webPageGetsNothingLocal()
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("picture.png"));
    writePicture(picture);
    writeFile(folder.filePath(QStringLiteral("secret.html")), "<p>" + secretText.toUtf8() + "</p>");
    m_pane->setBaseFolder(folder.path());
    const QString pictureUrl = QUrl::fromLocalFile(picture).toString();
    const QUrl secretUrl = QUrl::fromLocalFile(folder.filePath(QStringLiteral("secret.html")));
    // Once loaded, the web page tries to go to the local file, itself and in a new window, then changes its
    // title. The engine hears of the title after any navigation the attempts started.
    m_server->serve(QStringLiteral("/web.html"), "text/html",
                    QStringLiteral("<p id=\"marker\">web page</p>"
                                   "<img src=\"%1\" onload=\"new Image().src='/report?picture-shown'\""
                                   " onerror=\"new Image().src='/report?picture-refused'\">"
                                   "<iframe src=\"%2\"></iframe>"
                                   "<script>window.addEventListener('load', function () {"
                                   " location.href = '%2'; window.open('%2');"
                                   " document.title = 'tried'; });</script>")
                        .arg(pictureUrl, secretUrl.toString())
                        .toUtf8());
    m_pane->navigate(m_server->url(QStringLiteral("/web.html")));

    QVERIFY(m_server->waitForRequest(QStringLiteral("/report?picture")));
    QVERIFY(waitUntilSettled([&] { return m_pane->page()->title() == QLatin1String("tried"); }));
    QCOMPARE(m_server->requestsStartingWith(QStringLiteral("/report?picture")),
             QStringList({"/report?picture-refused"}));
    QCOMPARE(m_pane->locationUrl(), m_server->url(QStringLiteral("/web.html")).toString());
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('marker').textContent")).toString(),
             QStringLiteral("web page"));
}

void TestPreviewSafety::webPageGetsNoLocalPageShown_data()
{
    QTest::addColumn<QString>("attempt"); // the markup of a web page, or a path of the server the pupil types

    // The local page the pupil typed is at %1, and at %2 where the preview serves it; its picture is at %3,
    // and at %4 through the preview. The test's server sends /to-file on to %1 and /to-preview on to %2.
    const QString picture =
        QStringLiteral("<img src=\"%1\" onload=\"new Image().src='/report?picture-shown'\""
                       " onerror=\"new Image().src='/report?picture-failed'\">");
    QTest::newRow("picture by its file address") << picture.arg(QStringLiteral("%3"));
    QTest::newRow("picture through the preview") << picture.arg(QStringLiteral("%4"));
    QTest::newRow("frame of the page's file") << "<iframe src=\"%1\"></iframe>";
    QTest::newRow("frame of the page through the preview") << "<iframe src=\"%2\"></iframe>";
    QTest::newRow("goes to the page's file") << "<script>location.href = '%1';</script>";
    QTest::newRow("goes to the page through the preview") << "<script>location.href = '%2';</script>";
    QTest::newRow("opens the page's file") << "<script>window.open('%1');</script>";
    QTest::newRow("opens the page through the preview") << "<script>window.open('%2');</script>";
    QTest::newRow("its server sends it to the page's file") << "<script>location.href = '/to-file';</script>";
    QTest::newRow("its server sends it to the page through the preview")
        << "<script>location.href = '/to-preview';</script>";
    QTest::newRow("the pupil types a web address sent on to the page's file") << "/to-file";
    QTest::newRow("the pupil types a web address sent on to the page through the preview") << "/to-preview";
}

void TestPreviewSafety::webPageGetsNoLocalPageShown()
{
    QFETCH(QString, attempt);
    // The local page says each time it is shown. The pupil typed it, then went on to a web page.
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("page.html"));
    const QString picture = folder.filePath(QStringLiteral("picture.png"));
    writePicture(picture);
    writeFile(page, "<img src=\"picture.png\"><script>new Image().src = '" +
                        m_server->url(QStringLiteral("/shown")).toEncoded() + "';</script>");
    m_pane->navigate(QUrl::fromLocalFile(page));
    QVERIFY(m_server->waitForRequest(QStringLiteral("/shown")));
    const QUrl pageAddress = m_pane->page()->url();
    m_server->serve(QStringLiteral("/start.html"), "text/html", "<title>start</title>");
    m_pane->navigate(m_server->url(QStringLiteral("/start.html")));
    QVERIFY(waitUntilSettled([&] { return m_pane->page()->title() == QLatin1String("start"); }));
    m_server->redirect(QStringLiteral("/to-file"), QUrl::fromLocalFile(page));
    m_server->redirect(QStringLiteral("/to-preview"), pageAddress);
    // The engine's answer to a navigation for any of these addresses ends the attempt.
    const QStringList targets = {QUrl::fromLocalFile(page).toString(), pageAddress.toString(),
                                 m_server->url(QStringLiteral("/to-file")).toString(),
                                 m_server->url(QStringLiteral("/to-preview")).toString()};
    std::vector<std::unique_ptr<AttemptWatch>> watches;
    for (const QString &target : targets)
        watches.push_back(std::make_unique<AttemptWatch>(m_pane->page(), QUrl(target)));
    const auto answered = [&] {
        return std::any_of(watches.cbegin(), watches.cend(),
                           [](const auto &watch) { return watch->answered(); });
    };

    if (attempt.startsWith(u'/')) {
        m_pane->navigate(m_server->url(attempt));
        QVERIFY(waitUntilSettled(answered));
    } else {
        // The web page says in its title that it has made its attempt; the engine hears of it after any
        // navigation the attempt started.
        QString html = QStringLiteral("<p id=\"marker\">web page</p>") + attempt +
                       QStringLiteral("<script>document.title = 'tried';</script>");
        html.replace(QStringLiteral("%1"), QUrl::fromLocalFile(page).toString());
        html.replace(QStringLiteral("%2"), pageAddress.toString());
        html.replace(QStringLiteral("%3"), QUrl::fromLocalFile(picture).toString());
        html.replace(QStringLiteral("%4"),
                     pageAddress.resolved(QUrl(QStringLiteral("picture.png"))).toString());
        m_server->serve(QStringLiteral("/web.html"), "text/html", html.toUtf8());
        m_pane->navigate(m_server->url(QStringLiteral("/web.html")));
        QVERIFY(waitUntilSettled(
            [&] { return m_pane->page()->title() == QLatin1String("tried") || answered(); }));
        if (attempt.contains(QStringLiteral("<img")))
            QCOMPARE(m_server->requestsStartingWith(QStringLiteral("/report?picture")),
                     QStringList({"/report?picture-failed"}));
    }

    // The local page was not shown again, and the pane shows no local address.
    QCOMPARE(m_server->requestsStartingWith(QStringLiteral("/shown")).size(), 1);
    QVERIFY2(m_pane->locationUrl().startsWith(QLatin1String("http:")), qPrintable(m_pane->locationUrl()));
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
                                          " var picture = document.getElementById(id);"
                                          " return picture ? picture.alt : ''; }).join(' ')");
    QCOMPARE(evaluateUntil(states, QStringLiteral("shown failed failed failed")),
             QVariant(QStringLiteral("shown failed failed failed")));
}

VELMARK_WIDGET_TEST_MAIN(TestPreviewSafety)

#include "tst_previewsafety.moc"
