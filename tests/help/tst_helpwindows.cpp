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

QAction *menuItem(MainWindow *mainWindow, const char *name)
{
    auto *action = mainWindow->findChild<QAction *>(QString::fromLatin1(name));
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
        PresentationWindow *presentation = windows.presentationWindow();
        menuItem(windows.mainWindow(), "N35")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(presentation));
        QCOMPARE(presentation->windowTitle(), QStringLiteral("Παρουσίαση"));
        QCOMPARE(presentation->size(), QSize(770, 562));
        QCOMPARE(presentation->topicList()->count(), 22);
        QCOMPARE(presentation->topicList()->item(3)->text(), QStringLiteral("  - Εργαλειοθήκη 1"));
        // 184 pixels, or wider where the font needs it: no entry is cut short.
        QVERIFY(presentation->listColumn()->width() >= 184);
        for (int i = 0; i < presentation->topicList()->count(); ++i)
            QVERIFY(presentation->topicList()->fontMetrics().horizontalAdvance(
                        presentation->topicList()->item(i)->text()) <=
                    presentation->topicList()->viewport()->width());
        QVERIFY(presentation->explanationPane()->lines().isEmpty());
        QVERIFY(presentation->explanationPane()->isReadOnly());

        // Closing only hides; the pane keeps the last topic.
        presentation->topicList()->setCurrentRow(19);
        presentation->close();
        QVERIFY(!presentation->isVisible());
        menuItem(windows.mainWindow(), "N35")->trigger();
        QVERIFY(presentation->isVisible());
        QCOMPARE(presentation->explanationPane()->lines(), topicTexts(19));
    }

    // Clicks and arrow keys show each topic whole, never mixed with the one before.
    void arrowKeysWalkTheTopics()
    {
        PresentationWindow presentation;
        presentation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&presentation));
        QListWidget *list = presentation.topicList();
        const QRect first = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(presentation.explanationPane()->lines(), topicTexts(0));
        for (int i = 1; i < list->count(); ++i) {
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), i);
            QCOMPARE(presentation.explanationPane()->lines(), topicTexts(i));
            QVERIFY2(everyLineBold(presentation.explanationPane()), qPrintable(list->item(i)->text()));
        }
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(presentation.explanationPane()->lines(), topicTexts(20));
        // Choosing the same entry again rebuilds the same text.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(20)).center());
        QCOMPARE(presentation.explanationPane()->lines(), topicTexts(20));
    }

    void listTopicColours()
    {
        PresentationWindow presentation;
        presentation.topicList()->setCurrentRow(3);
        QCOMPARE(lineColour(presentation.explanationPane(), 0), QColor(168, 0, 0));
        QCOMPARE(presentation.explanationPane()->lines().at(2),
                 QStringLiteral("Περιέχει τις εξής Ετικέτες:"));
        QCOMPARE(lineColour(presentation.explanationPane(), 2), QColor(0, 0, 0));
        QCOMPARE(lineColour(presentation.explanationPane(), 4), QColor(64, 0, 128));
        QCOMPARE(lineColour(presentation.explanationPane(), 5), QColor(64, 0, 128));
    }

    void paneCanBeCopiedButNotEdited()
    {
        PresentationWindow presentation;
        presentation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&presentation));
        presentation.topicList()->setCurrentRow(19);
        const QStringList before = presentation.explanationPane()->lines();
        presentation.explanationPane()->setFocus();
        QTest::keyClick(presentation.explanationPane(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(presentation.explanationPane(), QStringLiteral("xyz"));
        QTest::keyClick(presentation.explanationPane(), Qt::Key_Delete);
        QCOMPARE(presentation.explanationPane()->lines(), before);
        QVERIFY(presentation.explanationPane()->textCursor().hasSelection());
    }

    void splitterWidensTheList()
    {
        PresentationWindow presentation;
        presentation.show();
        QVERIFY(QTest::qWaitForWindowExposed(&presentation));
        QSplitter *splitter = presentation.splitter();
        const int before = presentation.listColumn()->width();
        QWidget *handle = splitter->handle(1);
        const QPoint start = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(60, 0)),
                         QPointF(handle->mapToGlobal(start + QPoint(60, 0))), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(60, 0));
        QCOMPARE(presentation.listColumn()->width(), before + 60);
        QCOMPARE(presentation.paneHolder()->width(), presentation.explanationPane()->width());
    }

    // Shown twice, with a close in between, the about window holds one banner and one set of texts.
    void aboutShownTwiceHoldsOneText()
    {
        ProgramWindows windows;
        AboutWindow *about = windows.aboutWindow();
        menuItem(windows.mainWindow(), "N6")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowTitle(), QStringLiteral("Σχετικά με τον Velmark Html Editor-Browser"));
        // At least its own size; wider for its whole caption, taller for its whole text (see below).
        QVERIFY(about->width() >= 303);
        QVERIFY(about->height() >= 394);
        QCOMPARE(about->minimumSize(), about->maximumSize());
        const QStringList first = about->aboutPane()->lines();
        QCOMPARE(first.size(), 8);
        QCOMPARE(first.at(4), QStringLiteral(" Έκδοση: 1.2.1"));
        QVERIFY(everyLineBold(about->aboutPane()));
        QCOMPARE(lineColour(about->aboutPane(), 0), QColor(0, 0, 0));
        QCOMPARE(lineColour(about->aboutPane(), 4), QColor(64, 0, 128));

        about->close();
        menuItem(windows.mainWindow(), "N6")->trigger();
        QVERIFY(about->isVisible());
        menuItem(windows.mainWindow(), "N6")->trigger();
        QCOMPARE(about->aboutPane()->lines(), first);
        QCOMPARE(about->findChildren<QLabel *>().size(), 2);
        QCOMPARE(about->banner()->height(), 81);
        QCOMPARE(about->banner()->width(), about->width());
        QCOMPARE(about->addressesLabel()->height(), 42);
        QCOMPARE(about->addressesLabel()->text(), MakerInfo::emails().join('\n'));
        // The text takes no focus and cannot be selected.
        QCOMPARE(about->aboutPane()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(about->aboutPane()->textInteractionFlags(), Qt::NoTextInteraction);
    }

    // With the faces installed here the whole about text shows, down to its last line, without scrolling: the
    // window gives the text the height it needs.
    void aboutTextShowsWhole()
    {
        ProgramWindows windows;
        AboutWindow *about = windows.aboutWindow();
        menuItem(windows.mainWindow(), "N6")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        HelpPane *pane = about->aboutPane();
        QTRY_VERIFY(pane->viewport()->height() > 0);
        QCOMPARE(pane->verticalScrollBar()->maximum(), 0);
        QVERIFY(!pane->verticalScrollBar()->isVisible());
        QTextCursor end(pane->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(pane->lines().last().startsWith(QStringLiteral(" Κατασκευαστής: ")));
        QVERIFY2(pane->viewport()->rect().contains(pane->cursorRect(end)),
                 "the last line of the about text lies outside the pane");
        QCOMPARE(about->banner()->height(), 81);
        QCOMPARE(about->addressesLabel()->height(), 42);
    }

    void contactOffline()
    {
        ContactWindow contact;
        contact.showContact(false);
        QVERIFY(QTest::qWaitForWindowExposed(&contact));
        QCOMPARE(contact.windowTitle(), "Επικοινωνία (" + MakerInfo::emails().join(" , ") + ")");
        QVERIFY(contact.width() >= 451);
        QCOMPARE(contact.height(), 526);
        // Used offline only, the window has started no browser at all.
        QVERIFY(!contact.browser());
        QVERIFY(contact.addressPane()->isVisible());
        const QStringList lines = contact.addressPane()->lines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(2), " - " + MakerInfo::emails().at(0));
        QCOMPARE(lineColour(contact.addressPane(), 2), QColor(215, 0, 0));
        QCOMPARE(lines.at(4), " - " + MakerInfo::emails().at(1));
        QCOMPARE(lineColour(contact.addressPane(), 4), QColor(169, 0, 0));
        // A second use writes the text anew, not after the first.
        contact.showContact(false);
        QCOMPARE(contact.addressPane()->lines(), lines);
    }

    // Online the browser alone shows the contact page; a later offline use shows the addresses instead.
    void contactOnlineThenOffline()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("/velmarkmail.php"), "text/html; charset=utf-8",
                     QByteArray("<html><head><title>Φόρμα επικοινωνίας</title></head><body>Γράψτε μας</body>"
                                "</html>"));
        QSignalSpy requests(&server, &LocalHttpServer::requested);
        ContactWindow contact;
        QCOMPARE(contact.contactPage(), QUrl(MakerInfo::contactPage()));
        contact.setContactPage(server.url(QStringLiteral("/velmarkmail.php")));
        contact.showContact(true);
        QVERIFY(QTest::qWaitForWindowExposed(&contact));
        QVERIFY(contact.browser()->isVisible());
        QVERIFY(!contact.addressPane()->isVisible());
        QVERIFY(contact.addressPane()->lines().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!requests.isEmpty(), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(contact.browser()->title(), QStringLiteral("Φόρμα επικοινωνίας"),
                                  loadTimeout);

        contact.showContact(false);
        QVERIFY(!contact.browser()->isVisible());
        QVERIFY(contact.addressPane()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(contact.browser()->url(), QUrl(QStringLiteral("about:blank")), loadTimeout);
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
        ContactWindow *contact = windows.contactWindow();
        contact->setContactPage(server.url(QStringLiteral("/velmarkmail.php")));
        menuItem(windows.mainWindow(), "N37")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(contact));
        QCOMPARE(contact->browser() && contact->browser()->isVisible(), internet());
        QCOMPARE(contact->addressPane()->isVisible(), !internet());
    }
};

VELMARK_WIDGET_TEST_MAIN(HelpWindowsTest)

#include "tst_helpwindows.moc"
