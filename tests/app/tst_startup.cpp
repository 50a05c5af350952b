// The start-up window: its terms text, its choices, and how the program ends.
#include "app/core/termstext.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "assist/valuepopup.h"
#include "editor/codepane.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/presentationwindow.h"
#include "palette/tagtip.h"
#include "widgets/bgrcolour.h"
#include "widgettestmain.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>
#include <memory>

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheStartupWindowIsShownAtStart()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        QVERIFY(windows.startupWindow()->isVisible());
        for (QWidget *w :
             {static_cast<QWidget *>(windows.mainWindow()), static_cast<QWidget *>(windows.valuePopup()),
              static_cast<QWidget *>(windows.tagTip()), static_cast<QWidget *>(windows.contactWindow()),
              static_cast<QWidget *>(windows.presentationWindow()),
              static_cast<QWidget *>(windows.aboutWindow())})
            QVERIFY(!w->isVisible());
        QCOMPARE(windows.startupWindow()->enterButton()->text(),
                 QStringLiteral("Διάλεξε μία από τις παραπάνω επιλογές"));
        QVERIFY(!windows.startupWindow()->acceptItem()->isChecked() &&
                !windows.startupWindow()->declineItem()->isChecked());
    }

    // The start-up window reaches the screen before the web engine and the other windows start; they follow
    // without anything asking for them.
    void otherWindowsFollowTheStartupWindowsFirstPaint()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(!windows.otherWindowsCreated());
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        QTRY_VERIFY(windows.otherWindowsCreated());
        QVERIFY(windows.startupWindow()->isVisible());
        QVERIFY(!windows.mainWindow()->isVisible());
    }

    void buttonBeforeChoosingEndsTheProgram()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        QTest::mouseClick(windows.startupWindow()->enterButton(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!windows.mainWindow()->isVisible());
    }

    void declineThenAcceptEnters()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        QTest::mouseClick(windows.startupWindow()->declineItem(), Qt::LeftButton, {},
                          QPoint(8, windows.startupWindow()->declineItem()->height() / 2));
        QCOMPARE(windows.startupWindow()->enterButton()->text(), QStringLiteral("Κλείσιμο"));
        QTest::mouseClick(windows.startupWindow()->acceptItem(), Qt::LeftButton, {},
                          QPoint(8, windows.startupWindow()->acceptItem()->height() / 2));
        QCOMPARE(windows.startupWindow()->enterButton()->text(), QStringLiteral("Είσοδος"));
        QTest::mouseClick(windows.startupWindow()->enterButton(), Qt::LeftButton);
        QVERIFY(windows.mainWindow()->isVisible());
        QVERIFY(!windows.startupWindow()->isVisible());
        QCOMPARE(finished.count(), 0);
    }

    void declineEndsTheProgram()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        QTest::mouseClick(windows.startupWindow()->declineItem(), Qt::LeftButton, {},
                          QPoint(8, windows.startupWindow()->declineItem()->height() / 2));
        QTest::mouseClick(windows.startupWindow()->enterButton(), Qt::LeftButton);
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
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        QTest::mouseClick(windows.startupWindow()->acceptItem(), Qt::LeftButton, {},
                          QPoint(8, windows.startupWindow()->acceptItem()->height() / 2));
        QTest::mouseClick(windows.startupWindow()->enterButton(), Qt::LeftButton);
        QVERIFY(!windows.startupWindow()->isVisible());
        QSignalSpy finished(&windows, &ProgramWindows::finished);
        if (throughExitItem)
            windows.mainWindow()->findChild<QAction *>(QStringLiteral("N4"))->trigger();
        else
            windows.mainWindow()->close();
        QCOMPARE(finished.count(), 1);
    }

    // The windows have no common owner and one moves into another; whichever goes first, the rest are still
    // deleted exactly once (a double delete crashes here).
    void windowsGoInAnyOrder_data()
    {
        QTest::addColumn<QString>("first");
        for (const char *window : {"main", "tagTip", "startup", "valuePopup", "about"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    void windowsGoInAnyOrder()
    {
        QFETCH(QString, first);
        auto windows = std::make_unique<ProgramWindows>();
        // A hovered tag button's description moves the tag tip into the main window's title bar.
        windows->tagTip()->showDescription(QStringLiteral("<p>"));
        QVERIFY(windows->mainWindow()->isAncestorOf(windows->tagTip()));
        const QHash<QString, QWidget *> byName{{"main", windows->mainWindow()},
                                               {"tagTip", windows->tagTip()},
                                               {"startup", windows->startupWindow()},
                                               {"valuePopup", windows->valuePopup()},
                                               {"about", windows->aboutWindow()}};
        delete byName.value(first);
        if (first == QLatin1String("main"))
            QVERIFY(!windows->tagTip());
        windows.reset();
    }

    void termsTextShowsElevenStyledLines()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        CodePane *pane = windows.startupWindow()->termsPane();
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
        QCOMPARE(pane->selectionStart(), 0);
    }
    void termsPaneLeavesTheChoiceCaptionFree_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("its own size") << QSize(507, 470);
        QTest::newRow("taller") << QSize(640, 700);
        QTest::newRow("small") << QSize(300, 200);
    }

    // The "Δηλώνω οτι:" caption sits at the top of the radio group: the terms pane above must not cover it.
    void termsPaneLeavesTheChoiceCaptionFree()
    {
        QFETCH(QSize, size);
        StartupWindow form;
        form.resize(size);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.size(), size);
        QVERIFY(!form.termsPane()->geometry().intersects(form.declarationGroup()->geometry()));
        QCOMPARE(form.termsPane()->x(), 8);
        QCOMPARE(form.termsPane()->width(), size.width() - 15);
        QCOMPARE(form.declarationGroup()->y() + form.declarationGroup()->height(), form.enterButton()->y());
    }
};

VELMARK_WIDGET_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
