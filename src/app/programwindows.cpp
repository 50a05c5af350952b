#include "app/programwindows.h"

#include "app/core/timinglog.h"
#include "app/mainwindow.h"
#include "app/startupwindow.h"
#include "assist/valueassistant.h"
#include "assist/valuepopup.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/presentationwindow.h"
#include "palette/tagtip.h"
#include "palette/tagtoolbars.h"
#include "preview/enginerendering.h"
#include "preview/previewpane.h"
#include "widgets/statuspanels.h"

#include <QEvent>
#include <QTimer>

ProgramWindows::ProgramWindows(QObject *parent) : QObject(parent), m_startupWindow(new StartupWindow)
{
    connect(m_startupWindow, &StartupWindow::closed, this, &ProgramWindows::finished);
    connect(m_startupWindow, &StartupWindow::entered, this, [this] {
        noteMoment("entered");
        mainWindow()->show();
    });
}

void ProgramWindows::createOtherWindows()
{
    if (m_otherWindowsCreated)
        return;
    m_otherWindowsCreated = true;
    drawInSoftwareOnSoftwareOpenGl();
    m_mainWindow = new MainWindow;
    m_valuePopup = new ValuePopup;
    m_tagTip = new TagTip;
    m_contactWindow = new ContactWindow;
    m_presentationWindow = new PresentationWindow;
    m_aboutWindow = new AboutWindow;
    m_mainWindow->setCompanions(m_startupWindow, m_valuePopup, m_tagTip);
    m_mainWindow->setHelpWindows(m_contactWindow, m_presentationWindow, m_aboutWindow);
    m_tagTip->setStatusBar(m_mainWindow->titleBar());
    m_tagTip->setMainWindow(m_mainWindow);
    m_tagTip->setValuePopup(m_valuePopup);
    connectWindows();
    noteMoment("windows-created");
}

void ProgramWindows::connectWindows()
{
    connect(m_mainWindow->tagToolbars(), &TagToolbars::tagHovered, m_tagTip, &TagTip::showDescription);
    connect(m_mainWindow->tagToolbars(), &TagToolbars::tagLeft, m_tagTip, &TagTip::hideDescription);
    // What is picked in the value popup goes to the main window's value assistant.
    connect(m_valuePopup, &ValuePopup::picked, m_mainWindow->valueAssistant(), &ValueAssistant::valuePicked);
    connect(m_mainWindow->preview(), &PreviewPane::documentPainted, this,
            [] { noteMoment("preview-painted"); });
}

ProgramWindows::~ProgramWindows()
{
    // Guarded copies, taken before any window goes: a window that goes with another one it moved into (the
    // tag tip with the main window) clears its copy, so each window is deleted once, in whatever order.
    const QList<QPointer<QWidget>> windows{
        m_startupWindow.data(), m_mainWindow.data(),         m_valuePopup.data(), m_tagTip.data(),
        m_contactWindow.data(), m_presentationWindow.data(), m_aboutWindow.data()};
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

void ProgramWindows::start()
{
    m_startupWindow->installEventFilter(this);
    m_startupWindow->show();
}

// The start-up window's first paint: once it has reached the screen (the paint and its flush end before
// queued calls run), the other windows are created.
bool ProgramWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_startupWindow && event->type() == QEvent::Paint) {
        m_startupWindow->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            noteMoment("startup-window-painted");
            createOtherWindows();
        });
    }
    return QObject::eventFilter(watched, event);
}

StartupWindow *ProgramWindows::startupWindow() const
{
    return m_startupWindow;
}

MainWindow *ProgramWindows::mainWindow()
{
    createOtherWindows();
    return m_mainWindow;
}

ValuePopup *ProgramWindows::valuePopup()
{
    createOtherWindows();
    return m_valuePopup;
}

TagTip *ProgramWindows::tagTip()
{
    createOtherWindows();
    return m_tagTip;
}

ContactWindow *ProgramWindows::contactWindow()
{
    createOtherWindows();
    return m_contactWindow;
}

PresentationWindow *ProgramWindows::presentationWindow()
{
    createOtherWindows();
    return m_presentationWindow;
}

AboutWindow *ProgramWindows::aboutWindow()
{
    createOtherWindows();
    return m_aboutWindow;
}
