#pragma once

#include <QObject>
#include <QStringList>

// While it lives, every message box the program opens is read and answered, as a pupil would click OK: with
// the button chosen by answerWith, where the box has it, or else by accepting the box. The texts are kept in
// the order the boxes appeared.
class MessageCatcher : public QObject
{
    Q_OBJECT

public:
    MessageCatcher();
    ~MessageCatcher() override;

    QStringList texts() const { return m_texts; }
    void clear() { m_texts.clear(); }
    // The boxes from now on are answered with the button of this text (a question's "Ναι" or "Όχι").
    void answerWith(const QString &buttonText) { m_answer = buttonText; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_texts;
    QString m_answer;
};
