// The start-up window: its terms text, its choices, and how the program ends.
#include "app/form3.h"
#include "app/form5.h"
#include "app/programwindows.h"
#include "app/termstext.h"
#include "assist/form7.h"
#include "editor/codepane.h"
#include "editor/documentlooks.h"
#include "help/form1.h"
#include "help/form2.h"
#include "help/form4.h"
#include "palette/form6.h"
#include "widgettestmain.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheStartupWindowIsShownAtStart()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.form3()));
        QVERIFY(windows.form3()->isVisible());
        for (QWidget *w : {static_cast<QWidget *>(windows.form5()), static_cast<QWidget *>(windows.form7()),
                           static_cast<QWidget *>(windows.form6()), static_cast<QWidget *>(windows.form1()),
                           static_cast<QWidget *>(windows.form2()), static_cast<QWidget *>(windows.form4())})
            QVERIFY(!w->isVisible());
        QCOMPARE(windows.form3()->SpeedButton1->text(),
                 QStringLiteral("Διάλεξε μία από τις παραπάνω επιλογές"));
        QVERIFY(!windows.form3()->acceptItem->isChecked() && !windows.form3()->declineItem->isChecked());
    }

    void buttonBeforeChoosingEndsTheProgram()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.form3()));
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        QTest::mouseClick(windows.form3()->SpeedButton1, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!windows.form5()->isVisible());
    }

    void declineThenAcceptEnters()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.form3()));
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        QTest::mouseClick(windows.form3()->declineItem, Qt::LeftButton, {},
                          QPoint(8, windows.form3()->declineItem->height() / 2));
        QCOMPARE(windows.form3()->SpeedButton1->text(), QStringLiteral("Κλείσιμο"));
        QTest::mouseClick(windows.form3()->acceptItem, Qt::LeftButton, {},
                          QPoint(8, windows.form3()->acceptItem->height() / 2));
        QCOMPARE(windows.form3()->SpeedButton1->text(), QStringLiteral("Είσοδος"));
        QTest::mouseClick(windows.form3()->SpeedButton1, Qt::LeftButton);
        QVERIFY(windows.form5()->isVisible());
        QVERIFY(!windows.form3()->isVisible());
        QCOMPARE(finished.count(), 0);
    }

    void declineEndsTheProgram()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.form3()));
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        QTest::mouseClick(windows.form3()->declineItem, Qt::LeftButton, {},
                          QPoint(8, windows.form3()->declineItem->height() / 2));
        QTest::mouseClick(windows.form3()->SpeedButton1, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
    }

    void closingTheMainWindowEndsTheProgram_data()
    {
        QTest::addColumn<bool>("throughExitItem");
        QTest::newRow("Έξοδος") << true;
        QTest::newRow("close box") << false;
    }

    void closingTheMainWindowEndsTheProgram()
    {
        QFETCH(bool, throughExitItem);
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.form3()));
        QTest::mouseClick(windows.form3()->acceptItem, Qt::LeftButton, {},
                          QPoint(8, windows.form3()->acceptItem->height() / 2));
        QTest::mouseClick(windows.form3()->SpeedButton1, Qt::LeftButton);
        QVERIFY(!windows.form3()->isVisible());
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        if (throughExitItem)
            windows.form5()->findChild<QAction *>(QStringLiteral("N4"))->trigger();
        else
            windows.form5()->close();
        QCOMPARE(finished.count(), 1);
    }

    void termsTextShowsElevenStyledLines()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.form3()));
        CodePane *pane = windows.form3()->RichEdit1;
        const QVector<TermsLine> expected = termsText();
        QCOMPARE(pane->lineCount(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(pane->line(i), expected[i].text);
            if (expected[i].text.trimmed().isEmpty())
                continue;
            const QTextCharFormat f = pane->formatAt(pane->lineIndex(i) + int(expected[i].text.size()) - 1);
            QCOMPARE(f.foreground().color(), colourFromBgr(expected[i].colour));
            QCOMPARE(f.fontWeight() == QFont::Bold, expected[i].bold);
            QCOMPARE(f.fontUnderline(), expected[i].underline);
            QCOMPARE(qRound(f.fontPointSize()), expected[i].pointSize);
        }
        QCOMPARE(pane->line(0), QString(47, QLatin1Char(' ')) + QStringLiteral("Όροι χρήσης"));
        QCOMPARE(pane->SelStart(), 0);
    }
};

VELMARK_WIDGET_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
