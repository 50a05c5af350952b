#include "app/programwindows.h"

#include "app/form3.h"
#include "app/form5.h"
#include "assist/form7.h"
#include "help/form1.h"
#include "help/form2.h"
#include "help/form4.h"
#include "palette/form6.h"
#include "palette/tagtoolbars.h"
#include "widgets/statuspanels.h"

ProgramWindows::ProgramWindows(QObject *parent)
    : QObject(parent), m_form3(new TForm3), m_form5(new TForm5), m_form7(new TForm7), m_form6(new TForm6),
      m_form1(new TForm1), m_form2(new TForm2), m_form4(new TForm4)
{
    m_form3->setMainWindow(m_form5);
    m_form5->setCompanions(m_form3, m_form7, m_form6);
    m_form5->setHelpWindows(m_form1, m_form2, m_form4);
    m_form6->setStatusBar(m_form5->titleBar());
    m_form6->setMainWindow(m_form5);
    m_form6->setValuePopup(m_form7);
    connectWindows();
}

void ProgramWindows::connectWindows()
{
    connect(m_form3, &TForm3::closed, this, &ProgramWindows::finished);
    connect(m_form5->tagToolbars(), &TagToolbars::tagHovered, m_form6, &TForm6::minima);
    connect(m_form5->tagToolbars(), &TagToolbars::tagLeft, m_form6, &TForm6::ypokatleave);
}

ProgramWindows::~ProgramWindows()
{
    delete m_form4;
    delete m_form2;
    delete m_form1;
    delete m_form6;
    delete m_form7;
    delete m_form5;
    delete m_form3;
}

void ProgramWindows::start()
{
    m_form3->show();
}
