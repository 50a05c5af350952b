#pragma once

#include <QLineEdit>
#include <QPointer>

#include "core/editingsession.h"

// `Edit1`: the address bar. It reads "about:blank" while the pupil's document is edited and the address of
// the page otherwise, and its text is the mode: whatever writes it (the program or the pupil typing) sets the
// session's mode, and the session turning to editing mode shows "about:blank" here.
class AddressBar : public QLineEdit
{
    Q_OBJECT

public:
    explicit AddressBar(EditingSession *session, QWidget *parent = nullptr);

private:
    void followText(const QString &text);
    void showMode(DocumentMode mode);

    QPointer<EditingSession> m_session;
};
