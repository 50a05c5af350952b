// The main window's "Βοήθεια" menu: the about window, the presentation and the contact window.
#include "app/form5.h"
#include "help/form1.h"
#include "help/form2.h"
#include "help/form4.h"
#include "preview/connection.h"

void TForm5::setHelpWindows(TForm1 *form1, TForm2 *form2, TForm4 *form4)
{
    m_form1 = form1;
    m_form2 = form2;
    m_form4 = form4;
}

void TForm5::N6Click()
{
    if (!m_form4)
        return;
    // Already open, the window only comes to the front; its text is written when it appears.
    m_form4->show();
    m_form4->raise();
    m_form4->activateWindow();
}

void TForm5::N35Click()
{
    if (!m_form2)
        return;
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void TForm5::N37Click()
{
    if (m_form1)
        m_form1->showContact(internet());
}
