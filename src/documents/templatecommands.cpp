#include "documents/templatecommands.h"

#include "documents/charsetlines.h"
#include "documents/templates.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"

#include <QPlainTextEdit>

TemplateCommands::TemplateCommands(const DocumentControls &controls, QObject *parent)
    : QObject(parent), m_c(controls)
{
}

void TemplateCommands::loadTemplate(const QStringList &lines, bool simplePage)
{
    Q_EMIT documentAboutToBeReplaced(RecoveryReason::BeforeTemplate);
    m_c.refresh->templateRefresh(lines, simplePage);
    m_c.mirror->setPlainText(m_c.code->Text());
}

void TemplateCommands::HTML1Click()
{
    loadTemplate(simplePageTemplate(), true);
}

void TemplateCommands::N210Click()
{
    loadTemplate(mythologyAssignment(), false);
}

void TemplateCommands::N39Click()
{
    loadTemplate(algorithmicsAssignment(), false);
}

void TemplateCommands::N16Click()
{
    m_c.refresh->declarationRefresh(greekDeclaration());
}

void TemplateCommands::N17Click()
{
    m_c.refresh->declarationRefresh(latinDeclaration());
}

void TemplateCommands::Unicode1Click()
{
    m_c.refresh->declarationRefresh(unicodeDeclaration());
}
