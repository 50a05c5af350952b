#pragma once

#include <QObject>
#include <QStringList>

// While it lives, every message box the program opens is read and answered with its default button, as a
// pupil would click OK; the texts are kept in the order the boxes appeared.
class MessageCatcher : public QObject
{
    Q_OBJECT

public:
    MessageCatcher();
    ~MessageCatcher() override;

    QStringList texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_texts;
};
