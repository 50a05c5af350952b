#include "assist/typingassistant.h"

#include "assist/tagnameassist.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "palette/attributebar.h"
#include "palette/attributelists.h"

#include <QProgressBar>

TypingAssistant::TypingAssistant(const TypingAssistantControls &controls, QObject *parent)
    : QObject(parent), m_c(controls)
{
}

void TypingAssistant::clearMessages()
{
    // Most keys find the message pane empty already; only a pane with text is cleared.
    if (!m_c.messages->document()->isEmpty())
        m_c.messages->clearLines();
}

void TypingAssistant::RichEdit1KeyPress(QChar key)
{
    m_c.code->viewport()->update();
    clearMessages();
    if (!m_c.editingMode())
        return;
    if (key == QLatin1Char(' '))
        tagNameStep();
    if (m_c.progress) {
        m_c.progress->setValue(0);
        m_c.progress->setMaximum(qMax(0, m_c.code->lineCount() - 1));
    }
    // Enter: the document is refreshed as it stands; the caret goes back where it was (on its line and
    // column, which re-indentation may have moved), and the pane then breaks the line there.
    if (key == QLatin1Char('\r'))
        m_c.refresh->refreshWithoutInsertion();
}

void TypingAssistant::tagNameStep()
{
    m_c.messages->hide();
    if (m_c.messageSplitter)
        m_c.messageSplitter->hide();
    clearMessages();

    const QString line = m_c.code->line(RichRow(m_c.code));
    const QString name = TagNameAssist::normalised(TagNameAssist::candidate(line, RichCol(m_c.code)));
    const TagNameOffer offer = TagNameAssist::offerFor(name);

    AttributeBar *bar = m_c.attributeBar;
    bar->mhden();
    QWidget *panel = bar->Panel15();
    if (!panel)
        return;
    panel->setVisible(offer.generalBox);
    if (offer.generalBox)
        bar->combopro();
    if (offer.list)
        for (const AttributeEntry &entry : offer.list->entries)
            bar->addAttributeButton(entry.text, entry.width);
}
