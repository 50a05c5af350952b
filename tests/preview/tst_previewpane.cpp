#include "localhttpserver.h"
#include "pagescript.h"
#include "preview/previewpane.h"
#include "widgettestmain.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <memory>
#include <optional>

namespace {

constexpr int loadTimeout = 30000;

// A document of about the given size in bytes, its paragraphs numbered, with a last paragraph "marker" that
// holds the given text.
QString largeDocument(int bytes, const QString &marker)
{
    const QString paragraph =
        QStringLiteral("<p>Παράγραφος με ελληνικό κείμενο για να μεγαλώσει η σελίδα</p>\n");
    const int count = bytes / int(paragraph.toUtf8().size()) + 1;
    QString html = QStringLiteral("<html><body>\n");
    html.reserve(html.size() + count * paragraph.size() + 100);
    for (int i = 0; i < count; ++i)
        html += paragraph;
    return html + QStringLiteral("<p id=\"marker\">%1</p></body></html>").arg(marker);
}

// One second of silence as 8 kHz, 8-bit mono PCM in a WAV file.
QByteArray silentWave()
{
    const QByteArray samples(8000, char(0x80));
    QByteArray wave;
    QBuffer buffer(&wave);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
        << quint16(8);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), int(samples.size()));
    return wave;
}

} // namespace

class TestPreviewPane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void emptyTextShowsBlankDocument();
    void charactersRenderAsWritten_data();
    void charactersRenderAsWritten();
    void newestLoadEndsOnScreen_data();
    void newestLoadEndsOnScreen();
    void documentAboveTwoMegabytesRenders();
    void documentWhoseScriptNeverEndsIsReplaced();
    void reloadKeepsScrollPosition_data();
    void reloadKeepsScrollPosition();
    void scriptsRunAndMediaShowButLocalFilesStayUnread();
    void browsingReportsPageAndBodyMarkup_data();
    void browsingReportsPageAndBodyMarkup();

private:
    // Waits until a load that began after the last wait, and every other load started, has finished and been
    // reported complete.
    void waitUntilSettled();
    QVariant evaluate(const QString &script);
    // Runs the script again and again until it yields the expected value or the time runs out; the last
    // value.
    QVariant evaluateUntil(const QString &script, const QVariant &expected);

    std::unique_ptr<PreviewPane> m_pane;
    std::unique_ptr<QSignalSpy> m_started;
    std::unique_ptr<QSignalSpy> m_finished;
    std::unique_ptr<QSignalSpy> m_completed;
    qsizetype m_settledLoads = 0;
};

void TestPreviewPane::init()
{
    m_pane = std::make_unique<PreviewPane>();
    m_pane->resize(800, 600);
    m_pane->show();
    m_started = std::make_unique<QSignalSpy>(m_pane->page(), &QWebEnginePage::loadStarted);
    m_finished = std::make_unique<QSignalSpy>(m_pane->page(), &QWebEnginePage::loadFinished);
    m_completed = std::make_unique<QSignalSpy>(m_pane.get(), &PreviewPane::documentComplete);
    m_settledLoads = 0;
}

void TestPreviewPane::cleanup()
{
    m_started.reset();
    m_finished.reset();
    m_completed.reset();
    m_pane.reset();
}

void TestPreviewPane::waitUntilSettled()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_started->count() > m_settledLoads &&
                                 m_finished->count() == m_started->count() &&
                                 m_completed->count() == m_finished->count(),
                             loadTimeout);
    m_settledLoads = m_started->count();
}

QVariant TestPreviewPane::evaluate(const QString &script)
{
    return evaluateInPage(m_pane->page(), script, loadTimeout);
}

QVariant TestPreviewPane::evaluateUntil(const QString &script, const QVariant &expected)
{
    return evaluateInPageUntil(m_pane->page(), script, expected, loadTimeout);
}

void TestPreviewPane::emptyTextShowsBlankDocument()
{
    QStringList notifications;
    connect(m_pane.get(), &PreviewPane::downloadBegin, this, [&] { notifications << "begin"; });
    connect(m_pane.get(), &PreviewPane::downloadComplete, this, [&] { notifications << "complete"; });
    connect(m_pane.get(), &PreviewPane::documentComplete, this, [&] { notifications << "document"; });
    connect(m_pane.get(), &PreviewPane::progressChange, this,
            [&](int progress) { notifications << (progress == -1 ? "finished" : "progress"); });

    m_pane->renderHtml(QString());
    waitUntilSettled();

    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
    QCOMPARE(m_pane->documentTitle(), QString());
    QCOMPARE(evaluate(QStringLiteral("document.body.innerHTML")).toString(), QString());
    notifications.removeAll("progress");
    QCOMPARE(notifications, QStringList({"begin", "finished", "complete", "document"}));
}

void TestPreviewPane::charactersRenderAsWritten_data()
{
    QTest::addColumn<bool>("asBytes");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("bodyText");

    const QString greekMeta =
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />");
    const QString greek = QStringLiteral("<html><head>%1<title>Καλώς ήρθατε</title></head>"
                                         "<body><p>Ο μαθητής γράφει HTML</p></body></html>")
                              .arg(greekMeta);
    const QString cyrillic = QStringLiteral("<html><head>%1<title>Привет</title></head>"
                                            "<body><p>Кириллица και Ελληνικά €</p></body></html>")
                                 .arg(greekMeta);
    const QString beyondCodePages = QStringLiteral("<html><head><meta charset=\"windows-1253\"></head>"
                                                   "<body><p>ŋ ☃ 😀 ünïcödé</p></body></html>");

    QTest::newRow("Greek under a Greek charset declaration") << false << greek << "Καλώς ήρθατε"
                                                             << "Ο μαθητής γράφει HTML";
    QTest::newRow("Cyrillic under a Greek charset declaration") << false << cyrillic << "Привет"
                                                                << "Кириллица και Ελληνικά €";
    QTest::newRow("characters no code page holds") << false << beyondCodePages << ""
                                                   << "ŋ ☃ 😀 ünïcödé";
    QTest::newRow("bytes without a byte-order mark") << true << cyrillic << "Привет"
                                                     << "Кириллица και Ελληνικά €";
    QTest::newRow("bytes with a byte-order mark")
        << true << QStringLiteral("\uFEFF") + greek << "Καλώς ήρθατε"
        << "Ο μαθητής γράφει HTML";
}

void TestPreviewPane::charactersRenderAsWritten()
{
    QFETCH(bool, asBytes);
    QFETCH(QString, html);
    QFETCH(QString, title);
    QFETCH(QString, bodyText);

    if (asBytes)
        m_pane->renderBytes(html.toUtf8());
    else
        m_pane->renderHtml(html);
    waitUntilSettled();

    QCOMPARE(evaluate(QStringLiteral("document.body.innerText")).toString(), bodyText);
    QCOMPARE(m_pane->documentTitle(), title);
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
}

void TestPreviewPane::newestLoadEndsOnScreen_data()
{
    QTest::addColumn<QString>("older");
    QTest::addColumn<QString>("newer");

    const QString smallOlder = QStringLiteral("<p id=\"marker\">older</p>");
    const QString smallNewer = QStringLiteral("<p id=\"marker\">newer</p>");
    // A large document still loads when the newer one comes, whichever of the two it is.
    QTest::newRow("two small documents") << smallOlder << smallNewer;
    QTest::newRow("a large document, then a small one") << largeDocument(256 << 10, "older") << smallNewer;
    QTest::newRow("a small document, then a large one") << smallOlder << largeDocument(256 << 10, "newer");
}

void TestPreviewPane::newestLoadEndsOnScreen()
{
    QFETCH(QString, older);
    QFETCH(QString, newer);

    m_pane->renderHtml(older);
    m_pane->renderHtml(newer);
    waitUntilSettled();

    QCOMPARE(evaluate(QStringLiteral("document.getElementById('marker').textContent")).toString(),
             QStringLiteral("newer"));
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
}

void TestPreviewPane::documentAboveTwoMegabytesRenders()
{
    // Just above the 2 MB a data URL may carry, so that a document handed over as one would not show.
    const QString html = largeDocument((2 << 20) + (64 << 10), QStringLiteral("τέλος"));
    QVERIFY(html.toUtf8().size() > 2 << 20);
    const int paragraphs = int(html.count(QStringLiteral("<p>"))) + 1;

    m_pane->renderHtml(html);
    waitUntilSettled();

    QCOMPARE(evaluate(QStringLiteral("document.getElementsByTagName('p').length")).toInt(), paragraphs);
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('marker').textContent")).toString(),
             QStringLiteral("τέλος"));
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
}

void TestPreviewPane::documentWhoseScriptNeverEndsIsReplaced()
{
    LocalHttpServer server;
    QSignalSpy requests(&server, &LocalHttpServer::requested);
    // The script's request, sent and waited for right before the loop, tells that the loop has begun.
    m_pane->renderHtml(
        QStringLiteral("<p id=\"marker\">endless</p><script>"
                       "try { var request = new XMLHttpRequest(); request.open('GET', '%1', false);"
                       "      request.send(); } catch (e) {}"
                       "while (true);</script>")
            .arg(server.url(QStringLiteral("/looping")).toString()));
    QTRY_VERIFY_WITH_TIMEOUT(!requests.isEmpty(), loadTimeout);

    m_pane->renderHtml(QStringLiteral("<p id=\"marker\">newer</p>"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_completed->isEmpty(), loadTimeout);

    QCOMPARE(evaluateUntil(QStringLiteral("document.getElementById('marker').textContent"),
                           QStringLiteral("newer")),
             QVariant(QStringLiteral("newer")));
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
}

void TestPreviewPane::reloadKeepsScrollPosition_data()
{
    QTest::addColumn<int>("reloads");

    QTest::newRow("one reload") << 1;
    QTest::newRow("reloads in quick succession") << 3;
}

void TestPreviewPane::reloadKeepsScrollPosition()
{
    QFETCH(int, reloads);

    QString html = QStringLiteral("<body style=\"margin:0\">");
    for (int i = 0; i < 200; ++i)
        html += QStringLiteral("<div style=\"height:50px\">Γραμμή %1</div>\n").arg(i);
    m_pane->renderHtml(html);
    waitUntilSettled();
    evaluate(QStringLiteral("window.scrollTo(0, 3000)"));
    QTRY_COMPARE_WITH_TIMEOUT(m_pane->page()->scrollPosition().y(), 3000.0, loadTimeout);

    for (int i = 0; i < reloads; ++i) {
        html += QStringLiteral("<div>Νέα γραμμή %1</div>").arg(i);
        m_pane->renderHtml(html);
    }
    waitUntilSettled();

    QCOMPARE(evaluate(QStringLiteral("document.body.lastElementChild.textContent")).toString(),
             QStringLiteral("Νέα γραμμή %1").arg(reloads - 1));
    QCOMPARE(evaluate(QStringLiteral("window.scrollY")).toInt(), 3000);
}

void TestPreviewPane::scriptsRunAndMediaShowButLocalFilesStayUnread()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString secretPath = folder.filePath(QStringLiteral("secret.txt"));
    const QString picturePath = folder.filePath(QStringLiteral("picture.png"));
    const QString soundPath = folder.filePath(QStringLiteral("sound.wav"));
    QFile secret(secretPath);
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("the pupil's private notes");
    secret.close();
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(picturePath));
    QFile sound(soundPath);
    QVERIFY(sound.open(QIODevice::WriteOnly));
    sound.write(silentWave());
    sound.close();
    QByteArray servedPicture;
    QBuffer pictureBuffer(&servedPicture);
    QVERIFY(picture.save(&pictureBuffer, "PNG"));
    LocalHttpServer server;
    server.serve(QStringLiteral("/picture.png"), "image/png", servedPicture);
    m_pane->setBaseFolder(folder.path());

    const QString secretUrl = QUrl::fromLocalFile(secretPath).toString();
    const QString html =
        QStringLiteral(
            "<html><body>"
            "<img id=\"local\" src=\"%1\"><img id=\"served\" src=\"%2\">"
            "<audio id=\"sound\" src=\"%3\" preload=\"auto\"></audio>"
            "<p id=\"script\">not run</p><p id=\"fetch\">pending</p><p id=\"xhr\">pending</p>"
            "<p id=\"frame\">pending</p>"
            "<iframe id=\"secretFrame\" src=\"%4\"></iframe>"
            "<script>"
            "function report(id, text) { document.getElementById(id).textContent = text; }"
            "report('script', 'ran');"
            "fetch('%4').then(r => r.text()).then(t => report('fetch', 'read ' + t),"
            "                                     () => report('fetch', 'refused'));"
            "try {"
            "  var request = new XMLHttpRequest();"
            "  request.onload = () => report('xhr', 'read ' + request.responseText);"
            "  request.onerror = () => report('xhr', 'refused');"
            "  request.open('GET', '%4');"
            "  request.send();"
            "} catch (e) { report('xhr', 'refused'); }"
            "window.addEventListener('load', function () {"
            "  try {"
            "    var inside = document.getElementById('secretFrame').contentDocument;"
            "    report('frame', inside && inside.body && inside.body.textContent.indexOf('private') >= 0"
            "                    ? 'read' : 'refused');"
            "  } catch (e) { report('frame', 'refused'); }"
            "});"
            "</script></body></html>")
            .arg(QUrl::fromLocalFile(picturePath).toString(),
                 server.url(QStringLiteral("/picture.png")).toString(),
                 QUrl::fromLocalFile(soundPath).toString(), secretUrl);

    m_pane->renderHtml(html);
    waitUntilSettled();

    QCOMPARE(evaluate(QStringLiteral("document.getElementById('script').textContent")).toString(),
             QStringLiteral("ran"));
    // The load event waits for the images; the sound's length and the scripts' answers come when they come.
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('local').naturalWidth")).toInt(), 3);
    QCOMPARE(evaluate(QStringLiteral("document.getElementById('served').naturalWidth")).toInt(), 3);
    QCOMPARE(evaluateUntil(QStringLiteral("document.getElementById('sound').duration > 0.5"), true),
             QVariant(true));
    for (const QString &id : {QStringLiteral("fetch"), QStringLiteral("xhr"), QStringLiteral("frame")})
        QCOMPARE(evaluateUntil(QStringLiteral("document.getElementById('%1').textContent").arg(id),
                               QStringLiteral("refused")),
                 QVariant(QStringLiteral("refused")));
}

void TestPreviewPane::browsingReportsPageAndBodyMarkup_data()
{
    QTest::addColumn<QByteArray>("contentType");
    QTest::newRow("character set declared") << QByteArray("text/html; charset=utf-8");
    // Without a declaration the page is read as UTF-8, so its Greek is not turned into Western mojibake.
    QTest::newRow("no character set declared") << QByteArray("text/html");
}

void TestPreviewPane::browsingReportsPageAndBodyMarkup()
{
    QFETCH(QByteArray, contentType);
    LocalHttpServer server;
    server.serve(QStringLiteral("/page.html"), contentType,
                 QStringLiteral("<html><head><title>Σελίδα του Διαδικτύου</title></head><body>\r\n\r\n"
                                "  <p class=\"lesson\">Μια παράγραφος</p>\r\n\r\n</body></html>")
                     .toUtf8());

    m_pane->navigate(server.url(QStringLiteral("/page.html")));
    waitUntilSettled();

    QCOMPARE(m_pane->locationUrl(), server.url(QStringLiteral("/page.html")).toString());
    QCOMPARE(m_pane->documentTitle(), QStringLiteral("Σελίδα του Διαδικτύου"));
    QString markup;
    m_pane->readBodyMarkup([&](const QString &body) { markup = body; });
    QTRY_COMPARE_WITH_TIMEOUT(markup, QStringLiteral("<p class=\"lesson\">Μια παράγραφος</p>"), loadTimeout);

    m_pane->renderHtml(QStringLiteral("<p>πίσω στην προεπισκόπηση</p>"));
    waitUntilSettled();
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
    QCOMPARE(m_pane->documentTitle(), QString());
}

VELMARK_WIDGET_TEST_MAIN(TestPreviewPane)

#include "tst_previewpane.moc"
