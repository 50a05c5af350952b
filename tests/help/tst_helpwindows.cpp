// The help windows as the pupil meets them through the "Βοήθεια" menu: the presentation, the about window and
// the contact window.
#include "app/form5.h"
#include "app/programwindows.h"
#include "help/form1.h"
#include "help/form2.h"
#include "help/form4.h"
#include "help/helppane.h"
#include "help/presentationtopics.h"
#include "localhttpserver.h"
#include "preview/connection.h"
#include "widgets/makerinfo.h"
#include "widgettestmain.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSplitter>
#include <QTextBlock>
#include <QWebEngineView>
#include <QtTest>

namespace {

constexpr int loadTimeout = 30000;

QAction *menuItem(TForm5 *form5, const char *name)
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
        TForm2 *form2 = windows.form2();
        menuItem(windows.form5(), "N35")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form2));
        QCOMPARE(form2->windowTitle(), QStringLiteral("Παρουσίαση"));
        QCOMPARE(form2->size(), QSize(770, 562));
        QCOMPARE(form2->ListBox1->count(), 22);
        QCOMPARE(form2->ListBox1->item(3)->text(), QStringLiteral("  - Εργαλειοθήκη 1"));
        // 184 pixels, or wider where the font needs it: no entry is cut short.
        QVERIFY(form2->Panel2->width() >= 184);
        for (int i = 0; i < form2->ListBox1->count(); ++i)
            QVERIFY(form2->ListBox1->fontMetrics().horizontalAdvance(form2->ListBox1->item(i)->text()) <=
                    form2->ListBox1->viewport()->width());
        QVERIFY(form2->RichEdit1->lines().isEmpty());
        QVERIFY(form2->RichEdit1->isReadOnly());

        // Closing only hides; the pane keeps the last topic.
        form2->ListBox1->setCurrentRow(19);
        form2->close();
        QVERIFY(!form2->isVisible());
        menuItem(windows.form5(), "N35")->trigger();
        QVERIFY(form2->isVisible());
        QCOMPARE(form2->RichEdit1->lines(), topicTexts(19));
    }

    // Clicks and arrow keys show each topic whole, never mixed with the one before.
    void arrowKeysWalkTheTopics()
    {
        TForm2 form2;
        form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form2));
        QListWidget *list = form2.ListBox1;
        const QRect first = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(form2.RichEdit1->lines(), topicTexts(0));
        for (int i = 1; i < list->count(); ++i) {
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentRow(), i);
            QCOMPARE(form2.RichEdit1->lines(), topicTexts(i));
            QVERIFY2(everyLineBold(form2.RichEdit1), qPrintable(list->item(i)->text()));
        }
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(form2.RichEdit1->lines(), topicTexts(20));
        // Choosing the same entry again rebuilds the same text.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(20)).center());
        QCOMPARE(form2.RichEdit1->lines(), topicTexts(20));
    }

    void listTopicColours()
    {
        TForm2 form2;
        form2.ListBox1->setCurrentRow(3);
        QCOMPARE(lineColour(form2.RichEdit1, 0), QColor(168, 0, 0));
        QCOMPARE(form2.RichEdit1->lines().at(2), QStringLiteral("Περιέχει τις εξής Ετικέτες:"));
        QCOMPARE(lineColour(form2.RichEdit1, 2), QColor(0, 0, 0));
        QCOMPARE(lineColour(form2.RichEdit1, 4), QColor(64, 0, 128));
        QCOMPARE(lineColour(form2.RichEdit1, 5), QColor(64, 0, 128));
    }

    void paneCanBeCopiedButNotEdited()
    {
        TForm2 form2;
        form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form2));
        form2.ListBox1->setCurrentRow(19);
        const QStringList before = form2.RichEdit1->lines();
        form2.RichEdit1->setFocus();
        QTest::keyClick(form2.RichEdit1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form2.RichEdit1, QStringLiteral("xyz"));
        QTest::keyClick(form2.RichEdit1, Qt::Key_Delete);
        QCOMPARE(form2.RichEdit1->lines(), before);
        QVERIFY(form2.RichEdit1->textCursor().hasSelection());
    }

    void splitterWidensTheList()
    {
        TForm2 form2;
        form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form2));
        QSplitter *splitter = form2.Splitter1;
        const int before = form2.Panel2->width();
        QWidget *handle = splitter->handle(1);
        const QPoint start = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(60, 0)),
                         QPointF(handle->mapToGlobal(start + QPoint(60, 0))), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(60, 0));
        QCOMPARE(form2.Panel2->width(), before + 60);
        QCOMPARE(form2.Panel4->width(), form2.RichEdit1->width());
    }

    // Shown twice, with a close in between, the about window holds one banner and one set of texts.
    void aboutShownTwiceHoldsOneText()
    {
        ProgramWindows windows;
        TForm4 *form4 = windows.form4();
        menuItem(windows.form5(), "N6")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form4));
        QCOMPARE(form4->windowTitle(), QStringLiteral("Σχετικά με τον Velmark Html Editor-Browser"));
        QCOMPARE(form4->size(), QSize(303, 394));
        QCOMPARE(form4->minimumSize(), form4->maximumSize());
        const QStringList first = form4->RichEdit1->lines();
        QCOMPARE(first.size(), 8);
        QCOMPARE(first.at(4), QStringLiteral(" Έκδοση: 1.2.1"));
        QVERIFY(everyLineBold(form4->RichEdit1));
        QCOMPARE(lineColour(form4->RichEdit1, 0), QColor(0, 0, 0));
        QCOMPARE(lineColour(form4->RichEdit1, 4), QColor(64, 0, 128));

        form4->close();
        menuItem(windows.form5(), "N6")->trigger();
        QVERIFY(form4->isVisible());
        menuItem(windows.form5(), "N6")->trigger();
        QCOMPARE(form4->RichEdit1->lines(), first);
        QCOMPARE(form4->findChildren<QLabel *>().size(), 2);
        QCOMPARE(form4->Image1->height(), 81);
        QCOMPARE(form4->Image1->width(), 303);
        QCOMPARE(form4->Label1->height(), 42);
        QCOMPARE(form4->Label1->text(), MakerInfo::emails().join('\n'));
        // The text takes no focus and cannot be selected.
        QCOMPARE(form4->RichEdit1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(form4->RichEdit1->textInteractionFlags(), Qt::NoTextInteraction);
    }

    void contactOffline()
    {
        TForm1 form1;
        form1.showContact(false);
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QCOMPARE(form1.windowTitle(), "Επικοινωνία (" + MakerInfo::emails().join(" , ") + ")");
        QCOMPARE(form1.size(), QSize(451, 526));
        // Used offline only, the window has started no browser at all.
        QVERIFY(!form1.WebBrowser1);
        QVERIFY(form1.RichEdit1->isVisible());
        const QStringList lines = form1.RichEdit1->lines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(2), " - " + MakerInfo::emails().at(0));
        QCOMPARE(lineColour(form1.RichEdit1, 2), QColor(215, 0, 0));
        QCOMPARE(lines.at(4), " - " + MakerInfo::emails().at(1));
        QCOMPARE(lineColour(form1.RichEdit1, 4), QColor(169, 0, 0));
        // A second use writes the text anew, not after the first.
        form1.showContact(false);
        QCOMPARE(form1.RichEdit1->lines(), lines);
    }

    // Online the browser alone shows the contact page; a later offline use shows the addresses instead.
    void contactOnlineThenOffline()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("/velmarkmail.php"), "text/html; charset=utf-8",
                     QByteArray("<html><head><title>Φόρμα επικοινωνίας</title></head><body>Γράψτε μας</body>"
                                "</html>"));
        QSignalSpy requests(&server, &LocalHttpServer::requested);
        TForm1 form1;
        QCOMPARE(form1.contactPage(), QUrl(MakerInfo::contactPage()));
        form1.setContactPage(server.url(QStringLiteral("/velmarkmail.php")));
        form1.showContact(true);
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QVERIFY(form1.WebBrowser1->isVisible());
        QVERIFY(!form1.RichEdit1->isVisible());
        QVERIFY(form1.RichEdit1->lines().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!requests.isEmpty(), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(form1.WebBrowser1->title(), QStringLiteral("Φόρμα επικοινωνίας"),
                                  loadTimeout);

        form1.showContact(false);
        QVERIFY(!form1.WebBrowser1->isVisible());
        QVERIFY(form1.RichEdit1->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(form1.WebBrowser1->url(), QUrl(QStringLiteral("about:blank")), loadTimeout);
    }

    // The menu entry asks the connection query and shows the matching variant.
    void contactMenuFollowsTheConnection()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("/velmarkmail.php"), "text/html",
                     QByteArray("<html><body>ok</body></html>"));
        ProgramWindows windows;
        TForm1 *form1 = windows.form1();
        form1->setContactPage(server.url(QStringLiteral("/velmarkmail.php")));
        menuItem(windows.form5(), "N37")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
        QCOMPARE(form1->WebBrowser1 && form1->WebBrowser1->isVisible(), internet());
        QCOMPARE(form1->RichEdit1->isVisible(), !internet());
    }
};

VELMARK_WIDGET_TEST_MAIN(HelpWindowsTest)

#include "tst_helpwindows.moc"
