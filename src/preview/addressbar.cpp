#include "preview/addressbar.h"

#include "preview/core/browsingrules.h"

AddressBar::AddressBar(EditingSession *session, QWidget *parent) : QLineEdit(parent), m_session(session)
{
    connect(this, &QLineEdit::textChanged, this, &AddressBar::followText);
    connect(session, &EditingSession::modeChanged, this, &AddressBar::showMode);
    followText(text());
}

void AddressBar::followText(const QString &text)
{
    if (m_session)
        m_session->setMode(isEditingAddress(text) ? DocumentMode::Editing : DocumentMode::Browsing);
}

void AddressBar::showMode(DocumentMode mode)
{
    // Browsing mode shows the address of the page, which the window writes as pages load.
    if (mode == DocumentMode::Editing && !isEditingAddress(text()))
        setText(editingAddress());
}
