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
        QCOMPARE(p.addressRow->height(), 29);
        QCOMPARE(p.browserStrip->height(), 23);
        QCOMPARE(p.previewSplitter->height(), 3);
        const QList<QWidget *> upper{p.addressRow, p.previewPanel, p.browserStrip, p.previewSplitter,
                                     p.editorArea};
        for (int i = 1; i < upper.size(); ++i)
            QCOMPARE(upper[i]->y(), upper[i - 1]->y() + upper[i - 1]->height());
        QCOMPARE(p.editorArea->y() + p.editorArea->height(), p.frame->height());

        QCOMPARE(p.toolbarArea->y(), 0);
        QCOMPARE(p.codePane->y(), p.toolbarArea->height());
        QCOMPARE(p.lowerStrip->height(), 18);
        QCOMPARE(p.lowerStrip->y() + 18, p.editorArea->height());
        QCOMPARE(p.codePane->y() + p.codePane->height(), p.lowerStrip->y());
        for (size_t i = 0; i < 5; ++i) {
            QCOMPARE(p.toolbarRows[i]->y(), int(i) * 22);
            QCOMPARE(p.toolbarRows[i]->height(), 22);
        }
        QCOMPARE(p.documentStatus->panelWidth(0), 170);
        QVERIFY(p.documentStatus->panelWidth(3) >= 120);
        // The caret panel holds a long document's position whole.
        const QLabel *caret = p.documentStatus->panelLabel(3);
        QVERIFY(caret->fontMetrics().horizontalAdvance(QStringLiteral("Στήλη: 249 - Γραμμή: 1234")) <
                p.documentStatus->panelWidth(3));
        QCOMPARE(p.graphicalSwitch->parentWidget(), p.documentStatus);
        QCOMPARE(p.graphicalSwitch->x(), p.documentStatus->panelsWidth() + 15);
        QCOMPARE(p.makerLogo->parentWidget(), p.lowerStrip);
        QCOMPARE(p.makerLogo->x() + p.makerLogo->width(), p.lowerStrip->width());
    }

    void sizedFromTheScreen()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        QCOMPARE(f->frameGeometry().size(), QSize(1361, 705));
        QCOMPARE(p.editorArea->height(), 495);
        f->resize(f->width() - 10, f->height());
        QCOMPARE(p.codePane->textMargins(), QMargins(40, 22, 12, 12));
    }

    void stateAfterStartup()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        QCOMPARE(p.addressBar->text(), QStringLiteral("about:blank"));
        QVERIFY(f->editingMode());
        QCOMPARE(p.documentStatus->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 27"));
        QVERIFY(p.toolbarRows[5]->isHidden() && p.toolbarRows[6]->isHidden());
        QCOMPARE(p.toolbarArea->height(), 108);
        QVERIFY(p.messagePane->isHidden());
        QVERIFY(p.messageSplitter->isHidden());
        QVERIFY(p.currentBar()->isHidden());
        QVERIFY(p.graphicalSwitch->isChecked());
        QCOMPARE(p.graphicalSwitch->text(),
                 QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Ενεργοποιημένο"));
        QCOMPARE(p.codePane->lineCount(), 27);
        QCOMPARE(p.codePane->line(1), QStringLiteral("  <HEAD>"));
        QCOMPARE(p.mirrorPane->toPlainText(),
                 p.codePane->text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QCOMPARE(colourAt(p.codePane, 0, 0), tagColour);
        QVERIFY(boldAt(p.codePane, 0, 5));
        QCOMPARE(colourAt(p.codePane, 19, 14), QColor(0, 0, 0));
        QVERIFY(!boldAt(p.codePane, 19, 14));
        QCOMPARE(p.toolboxItems[7]->text(), toolboxHideAllCaption());
        QCOMPARE(p.toolboxItems[5]->text(), toolboxRowCaption(5, false));
        QTRY_COMPARE_WITH_TIMEOUT(p.titleBar->panelText(0), ProgramTexts::authorCredit(), 20000);
        QCOMPARE(p.addressBar->text(), QStringLiteral("about:blank"));
    }

    void tagButtonInsertsAndFillsTheAttributeBar()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.codePane->setSelectionStart(p.codePane->lineIndex(7) + 8);
        auto *table = f->findChild<QToolButton *>(QStringLiteral("SpeedButton55"));
        QVERIFY(table);
        table->click();
        QCOMPARE(p.codePane->line(7), QStringLiteral("  <BODY><TABLE>"));
        QCOMPARE(caretLine(p.codePane), 7);
        QCOMPARE(caretColumn(p.codePane), 15);
        QVERIFY(!p.currentBar()->isHidden());
        QVERIFY(p.currentBar()->findChild<QWidget *>(QStringLiteral("combo1")));
        QVERIFY(!p.messagePane->isHidden());
        QCOMPARE(p.documentStatus->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 28"));

        p.addressBar->setText(QStringLiteral("http://127.0.0.1/"));
        const QString before = p.codePane->text();
        table->click();
        QCOMPARE(p.codePane->text(), before);
        QCOMPARE(p.messagePane->lineCount(), 0);
    }

    // Typing, Enter (which refreshes, re-indenting the typed line, then breaks the line) and then a tag
    // button: the line breaks after what was typed, the tag goes on the new line, and the program goes on
    // running.
    void tagButtonAfterTypingAndEnter()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.codePane->setFocus();
        QTest::keyClick(p.codePane, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(p.codePane, QStringLiteral("abc"));
        QTest::keyClick(p.codePane, Qt::Key_Return);
        QToolButton *paragraph = nullptr;
        for (QToolButton *button : f->findChildren<QToolButton *>())
            if (button->text() == QLatin1String("<P>"))
                paragraph = button;
        QVERIFY(paragraph);
        const qsizetype paragraphsBefore = p.codePane->text().count(QLatin1String("<P>"));
        paragraph->click();
        QVERIFY2(p.codePane->text().contains(QLatin1String("abc\r\n<P>")), qPrintable(p.codePane->text()));
        QCOMPARE(p.codePane->text().count(QLatin1String("<P>")), paragraphsBefore + 1);
    }

    void tagHoverAndLeaveDriveTheTip()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        Q_EMIT f->tagToolbars()->tagHovered(QStringLiteral("</HTML>"));
        QVERIFY(windows->tagTip()->isVisible());
        QCOMPARE(windows->tagTip()->parentWidget(), static_cast<QWidget *>(p.titleBar));
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
        QTest::mouseDClick(p.codePane->viewport(), Qt::LeftButton, {}, QPoint(60, 30));
        QCOMPARE(p.codePane->line(1), QStringLiteral("   <HEAD>"));
        for (int i = 0; i < welcome.size(); ++i)
            if (i != 1)
                QCOMPARE(p.codePane->line(i), welcome[i]);
        QCOMPARE(p.documentStatus->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 27"));
    }

    void undoTakesBackThePupilsCommandsOnly()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QString welcome = p.codePane->text();
        // The welcome page is loaded text: neither the menu's undo nor Ctrl+Z takes it back.
        p.menuItem("N36")->trigger();
        QTest::keyClick(p.codePane, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.codePane->text(), welcome);
        QCOMPARE(p.codePane->lineCount(), 27);

        // A tag button is one step; undo puts the caret back where the tag went, so the next tag goes there.
        const int at = p.codePane->lineIndex(7) + 8;
        p.codePane->setSelectionStart(at);
        f->findChild<QToolButton *>(QStringLiteral("SpeedButton55"))->click();
        p.menuItem("N36")->trigger();
        QCOMPARE(p.codePane->text(), welcome);
        QCOMPARE(p.codePane->selectionStart(), at);
        QCOMPARE(p.mirrorPane->toPlainText(),
                 QString(welcome).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }

    void statusPanelsCountLinesAndCharacters()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.codePane->setDocumentText(QStringLiteral("ab\r\nc"));
        QCOMPARE(p.documentStatus->panelText(0), QStringLiteral("Αριθμός γραμμών: 2"));
        QCOMPARE(p.documentStatus->panelText(1), QStringLiteral("Αριθμός χαρακτήρων: 3"));
        p.codePane->setDocumentText(QStringLiteral("ab\nc\n"));
        QCOMPARE(p.documentStatus->panelText(0), QStringLiteral("Αριθμός γραμμών: 2"));
        p.codePane->setSelectionStart(0);
        QTest::keyClick(p.codePane, Qt::Key_Right);
        QCOMPARE(p.documentStatus->panelText(3), QStringLiteral("Στήλη: 1 - Γραμμή: 0"));
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
        p.addressBar->setText(QStringLiteral("http://127.0.0.1/x"));
        QVERIFY(!f->editingMode());
        p.addressBar->setText(text);
        QCOMPARE(f->editingMode(), editing);
    }

    void mirrorFollowsOnlyInEditingMode()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.addressBar->setText(QStringLiteral("http://127.0.0.1/"));
        p.codePane->setDocumentText(QStringLiteral("<P>browsing</P>"));
        QVERIFY(p.mirrorPane->toPlainText().isEmpty());
        p.addressBar->setText(QStringLiteral("about:blank"));
        p.codePane->setDocumentText(QStringLiteral("<P>editing</P>"));
        QCOMPARE(p.mirrorPane->toPlainText(), QStringLiteral("<P>editing</P>"));
    }

    void toolboxMenuSequence()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.toolboxItems[5]->trigger(); // show row 6
        QVERIFY(!p.toolbarRows[5]->isHidden());
        QCOMPARE(p.toolbarArea->height(), 130);
        QCOMPARE(p.toolboxItems[5]->text(), toolboxRowCaption(5, true));
        QCOMPARE(p.toolboxItems[7]->text(), toolboxHideAllCaption());
        p.toolboxItems[7]->trigger(); // hide all
        for (QWidget *row : p.toolbarRows)
            QVERIFY(row->isHidden());
        QCOMPARE(p.toolbarArea->height(), 0);
        QCOMPARE(p.toolboxItems[7]->text(), toolboxShowAllCaption());
        p.toolboxItems[7]->trigger(); // show all
        for (QWidget *row : p.toolbarRows)
            QVERIFY(!row->isHidden());
        QCOMPARE(p.toolbarArea->height(), 154);
        QCOMPARE(p.toolboxItems[7]->text(), toolboxHideAllCaption());
        p.toolboxItems[0]->trigger(); // hide row 1
        QVERIFY(p.toolbarRows[0]->isHidden());
        QCOMPARE(p.toolbarArea->height(), 132);
        QCOMPARE(p.toolboxItems[0]->text(), toolboxRowCaption(0, false));
    }

    void viewsAndBackToTheInitialLayout()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QRect editorArea = p.editorArea->geometry();
        const QRect splitter = p.previewSplitter->geometry();
        const QRect strip = p.browserStrip->geometry();

        windows->mainWindow()->findChild<QAction *>(QStringLiteral("htmleditor1"))->trigger();
        QVERIFY(p.previewPanel->isHidden() && p.addressRow->isHidden());
        QCOMPARE(p.browserStrip->y(), 0);
        QCOMPARE(p.editorArea->y(), 23);
        QCOMPARE(p.previewSplitter->y() + 3, p.frame->height());
        QVERIFY(p.graphicalSwitch->isChecked());

        windows->mainWindow()->findChild<QAction *>(QStringLiteral("Browser1"))->trigger();
        QVERIFY(p.editorArea->isHidden() && p.previewSplitter->isHidden());
        QCOMPARE(p.addressRow->y(), 0);
        QCOMPARE(p.browserStrip->y() + 23, p.frame->height());

        windows->mainWindow()->findChild<QAction *>(QStringLiteral("N40"))->trigger();
        QCOMPARE(p.editorArea->geometry(), editorArea);
        QCOMPARE(p.previewSplitter->geometry(), splitter);
        QCOMPARE(p.browserStrip->geometry(), strip);
        QVERIFY(!p.previewPanel->isHidden() && !p.addressRow->isHidden());
    }

    void editorOnlyViewWhileBrowsingUnticksTheSwitch()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.addressBar->setText(QStringLiteral("http://127.0.0.1/page"));
        windows->mainWindow()->findChild<QAction *>(QStringLiteral("htmleditor1"))->trigger();
        QVERIFY(!p.graphicalSwitch->isChecked());
        QCOMPARE(p.graphicalSwitch->text(),
                 QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Απενεργοποιημένο"));
        QCOMPARE(colourAt(p.codePane, 0, 0), QColor(0, 0, 0));
    }

    void menusCarryTheirItems()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        auto *openCodeOnly = f->findChild<QAction *>(QStringLiteral("N26"));
        QVERIFY(openCodeOnly && !openCodeOnly->isVisible());
        for (const char *name : {"N2",  "N3",       "N18", "HTML2",    "HTML1", "N210", "N39",        "N16",
                                 "N17", "Unicode1", "N28", "N29",      "N30",   "N31",  "Clipboard1", "N32",
                                 "N33", "N6",       "N35", "Skolvik1", "Sch1",  "N38",  "N37"})
            QVERIFY2(f->findChild<QAction *>(QString::fromLatin1(name)), name);
        QStringList popup;
        for (QAction *a : p.codeMenu->actions())
            popup << a->text();
        QCOMPARE(popup, QStringList({QStringLiteral("Αναίρεση"), QStringLiteral("Αποκοπή"),
                                     QStringLiteral("Αντιγραφή"), QStringLiteral("Επικόλληση"),
                                     QStringLiteral("Επιλογή όλων")}));
        // The events menu, built from the table of event groups: its items in order, by name and caption.
        QStringList events;
        for (QAction *a : f->findChild<QMenu *>(QStringLiteral("N27"))->actions())
            events << a->objectName() + QLatin1Char(' ') + a->text();
        QCOMPARE(events, QStringList({QStringLiteral("N28 Παραθυρικά"), QStringLiteral("N29 Φόρμας"),
                                      QStringLiteral("N30 Πληκτρολογίου"), QStringLiteral("N31 Ποντικιού"),
                                      QStringLiteral("Clipboard1 Clipboard"),
                                      QStringLiteral("N32 Πολυμεσικά"), QStringLiteral("N33 Διάφορα")}));
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
        p.codePane->setDocumentText(QStringLiteral("<P>x</P>\n").repeated(documentLines).chopped(1));
        QTest::mouseDClick(p.codePane->viewport(), Qt::LeftButton);
        QCOMPARE(p.codePane->lineCount(), documentLines);
        // Qt draws an empty range as an endless "busy" animation; the bar never shows that.
        QVERIFY(p.progressBar->maximum() > p.progressBar->minimum());
        QCOMPARE(p.progressLabel->text(), QString::number(p.progressBar->value()));

        Q_EMIT p.preview->progressChange(progress, 200);
        QCOMPARE(p.progressBar->value(), documentLines - 1); // editing mode: the refresh's own position
        p.addressBar->setText(QStringLiteral("http://127.0.0.1/"));
        Q_EMIT p.preview->progressChange(progress, 200);
        QCOMPARE(p.progressBar->value(), shown);
        QCOMPARE(p.progressLabel->text(), QString::number(shown));
        Q_EMIT p.preview->progressChange(-1, 200);
        Q_EMIT p.preview->progressChange(300, 200);
        QCOMPARE(p.progressBar->value(), shown);

        // Back in the editor, a refresh's bar keeps no number of the download beside it.
        p.addressBar->setText(QStringLiteral("about:blank"));
        p.codePane->setDocumentText(QStringLiteral("<P>x</P>\n").repeated(documentLines + 3));
        QTest::mouseDClick(p.codePane->viewport(), Qt::LeftButton);
        QCOMPARE(p.progressBar->value(), documentLines + 2);
        QCOMPARE(p.progressLabel->text(), QString::number(documentLines + 2));
    }

    void tabOrderFollowsTheVisualOrder()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QList<QWidget *> expected{p.homeButton, p.backButton,  p.forwardButton,
                                        p.addressBar, p.goButton,    p.reloadButton,
                                        p.codePane,   p.messagePane, p.graphicalSwitch};
        QList<QWidget *> met;
        QWidget *w = p.homeButton;
        do {
            if (expected.contains(w) && !met.contains(w))
                met.append(w);
            w = w->nextInFocusChain();
        } while (w != p.homeButton);
        QCOMPARE(met, expected);
    }

    void screenReaderNames()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QList<QPair<QWidget *, QString>> named{
            qMakePair<QWidget *, QString>(p.codePane, QStringLiteral("Κώδικας HTML")),
            qMakePair<QWidget *, QString>(p.messagePane, QStringLiteral("Μηνύματα")),
            qMakePair<QWidget *, QString>(p.addressBar, QStringLiteral("Διεύθυνση")),
            qMakePair<QWidget *, QString>(p.homeButton, QStringLiteral("Αρχική σελίδα")),
            qMakePair<QWidget *, QString>(p.backButton, QStringLiteral("Πίσω")),
            qMakePair<QWidget *, QString>(p.forwardButton, QStringLiteral("Εμπρός")),
            qMakePair<QWidget *, QString>(p.goButton, QStringLiteral("Μετάβαση")),
            qMakePair<QWidget *, QString>(p.reloadButton, QStringLiteral("Ανανέωση")),
            qMakePair<QWidget *, QString>(p.progressBar, QStringLiteral("Πρόοδος")),
        };
        for (const auto &[widget, name] : named) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(iface);
            QCOMPARE(iface->text(QAccessible::Name), name);
        }
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(p.documentStatus->panelLabel(2));
        QVERIFY(panel->text(QAccessible::Name).contains(QStringLiteral("27")) ||
                panel->text(QAccessible::Description).contains(QStringLiteral("27")));
    }

    // A notice covers the title panel for a while; a title that arrives meanwhile shows once it has gone, and
    // the printout's header reads the title all along.
    void noticeCoversTheTitleForAWhile()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        StatusPanels *bar = p.titleBar;
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
        const QList<QToolButton *> buttons{p.homeButton, p.backButton, p.forwardButton, p.goButton,
                                           p.reloadButton};
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
            p.homeButton->style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(20, 20).toImage();
        QVERIFY(!pictures.contains(folder.convertToFormat(pictures.first().format())));

        // The tooltip shows where the pupil rests the mouse.
        QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), p.goButton->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(p.goButton, &rest);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), p.goButton->toolTip());
        QToolTip::hideText();
    }

    void emptiedMessagePaneHides()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        p.codePane->setDocumentText(QStringLiteral("<P>\n<P>\n</P>"));
        QTest::mouseDClick(p.codePane->viewport(), Qt::LeftButton);
        QVERIFY(!p.messagePane->isHidden() && !p.messageSplitter->isHidden());
        // The simple page runs no check: the pane is emptied, and with nothing in it, it hides.
        p.menuItem("HTML1")->trigger();
        QCOMPARE(p.messagePane->lineCount(), 0);
        QVERIFY(p.messagePane->isHidden() && p.messageSplitter->isHidden());
    }
};

VELMARK_WIDGET_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
