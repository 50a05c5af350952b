#include "documents/templatecommands.h"

#include "documents/core/charsetlines.h"
#include "documents/core/templates.h"
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
    m_c.mirror->setPlainText(m_c.code->text());
}

void TemplateCommands::loadSimplePage()
{
    loadTemplate(simplePageTemplate(), true);
}

void TemplateCommands::loadMythologyAssignment()
{
    loadTemplate(mythologyAssignment(), false);
}

void TemplateCommands::loadAlgorithmicsAssignment()
{
    loadTemplate(algorithmicsAssignment(), false);
}

void TemplateCommands::insertGreekDeclaration()
{
    m_c.refresh->declarationRefresh(greekDeclaration());
}

void TemplateCommands::insertLatinDeclaration()
{
    m_c.refresh->declarationRefresh(latinDeclaration());
}

void TemplateCommands::insertUnicodeDeclaration()
{
    m_c.refresh->declarationRefresh(unicodeDeclaration());
}
