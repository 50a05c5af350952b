// A screen reader reads the rendered page: with an assistive technology present, the preview's page is part
// of the window's accessibility tree.
#include "app/applicationsetup.h"
#include "preview/previewpane.h"
#include "testenvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Whether any node under `node` names or holds the text.
bool treeHolds(QAccessibleInterface *node, const QString &text, int depth = 0)
{
    if (!node || depth > 40)
        return false;
    if (node->text(QAccessible::Name).contains(text) || node->text(QAccessible::Value).contains(text))
        return true;
    if (QAccessibleTextInterface *t = node->textInterface())
        if (t->text(0, t->characterCount()).contains(text))
            return true;
    for (int i = 0; i < node->childCount(); ++i)
        if (treeHolds(node->child(i), text, depth + 1))
            return true;
    return false;
}

} // namespace

class PreviewAccessibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenReaderReadsTheRenderedPage()
    {
        PreviewPane pane;
        pane.resize(600, 400);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QSignalSpy loaded(&pane, &PreviewPane::documentComplete);
        pane.renderHtml(QStringLiteral("<html><body><h1>Καλημέρα</h1><p>Πρώτη σελίδα</p></body></html>"));
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(
            treeHolds(QAccessible::queryAccessibleInterface(&pane), QStringLiteral("Καλημέρα")), 20000);
    }
};

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    // As when a screen reader runs: the accessibility bridge is asked for.
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    registerPreviewScheme();
    QApplication app(argc, argv);
    setUpApplication(app);
    QAccessible::setActive(true);
    PreviewAccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewaccessibility.moc"
