// The main window: composition, sizing, the state after start-up, status panels, the document mirror, the
// toolbox menu, the views and what a screen reader finds.
#include "app/core/programtexts.h"
#include "app/core/toolboxcaptions.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "core/programversion.h"
#include "editor/codepane.h"
#include "editor/core/charlook.h"
#include "entermainwindow.h"
#include "mainwindowparts.h"
#include "palette/core/tagdescriptions.h"
#include "palette/tagtip.h"
#include "palette/tagtoolbars.h"
#include "widgets/clickableimage.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"
#include "widgets/statuspanels.h"
#include "widgettestmain.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <memory>

namespace {

QColor colourAt(CodePane *pane, int line, int column)
{
    return pane->formatAt(pane->lineIndex(line) + column).foreground().color();
}

bool boldAt(CodePane *pane, int line, int column)
{
    return pane->formatAt(pane->lineIndex(line) + column).fontWeight() == QFont::Bold;
}

const QColor tagColour(64, 0, 128);

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compositionFromTheTop()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        QCOMPARE(p.Panel11->height(), 29);
        QCOMPARE(p.Panel12->height(), 23);
        QCOMPARE(p.Splitter6->height(), 3);
        const QList<QWidget *> upper{p.Panel11, p.Panel1, p.Panel12, p.Splitter6, p.Panel9};
        for (int i = 1; i < upper.size(); ++i)
            QCOMPARE(upper[i]->y(), upper[i - 1]->y() + upper[i - 1]->height());
        QCOMPARE(p.Panel9->y() + p.Panel9->height(), p.Panel8->height());

        QCOMPARE(p.Panel2->y(), 0);
        QCOMPARE(p.RichEdit1->y(), p.Panel2->height());
        QCOMPARE(p.Panel10->height(), 18);
        QCOMPARE(p.Panel10->y() + 18, p.Panel9->height());
        QCOMPARE(p.RichEdit1->y() + p.RichEdit1->height(), p.Panel10->y());
        for (size_t i = 0; i < 5; ++i) {
            QCOMPARE(p.toolbarRows[i]->y(), int(i) * 22);
            QCOMPARE(p.toolbarRows[i]->height(), 22);
        }
        QCOMPARE(p.StatusBar2->panelWidth(0), 170);
        QVERIFY(p.StatusBar2->panelWidth(3) >= 120);
        // The caret panel holds a long document's position whole.
        const QLabel *caret = p.StatusBar2->panelLabel(3);
        QVERIFY(caret->fontMetrics().horizontalAdvance(QStringLiteral("Στήλη: 249 - Γραμμή: 1234")) <
                p.StatusBar2->panelWidth(3));
        QCOMPARE(p.CheckBox1->parentWidget(), p.StatusBar2);
        QCOMPARE(p.CheckBox1->x(), p.StatusBar2->panelsWidth() + 15);
        QCOMPARE(p.Image1->parentWidget(), p.Panel10);
        QCOMPARE(p.Image1->x() + p.Image1->width(), p.Panel10->width());
    }

    void sizedFromTheScreen()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        QCOMPARE(f->frameGeometry().size(), QSize(1361, 705));
        QCOMPARE(p.Panel9->height(), 495);
        f->resize(f->width() - 10, f->height());
        QCOMPARE(p.RichEdit1->textMargins(), QMargins(40, 22, 12, 12));
    }

    void stateAfterStartup()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        QCOMPARE(p.Edit1->text(), QStringLiteral("about:blank"));
        QVERIFY(f->editingMode());
        QCOMPARE(p.StatusBar2->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 27"));
        QVERIFY(p.toolbarRows[5]->isHidden() && p.toolbarRows[6]->isHidden());
        QCOMPARE(p.Panel2->height(), 108);
        QVERIFY(p.RichEdit2->isHidden());
        QVERIFY(p.Splitter1->isHidden());
        QVERIFY(p.currentBar()->isHidden());
        QVERIFY(p.CheckBox1->isChecked());
        QCOMPARE(p.CheckBox1->text(),
                 QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Ενεργοποιημένο"));
        QCOMPARE(p.RichEdit1->lineCount(), 27);
        QCOMPARE(p.RichEdit1->line(1), QStringLiteral("  <HEAD>"));
        QCOMPARE(p.Memo1->toPlainText(),
                 p.RichEdit1->Text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QCOMPARE(colourAt(p.RichEdit1, 0, 0), tagColour);
        QVERIFY(boldAt(p.RichEdit1, 0, 5));
        QCOMPARE(colourAt(p.RichEdit1, 19, 14), QColor(0, 0, 0));
        QVERIFY(!boldAt(p.RichEdit1, 19, 14));
        QCOMPARE(p.toolboxItems[7]->text(), toolboxHideAllCaption());
        QCOMPARE(p.toolboxItems[5]->text(), toolboxRowCaption(5, false));
        QTRY_COMPARE_WITH_TIMEOUT(p.StatusBar1->panelText(0), ProgramTexts::authorCredit(), 20000);
        QCOMPARE(p.Edit1->text(), QStringLiteral("about:blank"));
    }

    void tagButtonInsertsAndFillsTheAttributeBar()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.RichEdit1->setSelStart(p.RichEdit1->lineIndex(7) + 8);
        auto *table = f->findChild<QToolButton *>(QStringLiteral("SpeedButton55"));
        QVERIFY(table);
        table->click();
        QCOMPARE(p.RichEdit1->line(7), QStringLiteral("  <BODY><TABLE>"));
        QCOMPARE(caretLine(p.RichEdit1), 7);
        QCOMPARE(caretColumn(p.RichEdit1), 15);
        QVERIFY(!p.currentBar()->isHidden());
        QVERIFY(p.currentBar()->findChild<QWidget *>(QStringLiteral("combo1")));
        QVERIFY(!p.RichEdit2->isHidden());
        QCOMPARE(p.StatusBar2->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 28"));

        p.Edit1->setText(QStringLiteral("http://127.0.0.1/"));
        const QString before = p.RichEdit1->Text();
        table->click();
        QCOMPARE(p.RichEdit1->Text(), before);
        QCOMPARE(p.RichEdit2->lineCount(), 0);
    }

    // Typing, Enter (which refreshes, re-indenting the typed line, then breaks the line) and then a tag
    // button: the line breaks after what was typed, the tag goes on the new line, and the program goes on
    // running.
    void tagButtonAfterTypingAndEnter()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.RichEdit1->setFocus();
        QTest::keyClick(p.RichEdit1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(p.RichEdit1, QStringLiteral("abc"));
        QTest::keyClick(p.RichEdit1, Qt::Key_Return);
        QToolButton *paragraph = nullptr;
        for (QToolButton *button : f->findChildren<QToolButton *>())
            if (button->text() == QLatin1String("<P>"))
                paragraph = button;
        QVERIFY(paragraph);
        const qsizetype paragraphsBefore = p.RichEdit1->Text().count(QLatin1String("<P>"));
        paragraph->click();
        QVERIFY2(p.RichEdit1->Text().contains(QLatin1String("abc\r\n<P>")), qPrintable(p.RichEdit1->Text()));
        QCOMPARE(p.RichEdit1->Text().count(QLatin1String("<P>")), paragraphsBefore + 1);
    }

    void tagHoverAndLeaveDriveTheTip()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        Q_EMIT f->tagToolbars()->tagHovered(QStringLiteral("</HTML>"));
        QVERIFY(windows->tagTip()->isVisible());
        QCOMPARE(windows->tagTip()->parentWidget(), static_cast<QWidget *>(p.StatusBar1));
        QCOMPARE(windows->tagTip()->descriptionLabel()->text(),
                 TagDescriptions::lookup(QStringLiteral("</HTML>")));
        Q_EMIT f->tagToolbars()->tagLeft(QStringLiteral("</HTML>"));
        QVERIFY(!windows->tagTip()->isVisible());
    }

    void doubleClickReindentsOnlyTheSecondLine()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QStringList welcome = ProgramTexts::welcomeDocument();
        QTest::mouseDClick(p.RichEdit1->viewport(), Qt::LeftButton, {}, QPoint(60, 30));
        QCOMPARE(p.RichEdit1->line(1), QStringLiteral("   <HEAD>"));
        for (int i = 0; i < welcome.size(); ++i)
            if (i != 1)
                QCOMPARE(p.RichEdit1->line(i), welcome[i]);
        QCOMPARE(p.StatusBar2->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 27"));
    }

    void undoTakesBackThePupilsCommandsOnly()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QString welcome = p.RichEdit1->Text();
        // The welcome page is loaded text: neither the menu's undo nor Ctrl+Z takes it back.
        p.menuItem("N36")->trigger();
        QTest::keyClick(p.RichEdit1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.RichEdit1->Text(), welcome);
        QCOMPARE(p.RichEdit1->lineCount(), 27);

        // A tag button is one step; undo puts the caret back where the tag went, so the next tag goes there.
        const int at = p.RichEdit1->lineIndex(7) + 8;
        p.RichEdit1->setSelStart(at);
        f->findChild<QToolButton *>(QStringLiteral("SpeedButton55"))->click();
        p.menuItem("N36")->trigger();
        QCOMPARE(p.RichEdit1->Text(), welcome);
        QCOMPARE(p.RichEdit1->SelStart(), at);
        QCOMPARE(p.Memo1->toPlainText(),
                 QString(welcome).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }

    void statusPanelsCountLinesAndCharacters()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.RichEdit1->setDocumentText(QStringLiteral("ab\r\nc"));
        QCOMPARE(p.StatusBar2->panelText(0), QStringLiteral("Αριθμός γραμμών: 2"));
        QCOMPARE(p.StatusBar2->panelText(1), QStringLiteral("Αριθμός χαρακτήρων: 3"));
        p.RichEdit1->setDocumentText(QStringLiteral("ab\nc\n"));
        QCOMPARE(p.StatusBar2->panelText(0), QStringLiteral("Αριθμός γραμμών: 2"));
        p.RichEdit1->setSelStart(0);
        QTest::keyClick(p.RichEdit1, Qt::Key_Right);
        QCOMPARE(p.StatusBar2->panelText(3), QStringLiteral("Στήλη: 1 - Γραμμή: 0"));
    }

    // Whatever writes the address bar sets the mode: only the exact text "about:blank" is editing mode.
    void addressBarTextIsTheMode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("editing");
        QTest::newRow("about:blank") << QStringLiteral("about:blank") << true;
        QTest::newRow("other letter case") << QStringLiteral("About:blank") << false;
        QTest::newRow("leading blank") << QStringLiteral(" about:blank") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("web address") << QStringLiteral("http://127.0.0.1/") << false;
    }

    void addressBarTextIsTheMode()
    {
        QFETCH(QString, text);
        QFETCH(bool, editing);
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.Edit1->setText(QStringLiteral("http://127.0.0.1/x"));
        QVERIFY(!f->editingMode());
        p.Edit1->setText(text);
        QCOMPARE(f->editingMode(), editing);
    }

    void mirrorFollowsOnlyInEditingMode()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.Edit1->setText(QStringLiteral("http://127.0.0.1/"));
        p.RichEdit1->setDocumentText(QStringLiteral("<P>browsing</P>"));
        QVERIFY(p.Memo1->toPlainText().isEmpty());
        p.Edit1->setText(QStringLiteral("about:blank"));
        p.RichEdit1->setDocumentText(QStringLiteral("<P>editing</P>"));
        QCOMPARE(p.Memo1->toPlainText(), QStringLiteral("<P>editing</P>"));
    }

    void toolboxMenuSequence()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.toolboxItems[5]->trigger(); // show row 6
        QVERIFY(!p.toolbarRows[5]->isHidden());
        QCOMPARE(p.Panel2->height(), 130);
        QCOMPARE(p.toolboxItems[5]->text(), toolboxRowCaption(5, true));
        QCOMPARE(p.toolboxItems[7]->text(), toolboxHideAllCaption());
        p.toolboxItems[7]->trigger(); // hide all
        for (QWidget *row : p.toolbarRows)
            QVERIFY(row->isHidden());
        QCOMPARE(p.Panel2->height(), 0);
        QCOMPARE(p.toolboxItems[7]->text(), toolboxShowAllCaption());
        p.toolboxItems[7]->trigger(); // show all
        for (QWidget *row : p.toolbarRows)
            QVERIFY(!row->isHidden());
        QCOMPARE(p.Panel2->height(), 154);
        QCOMPARE(p.toolboxItems[7]->text(), toolboxHideAllCaption());
        p.toolboxItems[0]->trigger(); // hide row 1
        QVERIFY(p.toolbarRows[0]->isHidden());
        QCOMPARE(p.Panel2->height(), 132);
        QCOMPARE(p.toolboxItems[0]->text(), toolboxRowCaption(0, false));
    }

    void viewsAndBackToTheInitialLayout()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QRect editorArea = p.Panel9->geometry();
        const QRect splitter = p.Splitter6->geometry();
        const QRect strip = p.Panel12->geometry();

        windows->mainWindow()->findChild<QAction *>(QStringLiteral("htmleditor1"))->trigger();
        QVERIFY(p.Panel1->isHidden() && p.Panel11->isHidden());
        QCOMPARE(p.Panel12->y(), 0);
        QCOMPARE(p.Panel9->y(), 23);
        QCOMPARE(p.Splitter6->y() + 3, p.Panel8->height());
        QVERIFY(p.CheckBox1->isChecked());

        windows->mainWindow()->findChild<QAction *>(QStringLiteral("Browser1"))->trigger();
        QVERIFY(p.Panel9->isHidden() && p.Splitter6->isHidden());
        QCOMPARE(p.Panel11->y(), 0);
        QCOMPARE(p.Panel12->y() + 23, p.Panel8->height());

        windows->mainWindow()->findChild<QAction *>(QStringLiteral("N40"))->trigger();
        QCOMPARE(p.Panel9->geometry(), editorArea);
        QCOMPARE(p.Splitter6->geometry(), splitter);
        QCOMPARE(p.Panel12->geometry(), strip);
        QVERIFY(!p.Panel1->isHidden() && !p.Panel11->isHidden());
    }

    void editorOnlyViewWhileBrowsingUnticksTheSwitch()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.Edit1->setText(QStringLiteral("http://127.0.0.1/page"));
        windows->mainWindow()->findChild<QAction *>(QStringLiteral("htmleditor1"))->trigger();
        QVERIFY(!p.CheckBox1->isChecked());
        QCOMPARE(p.CheckBox1->text(),
                 QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Απενεργοποιημένο"));
        QCOMPARE(colourAt(p.RichEdit1, 0, 0), QColor(0, 0, 0));
    }

    void menusCarryTheirItems()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        auto *n26 = f->findChild<QAction *>(QStringLiteral("N26"));
        QVERIFY(n26 && !n26->isVisible());
        for (const char *name : {"N2",  "N3",       "N18", "HTML2",    "HTML1", "N210", "N39",        "N16",
                                 "N17", "Unicode1", "N28", "N29",      "N30",   "N31",  "Clipboard1", "N32",
                                 "N33", "N6",       "N35", "Skolvik1", "Sch1",  "N38",  "N37"})
            QVERIFY2(f->findChild<QAction *>(QString::fromLatin1(name)), name);
        QStringList popup;
        for (QAction *a : p.PopupMenu1->actions())
            popup << a->text();
        QCOMPARE(popup, QStringList({QStringLiteral("Αναίρεση"), QStringLiteral("Αποκοπή"),
                                     QStringLiteral("Αντιγραφή"), QStringLiteral("Επικόλληση"),
                                     QStringLiteral("Επιλογή όλων")}));
    }

    void downloadProgressInBrowsingMode_data()
    {
        QTest::addColumn<int>("documentLines");
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("shown");
        // The last refresh of a document leaves the bar's maximum at its line count less one.
        QTest::newRow("room for every percent") << 201 << 50 << 25;
        QTest::newRow("maximum 9 from a ten-line document") << 10 << 80 << 9;
        QTest::newRow("one-line document: an empty range") << 1 << 80 << 0;
    }

    void downloadProgressInBrowsingMode()
    {
        QFETCH(int, documentLines);
        QFETCH(int, progress);
        QFETCH(int, shown);
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.RichEdit1->setDocumentText(QStringLiteral("<P>x</P>\n").repeated(documentLines).chopped(1));
        QTest::mouseDClick(p.RichEdit1->viewport(), Qt::LeftButton);
        QCOMPARE(p.RichEdit1->lineCount(), documentLines);
        // Qt draws an empty range as an endless "busy" animation; the bar never shows that.
        QVERIFY(p.ProgressBar1->maximum() > p.ProgressBar1->minimum());
        QCOMPARE(p.Label1->text(), QString::number(p.ProgressBar1->value()));

        Q_EMIT p.webbrowser1->progressChange(progress, 200);
        QCOMPARE(p.ProgressBar1->value(), documentLines - 1); // editing mode: the refresh's own position
        p.Edit1->setText(QStringLiteral("http://127.0.0.1/"));
        Q_EMIT p.webbrowser1->progressChange(progress, 200);
        QCOMPARE(p.ProgressBar1->value(), shown);
        QCOMPARE(p.Label1->text(), QString::number(shown));
        Q_EMIT p.webbrowser1->progressChange(-1, 200);
        Q_EMIT p.webbrowser1->progressChange(300, 200);
        QCOMPARE(p.ProgressBar1->value(), shown);

        // Back in the editor, a refresh's bar keeps no number of the download beside it.
        p.Edit1->setText(QStringLiteral("about:blank"));
        p.RichEdit1->setDocumentText(QStringLiteral("<P>x</P>\n").repeated(documentLines + 3));
        QTest::mouseDClick(p.RichEdit1->viewport(), Qt::LeftButton);
        QCOMPARE(p.ProgressBar1->value(), documentLines + 2);
        QCOMPARE(p.Label1->text(), QString::number(documentLines + 2));
    }

    void tabOrderFollowsTheVisualOrder()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QList<QWidget *> expected{p.SpeedButton1, p.SpeedButton2, p.SpeedButton3,
                                        p.Edit1,        p.SpeedButton5, p.SpeedButton4,
                                        p.RichEdit1,    p.RichEdit2,    p.CheckBox1};
        QList<QWidget *> met;
        QWidget *w = p.SpeedButton1;
        do {
            if (expected.contains(w) && !met.contains(w))
                met.append(w);
            w = w->nextInFocusChain();
        } while (w != p.SpeedButton1);
        QCOMPARE(met, expected);
    }

    void screenReaderNames()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QList<QPair<QWidget *, QString>> named{
            qMakePair<QWidget *, QString>(p.RichEdit1, QStringLiteral("Κώδικας HTML")),
            qMakePair<QWidget *, QString>(p.RichEdit2, QStringLiteral("Μηνύματα")),
            qMakePair<QWidget *, QString>(p.Edit1, QStringLiteral("Διεύθυνση")),
            qMakePair<QWidget *, QString>(p.SpeedButton1, QStringLiteral("Αρχική σελίδα")),
            qMakePair<QWidget *, QString>(p.SpeedButton2, QStringLiteral("Πίσω")),
            qMakePair<QWidget *, QString>(p.SpeedButton3, QStringLiteral("Εμπρός")),
            qMakePair<QWidget *, QString>(p.SpeedButton5, QStringLiteral("Μετάβαση")),
            qMakePair<QWidget *, QString>(p.SpeedButton4, QStringLiteral("Ανανέωση")),
            qMakePair<QWidget *, QString>(p.ProgressBar1, QStringLiteral("Πρόοδος")),
        };
        for (const auto &[widget, name] : named) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(iface);
            QCOMPARE(iface->text(QAccessible::Name), name);
        }
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(p.StatusBar2->panelLabel(2));
        QVERIFY(panel->text(QAccessible::Name).contains(QStringLiteral("27")) ||
                panel->text(QAccessible::Description).contains(QStringLiteral("27")));
    }

    // A notice covers the title panel for a while; a title that arrives meanwhile shows once it has gone, and
    // the printout's header reads the title all along.
    void noticeCoversTheTitleForAWhile()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        StatusPanels *bar = p.StatusBar1;
        // The welcome page's title first, which its load writes.
        QTRY_VERIFY_WITH_TIMEOUT(!bar->panelText(0).isEmpty(), 30000);
        const QString title = bar->panelText(0);
        bar->showNotice(0, QStringLiteral("Ειδοποίηση"), 300);
        QCOMPARE(bar->panelLabel(0)->text(), QStringLiteral("Ειδοποίηση"));
        QCOMPARE(bar->panelText(0), title);
        bar->setPanelText(0, QStringLiteral("Δεύτερος τίτλος"));
        QCOMPARE(bar->panelLabel(0)->text(), QStringLiteral("Ειδοποίηση"));
        QCOMPARE(bar->panelText(0), QStringLiteral("Δεύτερος τίτλος"));
        QTRY_COMPARE(bar->panelLabel(0)->text(), QStringLiteral("Δεύτερος τίτλος"));
        QCOMPARE(bar->notice(0), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(bar->panelLabel(0))->text(QAccessible::Description),
                 QStringLiteral("Δεύτερος τίτλος"));
    }

    // The title names the system the program runs on, not the one it was first written for.
    void titleNamesTheSystemItRunsOn()
    {
        auto windows = enterMainWindow();
        const QString title = windows->mainWindow()->windowTitle();
        QVERIFY2(title.startsWith(QStringLiteral("Velmark html Editor - Browser  (Έκδοση για ") +
                                  systemFamilyName() + QStringLiteral(")- Δημιουργός: ")),
                 qPrintable(title));
#ifdef Q_OS_LINUX
        QCOMPARE(systemFamilyName(), QStringLiteral("Linux"));
        QVERIFY(!title.contains(QStringLiteral("Windows")));
#endif
    }

    // Each button of the address row shows its own picture and says in Greek, as a tooltip and to a screen
    // reader, what it does; the home button is no folder, and go is no second forward arrow.
    void addressRowButtonsSayWhatTheyDo()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        const QList<QToolButton *> buttons{p.SpeedButton1, p.SpeedButton2, p.SpeedButton3, p.SpeedButton5,
                                           p.SpeedButton4};
        QList<QImage> pictures;
        for (QToolButton *button : buttons) {
            const QString tip = button->toolTip();
            QVERIFY2(tip.startsWith(button->accessibleName() + QStringLiteral(": ")), qPrintable(tip));
            QVERIFY2(tip.contains(QRegularExpression(QStringLiteral("\\p{Greek}{4,}"))), qPrintable(tip));
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(node->text(QAccessible::Description), tip);
            const QImage picture = button->icon().pixmap(QSize(20, 20)).toImage();
            QVERIFY(!picture.isNull());
            QVERIFY2(!pictures.contains(picture), qPrintable(button->objectName()));
            pictures.append(picture);
        }
        const QImage folder =
            p.SpeedButton1->style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(20, 20).toImage();
        QVERIFY(!pictures.contains(folder.convertToFormat(pictures.first().format())));

        // The tooltip shows where the pupil rests the mouse.
        QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), p.SpeedButton5->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(p.SpeedButton5, &rest);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), p.SpeedButton5->toolTip());
        QToolTip::hideText();
    }

    void emptiedMessagePaneHides()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        p.RichEdit1->setDocumentText(QStringLiteral("<P>\n<P>\n</P>"));
        QTest::mouseDClick(p.RichEdit1->viewport(), Qt::LeftButton);
        QVERIFY(!p.RichEdit2->isHidden() && !p.Splitter1->isHidden());
        // The simple page runs no check: the pane is emptied, and with nothing in it, it hides.
        p.menuItem("HTML1")->trigger();
        QCOMPARE(p.RichEdit2->lineCount(), 0);
        QVERIFY(p.RichEdit2->isHidden() && p.Splitter1->isHidden());
    }
};

VELMARK_WIDGET_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
