// Code assistance in the main window, driven as a pupil drives it: typing into the code pane, clicking in it
// and choosing from the Events menu.
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "assist/valuepopup.h"
#include "editor/codepane.h"
#include "entermainwindow.h"
#include "mainwindowparts.h"
#include "palette/tagtoolbars.h"
#include "preview/previewpane.h"
#include "widgets/statuspanels.h"
#include "widgettestmain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Replaces the document and puts the caret at a line and column, as the pupil would with the mouse.
void startWith(const MainWindowParts &f, const QString &text, int line, int column)
{
    f.codePane->setDocumentText(text);
    f.codePane->setSelectionStart(f.codePane->lineIndex(line) + column);
    f.codePane->setFocus();
}

// The visible controls of the attribute bar from left to right: a button by its caption, a box by its name.
QStringList barContents(const MainWindowParts &f)
{
    QWidget *bar = f.currentBar();
    bar->layout()->activate();
    QList<QWidget *> controls;
    for (QWidget *child : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            controls.append(child);
    std::sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    QStringList contents;
    for (QWidget *control : controls) {
        if (auto *button = qobject_cast<QToolButton *>(control))
            contents.append(button->text());
        else
            contents.append(control->objectName());
    }
    return contents;
}

// Clicks in the code pane on a character position, as a pupil places the caret with the mouse.
void clickAt(CodePane *pane, int position)
{
    QTextCursor cursor(pane->document());
    cursor.setPosition(position);
    const QPoint point = pane->cursorRect(cursor).center();
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, point);
}

QStringList itemsOf(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

const QStringList alignments{"left", "right", "center", "top", "middle", "bottom", "justify"};

} // namespace

class CodeAssistTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blankAfterTagNameFillsTheBar_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("bar");

        QTest::newRow("table in small letters")
            << "<table "
            << QStringList{R"(bgcolor="#")", R"(style="")", R"(cellspacing="")", R"(cellpadding="")",
                           R"(border="")",   R"(align="")", R"(frame="")",       R"(rules="")",
                           "sortable",       "combo1"};
        QTest::newRow("link with its address") << "<A HREF " << QStringList{"combo1"};
        QTest::newRow("deleted text") << "<DEL " << QStringList{R"(datetime="")", R"(cite="")", "combo1"};
        QTest::newRow("closing tag") << "</TABLE " << QStringList{};
        QTest::newRow("mixed case") << "<Table " << QStringList{};
        QTest::newRow("after an attribute") << R"(<TABLE border="1" )" << QStringList{};
    }

    void blankAfterTagNameFillsTheBar()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, bar);
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        startWith(f, QStringLiteral("<P>\n\n</P>"), 1, 0);
        QTest::keyClicks(f.codePane, typed);
        // The key is typed as it was pressed, letter case and blank included.
        QCOMPARE(f.codePane->line(1), typed);
        QCOMPARE(f.currentBar()->isHidden(), bar.isEmpty());
        if (!bar.isEmpty())
            QCOMPARE(barContents(f), bar);
        QVERIFY(f.messagePane->isHidden());
    }

    void attributeButtonAfterTheBlankGivesAWellFormedTag()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        startWith(f, QStringLiteral("<A>link</A>"), 0, 2);
        QTest::keyClick(f.codePane, Qt::Key_Space);
        QToolButton *href = nullptr;
        for (QToolButton *button : f.currentBar()->findChildren<QToolButton *>())
            if (button->text() == QLatin1String(R"(href="")"))
                href = button;
        QVERIFY(href);
        href->click();
        QCOMPARE(f.codePane->line(0), QStringLiteral(R"(<A href="">link</A>)"));
    }

    void enterRefreshesThenBreaksTheLineAfterWhatWasTyped()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        startWith(f, QStringLiteral("<P>\ntext here"), 1, 9);
        QTest::keyClick(f.codePane, Qt::Key_Return);
        // The line under the tag line is re-indented first; the caret goes back after the same character of
        // the text, three columns further on, and the break goes in there: after what was typed, not inside
        // it.
        QCOMPARE(f.codePane->line(1), QStringLiteral("   text here"));
        QCOMPARE(f.codePane->line(2), QString());
        QCOMPARE(caretLine(f.codePane), 2);
        QCOMPARE(caretColumn(f.codePane), 0);
        // The unclosed paragraph is reported and the preview shows the refreshed document.
        QVERIFY(!f.messagePane->isHidden());
        QVERIFY(f.messagePane->lineCount() > 0);
        QCOMPARE(f.documentStatus->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 1"));
        auto body = std::make_shared<QString>();
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                f.preview->readBodyMarkup([body](const QString &markup) { *body = markup; });
                return body->contains(QLatin1String("text here"));
            }(),
            20000);
    }

    void keysWhileBrowsingAreTypedWithoutRefresh()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        startWith(f, QStringLiteral("<P>\ntext"), 1, 4);
        f.addressBar->setText(QStringLiteral("http://127.0.0.1/"));
        QTest::keyClicks(f.codePane, QStringLiteral("<table "));
        QTest::keyClick(f.codePane, Qt::Key_Return);
        QCOMPARE(f.codePane->line(1), QStringLiteral("text<table "));
        QCOMPARE(f.codePane->document()->blockCount(), 3);
        QVERIFY(f.currentBar()->isHidden());
    }

    void alignPopupInsertsBetweenTheQuotes()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        ValuePopup *popup = windows->valuePopup();
        startWith(f, QStringLiteral(R"(<P align="center">x</P>)"), 0, 0);
        QWidget *const activeBefore = QApplication::activeWindow();
        clickAt(f.codePane, 10);
        QCOMPARE(f.codePane->selectionStart(), 10);
        QVERIFY(!f.currentBar()->isHidden());
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(itemsOf(popup->valueBox()), alignments);
        // The popup leaves the keyboard with the code pane and stands inside the screen.
        QTRY_COMPARE(QApplication::activeWindow(), activeBefore);
        QCOMPARE(f.codePane->hasFocus(), activeBefore == f.w);
        const QRect screen = popup->screen()->availableGeometry();
        QVERIFY(screen.contains(popup->frameGeometry()));
        // The popup stands under the pointer: the wheel turned to scroll the code picks nothing.
        const QPointF middle(popup->valueBox()->width() / 2.0, popup->valueBox()->height() / 2.0);
        QWheelEvent wheel(middle, popup->valueBox()->mapToGlobal(middle), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(popup->valueBox(), &wheel);
        QCOMPARE(f.codePane->line(0), QStringLiteral(R"(<P align="center">x</P>)"));
        QVERIFY(popup->isVisible());
        // An arrow key on the closed box picks the first value.
        QTest::keyClick(popup->valueBox(), Qt::Key_Down);
        QCOMPARE(f.codePane->line(0), QStringLiteral(R"(<P align="leftcenter">x</P>)"));
        QVERIFY(!popup->isVisible());
        QCOMPARE(popup->valueBox()->count(), 0);
    }

    void typeLookupShowsEveryHitInTurn()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        ValuePopup *popup = windows->valuePopup();
        startWith(f, QStringLiteral(R"(<INPUT type="" name="video">)"), 0, 0);
        clickAt(f.codePane, 13);
        QTRY_COMPARE(itemsOf(popup->valueBox()).value(0), QStringLiteral("button"));
        QTRY_COMPARE(itemsOf(popup->valueBox()), QStringList({"video/mp4", "video/ogg"}));
        // The last list stays: nothing else is waiting to replace or close it.
        QVERIFY(!popup->isPending());
        QCoreApplication::processEvents();
        QCOMPARE(itemsOf(popup->valueBox()), QStringList({"video/mp4", "video/ogg"}));
        QVERIFY(popup->isVisible());
    }

    void keyDuringTheDelayCancelsThePopup()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        ValuePopup *popup = windows->valuePopup();
        startWith(f, QStringLiteral(R"(<P align="">x</P>)"), 0, 0);
        clickAt(f.codePane, 10);
        QVERIFY(popup->isPending());
        QTest::keyClick(f.codePane, Qt::Key_R);
        // Nothing is waiting any more, so the popup never comes.
        QTRY_VERIFY(!popup->isPending());
        QCoreApplication::processEvents();
        QVERIFY(!popup->isVisible());
        QCOMPARE(f.codePane->line(0), QStringLiteral(R"(<P align="r">x</P>)"));
    }

    void clickOrTipDuringTheDelayCancelsThePopup_data()
    {
        QTest::addColumn<bool>("tip");
        QTest::newRow("click on the address bar") << false;
        QTest::newRow("tag description shown") << true;
    }

    void clickOrTipDuringTheDelayCancelsThePopup()
    {
        QFETCH(bool, tip);
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        ValuePopup *popup = windows->valuePopup();
        startWith(f, QStringLiteral(R"(<P align="">x</P>)"), 0, 0);
        clickAt(f.codePane, 10);
        QVERIFY(popup->isPending());
        if (tip)
            Q_EMIT windows->mainWindow()->tagToolbars()->tagHovered(QStringLiteral("<P>"));
        else
            QTest::mouseClick(f.addressBar, Qt::LeftButton);
        QTRY_VERIFY(!popup->isPending());
        QCoreApplication::processEvents();
        QVERIFY(!popup->isVisible());
    }

    void popupClosesWithoutInserting_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("typing into it") << "type";
        QTest::newRow("typing in the code pane") << "code";
        QTest::newRow("window resized") << "resize";
    }

    void popupClosesWithoutInserting()
    {
        QFETCH(QString, how);
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        ValuePopup *popup = windows->valuePopup();
        startWith(f, QStringLiteral(R"(<TABLE rules="">)"), 0, 0);
        clickAt(f.codePane, 14);
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->valueBox()->count(), 5);
        if (how == QLatin1String("type"))
            QTest::keyClick(popup->valueBox()->lineEdit(), Qt::Key_A);
        else if (how == QLatin1String("code"))
            QTest::keyClick(f.codePane, Qt::Key_A);
        else
            f.w->resize(f.w->width() - 20, f.w->height());
        QVERIFY(!popup->isVisible());
        QCOMPARE(popup->valueBox()->count(), 0);
        const QString expected = how == QLatin1String("code") ? QStringLiteral(R"(<TABLE rules="a">)")
                                                              : QStringLiteral(R"(<TABLE rules="">)");
        QCOMPARE(f.codePane->line(0), expected);
    }

    void noPopupWhileBrowsing()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        startWith(f, QStringLiteral(R"(<P align="">x</P>)"), 0, 0);
        f.addressBar->setText(QStringLiteral("http://127.0.0.1/"));
        clickAt(f.codePane, 10);
        QVERIFY(!windows->valuePopup()->isPending());
        QVERIFY(f.currentBar()->isHidden());
    }

    void eventsMenuBuildsItsBoxes()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        startWith(f, QStringLiteral("<P >x</P>"), 0, 3);
        const QString before = f.codePane->text();
        auto trigger = [&f](const char *name) { f.menuItem(name)->trigger(); };
        trigger("N31");
        trigger("N31");
        QVERIFY(!f.currentBar()->isHidden());
        QCOMPARE(barContents(f), QStringList{"combo5"});
        auto *mouse = f.currentBar()->findChild<QComboBox *>(QStringLiteral("combo5"));
        QCOMPARE(mouse->currentText(), QStringLiteral("Γεγ. Ποντικιού"));
        QCOMPARE(mouse->count(), 16);
        QVERIFY(mouse->width() >= 145);
        QVERIFY(mouse->lineEdit()->width() >= mouse->fontMetrics().horizontalAdvance(mouse->currentText()));
        for (const char *name : {"N28", "N29", "N30", "Clipboard1", "N32", "N33"})
            trigger(name);
        QCOMPARE(barContents(f),
                 QStringList({"combo7", "combo8", "combo6", "combo4", "combo3", "combo2", "combo5"}));
        QCOMPARE(f.currentBar()->findChild<QComboBox *>(QStringLiteral("combo6"))->currentText(),
                 QStringLiteral("Γεγ. ΠΛηκτρολογίου"));
        // Building and filling the boxes inserted nothing; a pick inserts the attribute with an empty value.
        QCOMPARE(f.codePane->text(), before);
        QTest::keyClick(mouse, Qt::Key_Down);
        QCOMPARE(f.codePane->line(0), QStringLiteral(R"(<P onclick="">x</P>)"));
        QCOMPARE(mouse->currentText(), QStringLiteral(R"(onclick="")"));

        // A tag button rebuilds the bar without them.
        f.get<QToolButton>("SpeedButton14")->click();
        QCOMPARE(barContents(f), QStringList({R"(align="")", "combo1"}));
    }

    void eventsMenuWhileBrowsingBuildsButDoesNotInsert()
    {
        auto windows = enterMainWindow();
        MainWindowParts f(windows->mainWindow());
        startWith(f, QStringLiteral("<P >x</P>"), 0, 3);
        f.addressBar->setText(QStringLiteral("http://127.0.0.1/"));
        f.menuItem("Clipboard1")->trigger();
        auto *clipboard = f.currentBar()->findChild<QComboBox *>(QStringLiteral("combo6"));
        QVERIFY(clipboard && !f.currentBar()->isHidden());
        QTest::keyClick(clipboard, Qt::Key_Down);
        QCOMPARE(f.codePane->line(0), QStringLiteral("<P >x</P>"));
    }
};

VELMARK_WIDGET_TEST_MAIN(CodeAssistTest)
#include "tst_codeassist.moc"
