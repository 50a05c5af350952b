#pragma once

#include "app/form3.h"
#include "app/form5.h"
#include "app/programwindows.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

// Starts the program's windows and enters the main window as a pupil does: the "accept" item, then the
// button. The main window sizes itself from a screen of the given size. Null when a window never appears.
inline std::unique_ptr<ProgramWindows> enterMainWindow(const QSize &screen = QSize(1366, 768))
{
    auto windows = std::make_unique<ProgramWindows>();
    windows->form5()->setScreenSizeOverride(screen);
    windows->start();
    if (!QTest::qWaitForWindowExposed(windows->form3()))
        return nullptr;
    QTest::mouseClick(windows->form3()->acceptItem, Qt::LeftButton, {},
                      QPoint(8, windows->form3()->acceptItem->height() / 2));
    QTest::mouseClick(windows->form3()->SpeedButton1, Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(windows->form5()))
        return nullptr;
    return windows;
}
