// A refresh of the preview as the pupil sees it: the page on screen stays there until the new document has
// painted, whatever the new document does.
#include "preview/previewcurtain.h"
#include "preview/previewpane.h"
#include "widgettestmain.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

constexpr int loadTimeout = 30000;

// The colour at the middle of the pane as it is drawn on screen.
QRgb middleColour(PreviewPane &pane)
{
    const QImage shot = pane.grab().toImage();
    return shot.pixel(shot.width() / 2, shot.height() / 2);
}

} // namespace

class TestPreviewRepaint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void refreshKeepsThePageOnScreenUntilTheNewOnePainted_data();
    void refreshKeepsThePageOnScreenUntilTheNewOnePainted();
    void documentThatNeverPaintsIsShownAfterAMoment();
    void pictureSavedAgainShowsAtTheNextRefresh();
    void busyMachineShowsTheDocumentWhenItReportsItPainted_data();
    void busyMachineShowsTheDocumentWhenItReportsItPainted();

private:
    QWidget *curtain() const { return m_pane->findChild<QWidget *>(QStringLiteral("previewCurtain")); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<PreviewPane> m_pane;
};

void TestPreviewRepaint::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QImage red(64, 64, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_folder->filePath(QStringLiteral("red.png"))));
    m_pane = std::make_unique<PreviewPane>();
    m_pane->resize(400, 300);
    m_pane->setBaseFolder(m_folder->path());
    m_pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
}

void TestPreviewRepaint::cleanup()
{
    m_pane.reset();
    m_folder.reset();
}

void TestPreviewRepaint::refreshKeepsThePageOnScreenUntilTheNewOnePainted_data()
{
    QTest::addColumn<QString>("page");

    QTest::newRow("an image filling the page")
        << QStringLiteral("<body style=\"margin:0\"><img src=\"red.png\" "
                          "style=\"display:block;width:100%;height:300px\"><!-- %1 -->");
    QTest::newRow("a coloured page with a slow script")
        << QStringLiteral("<body style=\"margin:0;background:red\"><p>%1</p>"
                          "<script>const end = Date.now() + 150; while (Date.now() < end) {}</script>");
}

// Every picture of the pane taken while refreshes come one after another shows the page, never the blank
// view of a renderer that has not painted yet.
void TestPreviewRepaint::refreshKeepsThePageOnScreenUntilTheNewOnePainted()
{
    QFETCH(QString, page);
    const QRgb red = qRgb(255, 0, 0);
    QSignalSpy painted(m_pane.get(), &PreviewPane::documentPainted);

    // The first document has no page before it to keep on screen: it shows when the view has its picture.
    m_pane->renderHtml(page.arg(0));
    QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(middleColour(*m_pane), red, loadTimeout);

    for (int refresh = 1; refresh <= 4; ++refresh) {
        QElapsedTimer waited;
        waited.start();
        m_pane->renderHtml(page.arg(refresh));
        // A document slower to paint than the curtain's patience (a busy machine) is shown as it is once the
        // patience is over, by design: the page stays on screen until then. The curtain's timer may end up to
        // a twentieth early.
        while (painted.count() <= refresh) {
            if (waited.elapsed() < PreviewCurtain::patienceMs * 95 / 100)
                QCOMPARE(middleColour(*m_pane), red);
            QVERIFY(waited.elapsed() < loadTimeout);
            QTest::qWait(1);
        }
        // From here on the pupil sees the engine's own view of the new document.
        QVERIFY(!curtain()->isVisible());
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(middleColour(*m_pane), red);
            QTest::qWait(5);
        }
    }
    QCOMPARE(m_pane->locationUrl(), QStringLiteral("about:blank"));
}

// A document whose script never ends cannot hold the picture of the page before it on screen for long: after
// a moment the pane shows the engine's own view of the new document, and the next document paints as usual.
void TestPreviewRepaint::documentThatNeverPaintsIsShownAfterAMoment()
{
    QSignalSpy painted(m_pane.get(), &PreviewPane::documentPainted);
    m_pane->renderHtml(QStringLiteral("<body style=\"background:red\">"));
    QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), loadTimeout);

    m_pane->renderHtml(QStringLiteral("<body style=\"background:blue\"><script>while (true) {}</script>"));
    QVERIFY(curtain()->isVisible());
    // The curtain lifts though the document never reports a paint.
    QTRY_VERIFY_WITH_TIMEOUT(!curtain()->isVisible(), loadTimeout);
    QCOMPARE(painted.count(), 1);

    m_pane->renderHtml(QStringLiteral("<body style=\"background:lime\">"));
    QTRY_COMPARE_WITH_TIMEOUT(middleColour(*m_pane), qRgb(0, 255, 0), loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(painted.count(), 2, loadTimeout);
}

// The pictures of the pupil's folder are kept between refreshes, but never a picture that has since changed.
void TestPreviewRepaint::pictureSavedAgainShowsAtTheNextRefresh()
{
    QSignalSpy painted(m_pane.get(), &PreviewPane::documentPainted);
    const QString page = QStringLiteral("<body style=\"margin:0\"><img src=\"red.png\" "
                                        "style=\"display:block;width:100%;height:300px\"><!-- %1 -->");
    m_pane->renderHtml(page.arg(0));
    QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(middleColour(*m_pane), qRgb(255, 0, 0), loadTimeout);

    QImage blue(32, 32, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(m_folder->filePath(QStringLiteral("red.png"))));
    m_pane->renderHtml(page.arg(1));
    QTRY_COMPARE_WITH_TIMEOUT(painted.count(), 2, loadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(middleColour(*m_pane), qRgb(0, 0, 255), loadTimeout);
}

void TestPreviewRepaint::busyMachineShowsTheDocumentWhenItReportsItPainted_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("a coloured page") << QStringLiteral("<body style=\"margin:0;background:red\"><!-- %1 -->")
                                     << qRgb(255, 0, 0);
    QTest::newRow("an image filling the page")
        << QStringLiteral("<body style=\"margin:0\"><img src=\"red.png\" "
                          "style=\"display:block;width:100%;height:300px\"><!-- %1 -->")
        << qRgb(255, 0, 0);
    // Nothing on the page but the default background: it never reports a first paint, and it need not.
    QTest::newRow("an empty page") << QStringLiteral("<!-- %1 -->") << qRgb(255, 255, 255);
}

// On a busy machine the engine's view draws a new renderer's frames late, well after the page has painted
// them: the pane reports the document painted, and lifts its curtain, once the pupil sees it.
void TestPreviewRepaint::busyMachineShowsTheDocumentWhenItReportsItPainted()
{
    QFETCH(QString, page);
    QFETCH(QRgb, colour);
    QSignalSpy painted(m_pane.get(), &PreviewPane::documentPainted);
    m_pane->renderHtml(page.arg(0));
    QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), loadTimeout);

    QList<QRgb> shownWhenPainted;
    connect(m_pane.get(), &PreviewPane::documentPainted, this,
            [&] { shownWhenPainted.append(middleColour(*m_pane)); });
    // The program's own thread gets the processor in short turns, as beside other busy programs.
    QTimer busy;
    connect(&busy, &QTimer::timeout, this, [] { QThread::msleep(5); });
    busy.start(0);
    for (int refresh = 1; refresh <= 2; ++refresh) {
        m_pane->renderHtml(page.arg(refresh));
        QTRY_COMPARE_WITH_TIMEOUT(painted.count(), refresh + 1, loadTimeout);
    }
    QCOMPARE(shownWhenPainted, QList<QRgb>(2, colour));
}

VELMARK_WIDGET_TEST_MAIN(TestPreviewRepaint)
#include "tst_previewrepaint.moc"
