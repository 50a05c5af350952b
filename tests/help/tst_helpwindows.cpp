// The help windows as the pupil meets them through the "Βοήθεια" menu: the presentation, the about window and
// the contact window.
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "core/makerinfo.h"
#include "core/programversion.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/core/helptexts.h"
#include "help/core/presentationtopics.h"
#include "help/helppane.h"
#include "help/presentationwindow.h"
#include "localhttpserver.h"
#include "preview/connection.h"
#include "widgettestmain.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QSysInfo>
#include <QTcpServer>
#include <QTextBlock>
#include <QWebEngineView>
#include <QtTest>

namespace {

constexpr int loadTimeout = 30000;

QAction *menuItem(MainWindow *form5, const char *name)
{
    auto *action = form5->findChild<QAction *>(QString::fromLatin1(name));
    Q_ASSERT(action);
    return action;
}

// Every character of the pane is bold, and its colour is one of the given ones for each non-empty line.
bool everyLineBold(const HelpPane *pane)
{
    for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() != QFont::Bold)
                return false;
    return true;
}

QColor lineColour(const HelpPane *pane, int line)
{
    const QTextBlock block = pane->document()->findBlockByNumber(line);
    return block.begin().fragment().charFormat().foreground().color();
}

QStringList topicTexts(int index)
{
    QStringList lines;
    for (const PresentationLine &line : presentationTopics()[index].lines)
        lines.append(line.text);
    return lines;
}

} // namespace

class HelpWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presentationOpensFromTheMenu()
    {
        ProgramWindows windows;
        PresentationWindow *form2 = windows.presentationWindow();
        menuItem(windows.mainWindow(), "N35")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form2));
        QCOMPARE(form2->windowTitle(), QStringLiteral("Παρουσίαση"));
        QCOMPARE(form2->size(), QSize(770, 562));
        QCOMPARE(form2->topicList()->count(), 22);
        QCOMPARE(form2->topicList()->item(3)->text(), QStringLiteral("  - Εργαλειοθήκη 1"));
        // 184 pixels, or wider where the font needs it: no entry is cut short.
        QVERIFY(form2->listColumn()->width() >= 184);
        for (int i = 0; i < form2->topicList()->count(); ++i)
            QVERIFY(form2->topicList()->fontMetrics().horizontalAdvance(
                        form2->topicList()->item(i)->text()) <= form2->topicList()->viewport()->width());
        QVERIFY(form2->explanationPane()->lines().isEmpty());
        QVERIFY(form2->explanationPane()->isReadOnly());

        // Closing only hides; the pane keeps the last topic.
        form2->topicList()->setCurrentRow(19);
        form2->close();
        QVERIFY(!form2->isVisible());
        menuItem(windows.mainWindow(), "N35")->trigger();
        QVERIFY(form2->isVisible());
        QCOMPARE(form2->explanationPane()->lines(), topicTexts(19));
    }

    // Clicks and arrow keys show each topic whole, never mixed with the one before.
    void arrowKeysWalkTheTopics()
    {
        PresentationWindow form2;
        form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form2));
        QListWidget *list = form2.topicList();
        const QRect first = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(form2.explanationPane()->lines(), topicTexts(0));
        for (int i = 1; i < list->count(); ++i) {
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), i);
            QCOMPARE(form2.explanationPane()->lines(), topicTexts(i));
            QVERIFY2(everyLineBold(form2.explanationPane()), qPrintable(list->item(i)->text()));
        }
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(form2.explanationPane()->lines(), topicTexts(20));
        // Choosing the same entry again rebuilds the same text.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(20)).center());
        QCOMPARE(form2.explanationPane()->lines(), topicTexts(20));
    }

    void listTopicColours()
    {
        PresentationWindow form2;
        form2.topicList()->setCurrentRow(3);
        QCOMPARE(lineColour(form2.explanationPane(), 0), QColor(168, 0, 0));
        QCOMPARE(form2.explanationPane()->lines().at(2), QStringLiteral("Περιέχει τις εξής Ετικέτες:"));
        QCOMPARE(lineColour(form2.explanationPane(), 2), QColor(0, 0, 0));
        QCOMPARE(lineColour(form2.explanationPane(), 4), QColor(64, 0, 128));
        QCOMPARE(lineColour(form2.explanationPane(), 5), QColor(64, 0, 128));
    }

    void paneCanBeCopiedButNotEdited()
    {
        PresentationWindow form2;
        form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form2));
        form2.topicList()->setCurrentRow(19);
        const QStringList before = form2.explanationPane()->lines();
        form2.explanationPane()->setFocus();
        QTest::keyClick(form2.explanationPane(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form2.explanationPane(), QStringLiteral("xyz"));
        QTest::keyClick(form2.explanationPane(), Qt::Key_Delete);
        QCOMPARE(form2.explanationPane()->lines(), before);
        QVERIFY(form2.explanationPane()->textCursor().hasSelection());
    }

    void splitterWidensTheList()
    {
        PresentationWindow form2;
        form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form2));
        QSplitter *splitter = form2.splitter();
        const int before = form2.listColumn()->width();
        QWidget *handle = splitter->handle(1);
        const QPoint start = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(60, 0)),
                         QPointF(handle->mapToGlobal(start + QPoint(60, 0))), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(60, 0));
        QCOMPARE(form2.listColumn()->width(), before + 60);
        QCOMPARE(form2.paneHolder()->width(), form2.explanationPane()->width());
    }

    // Shown twice, with a close in between, the about window holds one banner and one set of texts.
    void aboutShownTwiceHoldsOneText()
    {
        ProgramWindows windows;
        AboutWindow *form4 = windows.aboutWindow();
        menuItem(windows.mainWindow(), "N6")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form4));
        QCOMPARE(form4->windowTitle(), QStringLiteral("Σχετικά με τον Velmark Html Editor-Browser"));
        // At least the designed size; wider for its whole caption, taller for its whole text (see below).
        QVERIFY(form4->width() >= 303);
        QVERIFY(form4->height() >= 394);
        QCOMPARE(form4->minimumSize(), form4->maximumSize());
        const QStringList first = form4->aboutPane()->lines();
        QCOMPARE(first.size(), 8);
        QCOMPARE(first.at(4), QStringLiteral(" Έκδοση: 1.2.1"));
        QVERIFY(everyLineBold(form4->aboutPane()));
        QCOMPARE(lineColour(form4->aboutPane(), 0), QColor(0, 0, 0));
        QCOMPARE(lineColour(form4->aboutPane(), 4), QColor(64, 0, 128));

        form4->close();
        menuItem(windows.mainWindow(), "N6")->trigger();
        QVERIFY(form4->isVisible());
        menuItem(windows.mainWindow(), "N6")->trigger();
        QCOMPARE(form4->aboutPane()->lines(), first);
        QCOMPARE(form4->findChildren<QLabel *>().size(), 2);
        QCOMPARE(form4->banner()->height(), 81);
        QCOMPARE(form4->banner()->width(), form4->width());
        QCOMPARE(form4->addressesLabel()->height(), 42);
        QCOMPARE(form4->addressesLabel()->text(), MakerInfo::emails().join('\n'));
        // The text takes no focus and cannot be selected.
        QCOMPARE(form4->aboutPane()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(form4->aboutPane()->textInteractionFlags(), Qt::NoTextInteraction);
    }

    // With the faces installed here the whole about text shows, down to its last line, without scrolling: the
    // window gives the text the height it needs.
    void aboutTextShowsWhole()
    {
        ProgramWindows windows;
        AboutWindow *form4 = windows.aboutWindow();
        menuItem(windows.mainWindow(), "N6")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form4));
        HelpPane *pane = form4->aboutPane();
        QTRY_VERIFY(pane->viewport()->height() > 0);
        QCOMPARE(pane->verticalScrollBar()->maximum(), 0);
        QVERIFY(!pane->verticalScrollBar()->isVisible());
        QTextCursor end(pane->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(pane->lines().last().startsWith(QStringLiteral(" Κατασκευαστής: ")));
        QVERIFY2(pane->viewport()->rect().contains(pane->cursorRect(end)),
                 "the last line of the about text lies outside the pane");
        QCOMPARE(form4->banner()->height(), 81);
        QCOMPARE(form4->addressesLabel()->height(), 42);
    }

    void contactOffline()
    {
        ContactWindow form1;
        form1.showContact(false);
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QCOMPARE(form1.windowTitle(), "Επικοινωνία (" + MakerInfo::emails().join(" , ") + ")");
        QVERIFY(form1.width() >= 451);
        QCOMPARE(form1.height(), 526);
        // Used offline only, the window has started no browser at all.
        QVERIFY(!form1.browser());
        QVERIFY(form1.addressPane()->isVisible());
        const QStringList lines = form1.addressPane()->lines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(2), " - " + MakerInfo::emails().at(0));
        QCOMPARE(lineColour(form1.addressPane(), 2), QColor(215, 0, 0));
        QCOMPARE(lines.at(4), " - " + MakerInfo::emails().at(1));
        QCOMPARE(lineColour(form1.addressPane(), 4), QColor(169, 0, 0));
        // A second use writes the text anew, not after the first.
        form1.showContact(false);
        QCOMPARE(form1.addressPane()->lines(), lines);
    }

    // Online the browser alone shows the contact page; a later offline use shows the addresses instead.
    void contactOnlineThenOffline()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("/velmarkmail.php"), "text/html; charset=utf-8",
                     QByteArray("<html><head><title>Φόρμα επικοινωνίας</title></head><body>Γράψτε μας</body>"
                                "</html>"));
        QSignalSpy requests(&server, &LocalHttpServer::requested);
        ContactWindow form1;
        QCOMPARE(form1.contactPage(), QUrl(MakerInfo::contactPage()));
        form1.setContactPage(server.url(QStringLiteral("/velmarkmail.php")));
        form1.showContact(true);
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QVERIFY(form1.browser()->isVisible());
        QVERIFY(!form1.addressPane()->isVisible());
        QVERIFY(form1.addressPane()->lines().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!requests.isEmpty(), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(form1.browser()->title(), QStringLiteral("Φόρμα επικοινωνίας"),
                                  loadTimeout);

        form1.showContact(false);
        QVERIFY(!form1.browser()->isVisible());
        QVERIFY(form1.addressPane()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(form1.browser()->url(), QUrl(QStringLiteral("about:blank")), loadTimeout);
    }

    // Online, but the maker's site does not answer (a school's lab behind a closed door): the window shows
    // its own Greek text with the maker's addresses, never the engine's error page, and the next use tries
    // the page again.
    void contactPageOutOfReachShowsTheAddresses()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QUrl contact(QStringLiteral("http://127.0.0.1:%1/velmarkmail.php").arg(closed.serverPort()));
        closed.close();
        ContactWindow form1;
        form1.setContactPage(contact);
        form1.showContact(true);
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QTRY_VERIFY_WITH_TIMEOUT(form1.addressPane()->isVisible(), loadTimeout);
        QVERIFY(!form1.browser()->isVisible());
        QStringList expected;
        for (const HelpLine &line : HelpTexts::contactUnreachableText())
            expected << line.text;
        QCOMPARE(form1.addressPane()->lines(), expected);
        QVERIFY(expected.first().startsWith(QStringLiteral("Η σελίδα επικοινωνίας δεν είναι διαθέσιμη")));
        QVERIFY(expected.contains(" - " + MakerInfo::emails().at(0)));
        QVERIFY(expected.contains(" - " + MakerInfo::emails().at(1)));
        QCOMPARE(lineColour(form1.addressPane(), expected.indexOf(" - " + MakerInfo::emails().at(0))),
                 QColor(215, 0, 0));

        LocalHttpServer server;
        server.serve(QStringLiteral("/velmarkmail.php"), "text/html; charset=utf-8",
                     QByteArray("<html><head><title>Φόρμα</title></head><body>Γράψτε μας</body></html>"));
        form1.setContactPage(server.url(QStringLiteral("/velmarkmail.php")));
        form1.showContact(true);
        QVERIFY(form1.browser()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(form1.browser()->title(), QStringLiteral("Φόρμα"), loadTimeout);
        QVERIFY(!form1.addressPane()->isVisible());
    }

    // The about window says what system the program runs on and how big the program's file really is.
    void aboutTellsTheSystemAndTheSize()
    {
        ProgramWindows windows;
        AboutWindow *form4 = windows.aboutWindow();
        menuItem(windows.mainWindow(), "N6")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form4));
        const QStringList lines = form4->aboutPane()->lines();
        const qint64 size = QFileInfo(QCoreApplication::applicationFilePath()).size();
        QVERIFY(size > 0);
        QCOMPARE(lines.at(5), " Μέγεθος: " + greekDataSize(size));
        QCOMPARE(lines.at(6), " Λειτουργικό σύστημα: " + systemFullName());
#ifdef Q_OS_LINUX
        QVERIFY2(!lines.at(6).contains(QStringLiteral("Windows")), qPrintable(lines.at(6)));
        QVERIFY(!QSysInfo::prettyProductName().isEmpty());
        QCOMPARE(systemFullName(), QSysInfo::prettyProductName());
#endif
        QCOMPARE(lineColour(form4->aboutPane(), 5), QColor(64, 0, 128));
    }

    // The menu entry asks the connection query and shows the matching variant.
    void contactMenuFollowsTheConnection()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("/velmarkmail.php"), "text/html",
                     QByteArray("<html><body>ok</body></html>"));
        ProgramWindows windows;
        ContactWindow *form1 = windows.contactWindow();
        form1->setContactPage(server.url(QStringLiteral("/velmarkmail.php")));
        menuItem(windows.mainWindow(), "N37")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
        QCOMPARE(form1->browser() && form1->browser()->isVisible(), internet());
        QCOMPARE(form1->addressPane()->isVisible(), !internet());
    }
};

VELMARK_WIDGET_TEST_MAIN(HelpWindowsTest)

#include "tst_helpwindows.moc"
