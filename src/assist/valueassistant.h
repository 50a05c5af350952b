#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class AttributeBar;
class CodePane;
class EditingSession;
class ValuePopup;

// Offers attribute values when the pupil clicks just after the opening quote of a value that has a list
// (align, the type of an input, ...): the attribute bar is shown and the value popup comes up by the pointer.
class ValueAssistant : public QObject
{
    Q_OBJECT

public:
    // Values are offered only in the editing mode of `session`.
    ValueAssistant(CodePane *code, AttributeBar *attributeBar, const EditingSession *session,
                   QObject *parent = nullptr);

    // The popup that shows the lists (`Form7`); the window that owns both passes its picks on to valuePicked.
    void setPopup(ValuePopup *popup);

    // A mouse button was released in the code pane, the pointer at `pointer` on the screen.
    void offerValuesAt(const QPoint &pointer);

Q_SIGNALS:
    // A value was picked in the popup: to be inserted at the caret, between the quotes.
    void valuePicked(const QString &value);

private:
    CodePane *m_code;
    AttributeBar *m_attributeBar;
    const EditingSession *m_session;
    QPointer<ValuePopup> m_popup; // a window of its own, which may close down first
};
