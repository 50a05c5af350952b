// A screen reader reads the rendered page: with an assistive technology present, the preview's page is part
// of the window's accessibility tree.
#include "app/applicationsetup.h"
#include "preview/previewpane.h"
#include "testenvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>

#include <QtTest>
#include <algorithm>

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

    // Every refresh replaces the document; a screen reader reads each new one. What the reader's nodes leave
    // behind under the view must go with the documents they belonged to, or memory grows with every refresh.
    void replacedDocumentsLeaveNoAccessibilityObjectsBehind()
    {
        PreviewPane pane;
        pane.resize(600, 400);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        const auto plainObjects = [&pane] {
            const QList<QObject *> all = pane.findChildren<QObject *>();
            return std::count_if(all.cbegin(), all.cend(), [](const QObject *object) {
                return object->metaObject() == &QObject::staticMetaObject;
            });
        };
        QVector<qsizetype> counts;
        for (int document = 1; document <= 6; ++document) {
            QString page = QStringLiteral("<html><body>");
            for (int paragraph = 1; paragraph <= 40; ++paragraph)
                page += QStringLiteral("<p>Έγγραφο %1, παράγραφος %2</p>").arg(document).arg(paragraph);
            QSignalSpy painted(&pane, &PreviewPane::documentPainted);
            pane.renderHtml(page + QStringLiteral("</body></html>"));
            QTRY_VERIFY_WITH_TIMEOUT(!painted.isEmpty(), 20000);
            const QString last = QStringLiteral("Έγγραφο %1, παράγραφος 40").arg(document);
            QTRY_VERIFY_WITH_TIMEOUT(treeHolds(QAccessible::queryAccessibleInterface(&pane), last), 20000);
            counts.append(plainObjects());
        }
        // The document on show keeps its nodes' objects, and the one before it may not be gone yet; six
        // documents' worth would be a leak.
        QVERIFY2(counts.first() > 0, "the page was read without objects for its nodes");
        QString seen;
        for (const qsizetype count : counts)
            seen += QString::number(count) + u' ';
        QVERIFY2(counts.last() < 3 * counts.first(),
                 qPrintable(QStringLiteral("objects under the view after each document: ") + seen));
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
