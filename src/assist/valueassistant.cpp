#include "assist/valueassistant.h"

#include "assist/core/valuelists.h"
#include "assist/valuepopup.h"
#include "core/editingsession.h"
#include "editor/codepane.h"
#include "palette/attributebar.h"

ValueAssistant::ValueAssistant(CodePane *code, AttributeBar *attributeBar, const EditingSession *session,
                               QObject *parent)
    : QObject(parent), m_code(code), m_attributeBar(attributeBar), m_session(session)
{
}

void ValueAssistant::setPopup(ValuePopup *popup)
{
    m_popup = popup;
}

void ValueAssistant::offerValuesAt(const QPoint &pointer)
{
    m_code->viewport()->update();
    if (!m_session->isEditing())
        return;
    const ValueOffer offer = ValueLists::offerAt(m_code->line(caretLine(m_code)), caretColumn(m_code));
    if (!offer.matched)
        return;
    if (QWidget *bar = m_attributeBar->currentBar())
        bar->show();
    if (m_popup && !offer.lists.isEmpty())
        m_popup->offer(offer.lists, pointer);
}
