// The main window's "Βοήθεια" menu: the about window, the presentation and the contact window.
#include "app/mainwindow.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/presentationwindow.h"
#include "preview/connection.h"

void MainWindow::setHelpWindows(ContactWindow *contactWindow, PresentationWindow *presentationWindow,
                                AboutWindow *aboutWindow)
{
    m_contactWindow = contactWindow;
    m_presentationWindow = presentationWindow;
    m_aboutWindow = aboutWindow;
}

void MainWindow::showAbout()
{
    if (!m_aboutWindow)
        return;
    // Already open, the window only comes to the front; its text is written when it appears.
    m_aboutWindow->show();
    m_aboutWindow->raise();
    m_aboutWindow->activateWindow();
}

void MainWindow::showPresentation()
{
    if (!m_presentationWindow)
        return;
    m_presentationWindow->show();
    m_presentationWindow->raise();
    m_presentationWindow->activateWindow();
}

void MainWindow::showContactWindow()
{
    if (m_contactWindow)
        m_contactWindow->showContact(internet());
}
