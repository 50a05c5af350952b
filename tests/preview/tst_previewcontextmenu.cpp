// The preview's context menu: Greek entries only, each of which does what it says.
#include "pagescript.h"
#include "previewfixture.h"
#include "widgettestmain.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

constexpr int loadTimeout = 30000;

QMenu *openMenu()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("previewMenu") && widget->isVisible())
            return qobject_cast<QMenu *>(widget);
    return nullptr;
}

QStringList entriesOf(QMenu *menu)
{
    QStringList entries;
    for (QAction *action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

} // namespace

class TestPreviewContextMenu : public PreviewFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void previewMenuIsGreekAndWorks();
    void browsingMenuStepsThroughHistory();

private:
    // Right-clicks the element with this id and returns the menu that opened.
    QMenu *rightClick(const QString &id);
    void waitReady();
};

void TestPreviewContextMenu::cleanup()
{
    if (QMenu *menu = openMenu())
        menu->close();
    PreviewFixture::cleanup();
}

void TestPreviewContextMenu::waitReady()
{
    // Painted and ready for input once two frames have gone by after the load.
    QCOMPARE(evaluateInPageUntil(
                 m_pane->page(),
                 QStringLiteral("document.readyState === 'complete' && !!document.getElementById('link')"),
                 true, loadTimeout),
             QVariant(true));
    evaluateInPage(m_pane->page(),
                   QStringLiteral("new Promise(function (done) { requestAnimationFrame(function () {"
                                  " requestAnimationFrame(done); }); })"));
}

QMenu *TestPreviewContextMenu::rightClick(const QString &id)
{
    const QPoint centre = centreOf(id);
    if (centre == QPoint(-1, -1))
        return nullptr;
    QTest::mouseClick(m_pane->focusProxy(), Qt::RightButton, {}, centre);
    return QTest::qWaitFor([] { return openMenu() != nullptr; }, loadTimeout) ? openMenu() : nullptr;
}

void TestPreviewContextMenu::previewMenuIsGreekAndWorks()
{
    const QUrl target = m_server->url(QStringLiteral("/next.html"));
    m_pane->renderHtml(
        QStringLiteral("<p id=\"text\">Κείμενο της σελίδας</p><a id=\"link\" href=\"%1\">σύνδεσμος</a>")
            .arg(target.toString()));
    waitReady();

    QMenu *menu = rightClick(QStringLiteral("link"));
    QVERIFY(menu);
    QCOMPARE(entriesOf(menu),
             QStringList({"Ανανέωση", "-", "Αντιγραφή διεύθυνσης συνδέσμου", "Αντιγραφή", "Επιλογή όλων"}));
    menu->actions().at(2)->trigger();
    menu->close();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::clipboard()->text(), target.toString(), loadTimeout);

    menu = rightClick(QStringLiteral("text"));
    QVERIFY(menu);
    QCOMPARE(entriesOf(menu), QStringList({"Ανανέωση", "-", "Αντιγραφή", "Επιλογή όλων"}));
    menu->actions().last()->trigger();
    menu->close();
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluateInPage(m_pane->page(), QStringLiteral("window.getSelection().toString()"))
            .toString()
            .contains(QStringLiteral("Κείμενο της σελίδας")),
        loadTimeout);

    menu = rightClick(QStringLiteral("text"));
    QVERIFY(menu);
    QAction *copy = menu->actions().at(2);
    QCOMPARE(copy->text(), QStringLiteral("Αντιγραφή"));
    QVERIFY(copy->isEnabled());
    copy->trigger();
    menu->close();
    QTRY_VERIFY_WITH_TIMEOUT(
        QApplication::clipboard()->text().contains(QStringLiteral("Κείμενο της σελίδας")), loadTimeout);
}

void TestPreviewContextMenu::browsingMenuStepsThroughHistory()
{
    m_server->serve(QStringLiteral("/one.html"), "text/html", "<p id=\"link\">one</p>");
    m_server->serve(QStringLiteral("/two.html"), "text/html", "<p id=\"link\">two</p>");
    m_pane->navigate(m_server->url(QStringLiteral("/one.html")));
    QTRY_COMPARE_WITH_TIMEOUT(m_pane->locationUrl(), m_server->url(QStringLiteral("/one.html")).toString(),
                              loadTimeout);
    m_pane->navigate(m_server->url(QStringLiteral("/two.html")));
    QTRY_COMPARE_WITH_TIMEOUT(m_pane->locationUrl(), m_server->url(QStringLiteral("/two.html")).toString(),
                              loadTimeout);
    waitReady();

    QMenu *menu = rightClick(QStringLiteral("link"));
    QVERIFY(menu);
    QCOMPARE(entriesOf(menu), QStringList({"Πίσω", "Μπροστά", "Ανανέωση", "-", "Αντιγραφή", "Επιλογή όλων"}));
    QVERIFY(menu->actions().at(0)->isEnabled());
    QVERIFY(!menu->actions().at(1)->isEnabled());
    menu->actions().at(0)->trigger();
    menu->close();
    QTRY_COMPARE_WITH_TIMEOUT(m_pane->locationUrl(), m_server->url(QStringLiteral("/one.html")).toString(),
                              loadTimeout);
}

VELMARK_WIDGET_TEST_MAIN(TestPreviewContextMenu)

#include "tst_previewcontextmenu.moc"
