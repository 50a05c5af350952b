// The main window under a real window manager: the size the window takes from the screen is its outer
// frame's.
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "widgettestmain.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

class WindowFrameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outerFrameTakesTheScreensSize()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        windows.startupWindow()->acceptItem()->setChecked(true);
        QTest::mouseClick(windows.startupWindow()->enterButton(), Qt::LeftButton);
        MainWindow *f = windows.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        // The window manager frames the window some time after it shows: until then the window is its client
        // area alone, and its size says nothing yet.
        QTRY_VERIFY(f->geometry().height() < f->frameGeometry().height());
        const QSize screen = f->screen()->geometry().size();
        QTRY_COMPARE(f->frameGeometry().size(), QSize(screen.width() - 5, screen.height() - 63));
    }
};

VELMARK_WIDGET_TEST_MAIN(WindowFrameTest)

#include "tst_windowframe.moc"
