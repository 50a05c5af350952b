#include "app/programwindows.h"

#include "app/mainwindow.h"
#include "app/startupwindow.h"
#include "assist/valuepopup.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/presentationwindow.h"
#include "palette/tagtip.h"
#include "palette/tagtoolbars.h"
#include "widgets/statuspanels.h"

ProgramWindows::ProgramWindows(QObject *parent)
    : QObject(parent), m_startupWindow(new StartupWindow), m_mainWindow(new MainWindow),
      m_valuePopup(new ValuePopup), m_tagTip(new TagTip), m_contactWindow(new ContactWindow),
      m_presentationWindow(new PresentationWindow), m_aboutWindow(new AboutWindow)
{
    m_startupWindow->setMainWindow(m_mainWindow);
    m_mainWindow->setCompanions(m_startupWindow, m_valuePopup, m_tagTip);
    m_mainWindow->setHelpWindows(m_contactWindow, m_presentationWindow, m_aboutWindow);
    m_tagTip->setStatusBar(m_mainWindow->titleBar());
    m_tagTip->setMainWindow(m_mainWindow);
    m_tagTip->setValuePopup(m_valuePopup);
    connectWindows();
}

void ProgramWindows::connectWindows()
{
    connect(m_startupWindow, &StartupWindow::closed, this, &ProgramWindows::finished);
    connect(m_mainWindow->tagToolbars(), &TagToolbars::tagHovered, m_tagTip, &TagTip::showDescription);
    connect(m_mainWindow->tagToolbars(), &TagToolbars::tagLeft, m_tagTip, &TagTip::hideDescription);
}

ProgramWindows::~ProgramWindows()
{
    // The main window goes first: it takes the windows it owns by then (the tag tip) with it.
    delete m_mainWindow;
    delete m_tagTip;
    delete m_valuePopup;
    delete m_aboutWindow;
    delete m_presentationWindow;
    delete m_contactWindow;
    delete m_startupWindow;
}

void ProgramWindows::start()
{
    m_startupWindow->show();
}

StartupWindow *ProgramWindows::startupWindow() const
{
    return m_startupWindow;
}

MainWindow *ProgramWindows::mainWindow() const
{
    return m_mainWindow;
}

ValuePopup *ProgramWindows::valuePopup() const
{
    return m_valuePopup;
}

TagTip *ProgramWindows::tagTip() const
{
    return m_tagTip;
}

ContactWindow *ProgramWindows::contactWindow() const
{
    return m_contactWindow;
}

PresentationWindow *ProgramWindows::presentationWindow() const
{
    return m_presentationWindow;
}

AboutWindow *ProgramWindows::aboutWindow() const
{
    return m_aboutWindow;
}
