// What the pupil sees of the windows under the program's own set-up: titles, fonts, the white code pane,
// captions that fit, splitters that cannot bury a pane, and choices made through a screen reader.
#include "app/core/programtexts.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "entermainwindow.h"
#include "mainwindowparts.h"
#include "palette/tagtoolbars.h"
#include "widgets/fonts.h"
#include "widgettestmain.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <QtTest>
#include <memory>

namespace {

// Drags a splitter vertically by `dy` pixels with the mouse.
void drag(QWidget *splitter, int dy)
{
    const QPoint start(splitter->width() / 2, 1);
    QTest::mousePress(splitter, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(0, dy)),
                     QPointF(splitter->mapToGlobal(start + QPoint(0, dy))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(splitter, &move);
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, start + QPoint(0, dy));
}

} // namespace

class AppearanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titlesAreExactlyTheCaptions()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        const QList<QPair<QWidget *, QString>> expected{
            {windows->startupWindow(), ProgramTexts::startupCaption()},
            {windows->mainWindow(), ProgramTexts::mainWindowCaption()}};
        for (const auto &[window, caption] : expected) {
            QCOMPARE(window->windowTitle(), caption);
            // What the window system is given, and so what the title bar and a screen reader show.
            QVERIFY(window->windowHandle());
            QCOMPARE(window->windowHandle()->title(), caption);
        }
    }

    void controlsShowTheirFonts()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        QCOMPARE(QFontInfo(windows->startupWindow()->acceptItem()->font()).pixelSize(), 15);
        QCOMPARE(QFontInfo(windows->startupWindow()->enterButton()->font()).bold(), true);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(QFontInfo(p.documentStatus->panelLabel(i)->font()).family(), Fonts::family());
        QCOMPARE(QFontInfo(p.titleBar->panelLabel(0)->font()).family(), Fonts::family());
        QCOMPARE(QFontInfo(p.progressLabel->font()).family(), Fonts::family());

        windows->mainWindow()->findChild<QToolButton *>(QStringLiteral("SpeedButton55"))->click();
        QWidget *bar = p.currentBar();
        QVERIFY(bar);
        auto *general = bar->findChild<QComboBox *>(QStringLiteral("combo1"));
        QVERIFY(general);
        QVERIFY(QFontInfo(general->font()).bold());
        const QList<QAbstractButton *> attributes = bar->findChildren<QAbstractButton *>();
        QVERIFY(!attributes.isEmpty());
        for (QAbstractButton *button : attributes)
            QVERIFY2(QFontInfo(button->font()).bold(), qPrintable(button->text()));
    }

    void tagCaptionsFit_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::newRow("1024 wide") << 1029;
        QTest::newRow("1366 wide") << 1366;
    }

    void tagCaptionsFit()
    {
        QFETCH(int, screenWidth);
        auto windows = enterMainWindow(QSize(screenWidth, 768));
        QVERIFY(windows);
        for (QToolButton *button : windows->mainWindow()->tagToolbars()->buttons()) {
            const int needed = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(needed <= button->width() - 2, qPrintable(QStringLiteral("%1 needs %2 of %3")
                                                                   .arg(button->text())
                                                                   .arg(needed)
                                                                   .arg(button->width())));
        }
    }

    void codePaneIsWhiteToItsEdges()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        const QImage image = p.codePane->grab().toImage();
        // Inside the left and top text margins, away from the frame line.
        QCOMPARE(QColor(image.pixel(20, 10)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(p.codePane->width() / 2, 10)), QColor(Qt::white));
    }

    void splittersKeepEveryPaneUsable()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        p.codePane->setDocumentText(QStringLiteral("<P>\n<P>\n</B>"));
        QTest::mouseDClick(p.codePane->viewport(), Qt::LeftButton);
        QVERIFY(p.messageSplitter->isVisible());
        const int toolbarsBottom = p.toolbarArea->y() + p.toolbarArea->height();

        drag(p.messageSplitter, -5000);
        QVERIFY(p.codePane->height() >= 60);
        QCOMPARE(p.toolbarArea->y() + p.toolbarArea->height(), toolbarsBottom);
        QVERIFY(p.codePane->y() >= toolbarsBottom);
        drag(p.messageSplitter, 5000);
        QVERIFY(p.messagePane->height() >= 35);

        drag(p.previewSplitter, -5000);
        QVERIFY(p.previewPanel->height() >= 60);
        drag(p.previewSplitter, 5000);
        QVERIFY(p.editorArea->height() >= 220);

        drag(p.messageSplitter, -200);
        p.menuItem("N40")->trigger();
        QCOMPARE(p.messagePane->height(), 35);
        QCOMPARE(p.editorArea->height(), windows->mainWindow()->frameGeometry().height() - 210);
    }

    void screenReaderChoosesAStartupItem_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("caption");
        QTest::newRow("accept") << true << QStringLiteral("Είσοδος");
        QTest::newRow("decline") << false << QStringLiteral("Κλείσιμο");
    }

    void screenReaderChoosesAStartupItem()
    {
        QFETCH(bool, accept);
        QFETCH(QString, caption);
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        QRadioButton *item =
            accept ? windows.startupWindow()->acceptItem() : windows.startupWindow()->declineItem();
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(item);
        QVERIFY(iface && iface->actionInterface());
        const QStringList actions = iface->actionInterface()->actionNames();
        const QString action = actions.contains(QAccessibleActionInterface::toggleAction())
                                   ? QAccessibleActionInterface::toggleAction()
                                   : QAccessibleActionInterface::pressAction();
        iface->actionInterface()->doAction(action);
        QTRY_VERIFY(item->isChecked());
        QCOMPARE(windows.startupWindow()->enterButton()->text(), caption);
    }
};

VELMARK_WIDGET_TEST_MAIN(AppearanceTest)

#include "tst_appearance.moc"
