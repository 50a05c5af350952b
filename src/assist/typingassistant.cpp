#include "assist/typingassistant.h"

#include "assist/core/tagnameassist.h"
#include "core/editingsession.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "palette/attributebar.h"
#include "palette/core/attributelists.h"

TypingAssistant::TypingAssistant(CodePane *code, AttributeBar *attributeBar, RefreshCycle *refresh,
                                 const EditingSession *session, QObject *parent)
    : QObject(parent), m_code(code), m_attributeBar(attributeBar), m_refresh(refresh), m_session(session)
{
}

void TypingAssistant::keyTyped(QChar key)
{
    m_code->viewport()->update();
    Q_EMIT messagesCleared();
    if (!m_session->isEditing())
        return;
    if (key == QLatin1Char(' '))
        tagNameStep();
    Q_EMIT progressStarted(m_code->lineCount() - 1);
    // Enter: the document is refreshed as it stands; the caret goes back where it was (on its line and
    // column, which re-indentation may have moved), and the pane then breaks the line there.
    if (key == QLatin1Char('\r'))
        m_refresh->refreshWithoutInsertion();
}

void TypingAssistant::tagNameStep()
{
    Q_EMIT messagesHidden();

    const QString line = m_code->line(caretLine(m_code));
    const QString name = TagNameAssist::normalised(TagNameAssist::candidate(line, caretColumn(m_code)));
    const TagNameOffer offer = TagNameAssist::offerFor(name);

    m_attributeBar->resetBar();
    QWidget *bar = m_attributeBar->currentBar();
    if (!bar)
        return;
    bar->setVisible(offer.generalBox);
    if (offer.generalBox)
        m_attributeBar->addGeneralBox();
    if (offer.list)
        for (const AttributeEntry &entry : offer.list->entries)
            m_attributeBar->addAttributeButton(entry.text, entry.width);
}
