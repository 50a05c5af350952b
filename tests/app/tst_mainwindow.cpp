// The main window: composition, sizing, the state after start-up, status panels, the document mirror, the
// toolbox menu, the views and what a screen reader finds.
#include "widgets/clickableimage.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"
#include "app/form3.h"
#include "app/form5.h"
#include "app/programtexts.h"
#include "app/programwindows.h"
#include "widgets/statuspanels.h"
#include "app/toolboxcaptions.h"
#include "editor/charlook.h"
#include "editor/codepane.h"
#include "editor/documentmirror.h"
#include "palette/form6.h"
#include "palette/tagtoolbars.h"
#include "widgettestmain.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<ProgramWindows> enterMainWindow()
{
    auto windows = std::make_unique<ProgramWindows>();
    windows->form5()->setScreenSizeOverride(QSize(1366, 768));
    windows->start();
    QTest::qWaitForWindowExposed(windows->form3());
    QTest::mouseClick(windows->form3()->acceptItem, Qt::LeftButton, {},
                      QPoint(8, windows->form3()->acceptItem->height() / 2));
    QTest::mouseClick(windows->form3()->SpeedButton1, Qt::LeftButton);
    return windows;
}

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
        TForm5 *f = windows->form5();
        QCOMPARE(f->Panel11->height(), 29);
        QCOMPARE(f->Panel12->height(), 23);
        QCOMPARE(f->Splitter6->height(), 3);
        const QList<QWidget *> upper{f->Panel11, f->Panel1, f->Panel12, f->Splitter6, f->Panel9};
        for (int i = 1; i < upper.size(); ++i)
            QCOMPARE(upper[i]->y(), upper[i - 1]->y() + upper[i - 1]->height());
        QCOMPARE(f->Panel9->y() + f->Panel9->height(), f->Panel8->height());

        QCOMPARE(f->Panel2->y(), 0);
        QCOMPARE(f->RichEdit1->y(), f->Panel2->height());
        QCOMPARE(f->Panel10->height(), 18);
        QCOMPARE(f->Panel10->y() + 18, f->Panel9->height());
        QCOMPARE(f->RichEdit1->y() + f->RichEdit1->height(), f->Panel10->y());
        for (size_t i = 0; i < 5; ++i) {
            QCOMPARE(f->toolbarRows[i]->y(), int(i) * 22);
            QCOMPARE(f->toolbarRows[i]->height(), 22);
        }
        QCOMPARE(f->StatusBar2->panelWidth(0), 170);
        QCOMPARE(f->StatusBar2->panelWidth(3), 120);
        QCOMPARE(f->CheckBox1->parentWidget(), f->StatusBar2);
        QCOMPARE(f->CheckBox1->x(), 705);
        QCOMPARE(f->Image1->parentWidget(), f->Panel10);
        QCOMPARE(f->Image1->x() + f->Image1->width(), f->Panel10->width());
    }

    void sizedFromTheScreen()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        QCOMPARE(f->frameGeometry().size(), QSize(1361, 705));
        QCOMPARE(f->Panel9->height(), 495);
        f->resize(f->width() - 10, f->height());
        QCOMPARE(f->RichEdit1->textMargins(), QMargins(40, 22, 12, 12));
    }

    void stateAfterStartup()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        QCOMPARE(f->Edit1->text(), QStringLiteral("about:blank"));
        QVERIFY(f->editingMode());
        QCOMPARE(f->StatusBar2->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 27"));
        QVERIFY(f->toolbarRows[5]->isHidden() && f->toolbarRows[6]->isHidden());
        QCOMPARE(f->Panel2->height(), 108);
        QVERIFY(f->RichEdit2->isHidden());
        QVERIFY(f->Splitter1->isHidden());
        QVERIFY(f->Panel15()->isHidden());
        QVERIFY(f->CheckBox1->isChecked());
        QCOMPARE(f->CheckBox1->text(),
                 QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Ενεργοποιημένο"));
        QCOMPARE(f->RichEdit1->lineCount(), 27);
        QCOMPARE(f->RichEdit1->line(1), QStringLiteral("  <HEAD>"));
        QCOMPARE(f->Memo1->toPlainText(),
                 f->RichEdit1->Text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QCOMPARE(colourAt(f->RichEdit1, 0, 0), tagColour);
        QVERIFY(boldAt(f->RichEdit1, 0, 5));
        QCOMPARE(colourAt(f->RichEdit1, 19, 14), QColor(0, 0, 0));
        QVERIFY(!boldAt(f->RichEdit1, 19, 14));
        QCOMPARE(f->toolboxItems[7]->text(), toolboxHideAllCaption());
        QCOMPARE(f->toolboxItems[5]->text(), toolboxRowCaption(5, false));
        QTRY_COMPARE_WITH_TIMEOUT(f->StatusBar1->panelText(0), ProgramTexts::authorCredit(), 20000);
        QCOMPARE(f->Edit1->text(), QStringLiteral("about:blank"));
    }

    void tagButtonInsertsAndFillsTheAttributeBar()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        f->RichEdit1->setSelStart(f->RichEdit1->lineIndex(7) + 8);
        auto *table = f->findChild<QToolButton *>(QStringLiteral("SpeedButton55"));
        QVERIFY(table);
        table->click();
        QCOMPARE(f->RichEdit1->line(7), QStringLiteral("  <BODY><TABLE>"));
        QCOMPARE(RichRow(f->RichEdit1), 7);
        QCOMPARE(RichCol(f->RichEdit1), 15);
        QVERIFY(!f->Panel15()->isHidden());
        QVERIFY(f->Panel15()->findChild<QWidget *>(QStringLiteral("combo1")));
        QVERIFY(!f->RichEdit2->isHidden());
        QCOMPARE(f->StatusBar2->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 28"));

        f->Edit1->setText(QStringLiteral("http://127.0.0.1/"));
        const QString before = f->RichEdit1->Text();
        table->click();
        QCOMPARE(f->RichEdit1->Text(), before);
        QCOMPARE(f->RichEdit2->lineCount(), 0);
    }

    void tagHoverAndLeaveDriveTheTip()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        Q_EMIT f->tagToolbars()->tagHovered(QStringLiteral("</HTML>"));
        QVERIFY(windows->form6()->isVisible());
        QCOMPARE(windows->form6()->parentWidget(), static_cast<QWidget *>(f->StatusBar1));
        QCOMPARE(windows->form6()->panel1()->text(), QStringLiteral("Ορίζει τo Τέλος μιας ιστοσελίδας."));
        Q_EMIT f->tagToolbars()->tagLeft(QStringLiteral("</HTML>"));
        QVERIFY(!windows->form6()->isVisible());
    }

    void doubleClickReindentsOnlyTheSecondLine()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        const QStringList welcome = ProgramTexts::welcomeDocument();
        QTest::mouseDClick(f->RichEdit1->viewport(), Qt::LeftButton, {}, QPoint(60, 30));
        QCOMPARE(f->RichEdit1->line(1), QStringLiteral("   <HEAD>"));
        for (int i = 0; i < welcome.size(); ++i)
            if (i != 1)
                QCOMPARE(f->RichEdit1->line(i), welcome[i]);
        QCOMPARE(f->StatusBar2->panelText(2), QStringLiteral("Αριθμός Εντολών HTML: 27"));
    }

    void statusPanelsCountLinesAndCharacters()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        f->RichEdit1->setDocumentText(QStringLiteral("ab\r\nc"));
        QCOMPARE(f->StatusBar2->panelText(0), QStringLiteral("Αριθμός γραμμών: 2"));
        QCOMPARE(f->StatusBar2->panelText(1), QStringLiteral("Αριθμός χαρακτήρων: 3"));
        f->RichEdit1->setDocumentText(QStringLiteral("ab\nc\n"));
        QCOMPARE(f->StatusBar2->panelText(0), QStringLiteral("Αριθμός γραμμών: 2"));
        f->RichEdit1->setSelStart(0);
        QTest::keyClick(f->RichEdit1, Qt::Key_Right);
        QCOMPARE(f->StatusBar2->panelText(3), QStringLiteral("Στήλη: 1 - Γραμμή: 0"));
    }

    void mirrorFollowsOnlyInEditingMode()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        f->Edit1->setText(QStringLiteral("http://127.0.0.1/"));
        f->RichEdit1->setDocumentText(QStringLiteral("<P>browsing</P>"));
        QVERIFY(f->Memo1->toPlainText().isEmpty());
        f->Edit1->setText(QStringLiteral("about:blank"));
        f->RichEdit1->setDocumentText(QStringLiteral("<P>editing</P>"));
        QCOMPARE(f->Memo1->toPlainText(), QStringLiteral("<P>editing</P>"));
    }

    void toolboxMenuSequence()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        f->toolboxItems[5]->trigger(); // show row 6
        QVERIFY(!f->toolbarRows[5]->isHidden());
        QCOMPARE(f->Panel2->height(), 130);
        QCOMPARE(f->toolboxItems[5]->text(), toolboxRowCaption(5, true));
        QCOMPARE(f->toolboxItems[7]->text(), toolboxHideAllCaption());
        f->toolboxItems[7]->trigger(); // hide all
        for (QWidget *row : f->toolbarRows)
            QVERIFY(row->isHidden());
        QCOMPARE(f->Panel2->height(), 0);
        QCOMPARE(f->toolboxItems[7]->text(), toolboxShowAllCaption());
        f->toolboxItems[7]->trigger(); // show all
        for (QWidget *row : f->toolbarRows)
            QVERIFY(!row->isHidden());
        QCOMPARE(f->Panel2->height(), 154);
        QCOMPARE(f->toolboxItems[7]->text(), toolboxHideAllCaption());
        f->toolboxItems[0]->trigger(); // hide row 1
        QVERIFY(f->toolbarRows[0]->isHidden());
        QCOMPARE(f->Panel2->height(), 132);
        QCOMPARE(f->toolboxItems[0]->text(), toolboxRowCaption(0, false));
    }

    void viewsAndBackToTheInitialLayout()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        const QRect editorArea = f->Panel9->geometry();
        const QRect splitter = f->Splitter6->geometry();
        const QRect strip = f->Panel12->geometry();

        windows->form5()->findChild<QAction *>(QStringLiteral("htmleditor1"))->trigger();
        QVERIFY(f->Panel1->isHidden() && f->Panel11->isHidden());
        QCOMPARE(f->Panel12->y(), 0);
        QCOMPARE(f->Panel9->y(), 23);
        QCOMPARE(f->Splitter6->y() + 3, f->Panel8->height());
        QVERIFY(f->CheckBox1->isChecked());

        windows->form5()->findChild<QAction *>(QStringLiteral("Browser1"))->trigger();
        QVERIFY(f->Panel9->isHidden() && f->Splitter6->isHidden());
        QCOMPARE(f->Panel11->y(), 0);
        QCOMPARE(f->Panel12->y() + 23, f->Panel8->height());

        windows->form5()->findChild<QAction *>(QStringLiteral("N40"))->trigger();
        QCOMPARE(f->Panel9->geometry(), editorArea);
        QCOMPARE(f->Splitter6->geometry(), splitter);
        QCOMPARE(f->Panel12->geometry(), strip);
        QVERIFY(!f->Panel1->isHidden() && !f->Panel11->isHidden());
    }

    void editorOnlyViewWhileBrowsingUnticksTheSwitch()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        f->Edit1->setText(QStringLiteral("http://127.0.0.1/page"));
        windows->form5()->findChild<QAction *>(QStringLiteral("htmleditor1"))->trigger();
        QVERIFY(!f->CheckBox1->isChecked());
        QCOMPARE(f->CheckBox1->text(),
                 QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Απενεργοποιημένο"));
        QCOMPARE(colourAt(f->RichEdit1, 0, 0), QColor(0, 0, 0));
    }

    void menusCarryTheirItems()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        auto *n26 = f->findChild<QAction *>(QStringLiteral("N26"));
        QVERIFY(n26 && !n26->isVisible());
        for (const char *name : {"N2",  "N3",       "N18", "HTML2",    "HTML1", "N210", "N39",        "N16",
                                 "N17", "Unicode1", "N28", "N29",      "N30",   "N31",  "Clipboard1", "N32",
                                 "N33", "N6",       "N35", "Skolvik1", "Sch1",  "N38",  "N37"})
            QVERIFY2(f->findChild<QAction *>(QString::fromLatin1(name)), name);
        QStringList popup;
        for (QAction *a : f->PopupMenu1->actions())
            popup << a->text();
        QCOMPARE(popup, QStringList({QStringLiteral("Αναίρεση"), QStringLiteral("Αποκοπή"),
                                     QStringLiteral("Αντιγραφή"), QStringLiteral("Επικόλληση"),
                                     QStringLiteral("Επιλογή όλων")}));
    }

    void downloadProgressInBrowsingMode()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        f->ProgressBar1->setMaximum(100);
        f->webbrowser1ProgressChange(50, 200);
        QCOMPARE(f->ProgressBar1->value(), 0);
        f->Edit1->setText(QStringLiteral("http://127.0.0.1/"));
        f->webbrowser1ProgressChange(50, 200);
        QCOMPARE(f->ProgressBar1->value(), 25);
        QCOMPARE(f->Label1->text(), QStringLiteral("25"));
        f->webbrowser1ProgressChange(-1, 200);
        f->webbrowser1ProgressChange(300, 200);
        QCOMPARE(f->ProgressBar1->value(), 25);
    }

    void tabOrderFollowsTheVisualOrder()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        const QList<QWidget *> expected{f->SpeedButton1, f->SpeedButton2, f->SpeedButton3,
                                        f->Edit1,        f->SpeedButton5, f->SpeedButton4,
                                        f->RichEdit1,    f->RichEdit2,    f->CheckBox1};
        QList<QWidget *> met;
        QWidget *w = f->SpeedButton1;
        do {
            if (expected.contains(w) && !met.contains(w))
                met.append(w);
            w = w->nextInFocusChain();
        } while (w != f->SpeedButton1);
        QCOMPARE(met, expected);
    }

    void screenReaderNames()
    {
        auto windows = enterMainWindow();
        TForm5 *f = windows->form5();
        const QList<QPair<QWidget *, QString>> named{
            qMakePair<QWidget *, QString>(f->RichEdit1, QStringLiteral("Κώδικας HTML")),
            qMakePair<QWidget *, QString>(f->RichEdit2, QStringLiteral("Μηνύματα")),
            qMakePair<QWidget *, QString>(f->Edit1, QStringLiteral("Διεύθυνση")),
            qMakePair<QWidget *, QString>(f->SpeedButton1, QStringLiteral("Αρχική σελίδα")),
            qMakePair<QWidget *, QString>(f->SpeedButton2, QStringLiteral("Πίσω")),
            qMakePair<QWidget *, QString>(f->SpeedButton3, QStringLiteral("Εμπρός")),
            qMakePair<QWidget *, QString>(f->SpeedButton5, QStringLiteral("Μετάβαση")),
            qMakePair<QWidget *, QString>(f->SpeedButton4, QStringLiteral("Ανανέωση")),
            qMakePair<QWidget *, QString>(f->ProgressBar1, QStringLiteral("Πρόοδος")),
        };
        for (const auto &[widget, name] : named) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(iface);
            QCOMPARE(iface->text(QAccessible::Name), name);
        }
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(f->StatusBar2->panelLabel(2));
        QVERIFY(panel->text(QAccessible::Name).contains(QStringLiteral("27")) ||
                panel->text(QAccessible::Description).contains(QStringLiteral("27")));
    }
};

VELMARK_WIDGET_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
