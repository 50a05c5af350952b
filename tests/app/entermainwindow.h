#pragma once

#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

// Starts the program's windows and enters the main window as a pupil does: the "accept" item, then the
// button. The main window sizes itself from a screen of the given size. Null when a window never appears.
inline std::unique_ptr<ProgramWindows> enterMainWindow(const QSize &screen = QSize(1366, 768))
{
    auto windows = std::make_unique<ProgramWindows>();
    windows->mainWindow()->setScreenSizeOverride(screen);
    windows->start();
    if (!QTest::qWaitForWindowExposed(windows->startupWindow()))
        return nullptr;
    QTest::mouseClick(windows->startupWindow()->acceptItem(), Qt::LeftButton, {},
                      QPoint(8, windows->startupWindow()->acceptItem()->height() / 2));
    QTest::mouseClick(windows->startupWindow()->enterButton(), Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(windows->mainWindow()))
        return nullptr;
    return windows;
}
