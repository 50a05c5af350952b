#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// The dialogs a page asks for (alert, confirm, prompt, and "leave this page?"), in Greek and naming the page.
// They do not block the rest of the program: the main window can always be closed. From the second dialog of
// a page on, the pupil can silence the page's dialogs until it loads another document.
class PageDialogs : public QObject
{
    Q_OBJECT

public:
    explicit PageDialogs(QWidget *owner);

    // The page loaded another document: its dialogs are counted, and may be silenced, afresh.
    void newDocument();
    // Whether a dialog is open now.
    bool isOpen() const { return m_open; }

    void alert(const QString &pageName, const QString &message);
    bool confirm(const QString &pageName, const QString &message);
    bool prompt(const QString &pageName, const QString &message, const QString &defaultValue,
                QString *result);
    // Whether to leave a page that asks to be kept ("beforeunload").
    bool leave(const QString &pageName);

Q_SIGNALS:
    // The dialog that was open has closed.
    void closed();

private:
    // Shows the box until it is answered (or the program ends); true when accepted. Offers the silencing
    // from the second dialog on. `answerField`, when given, goes below the texts once the box's layout is
    // final: offering the silencing rebuilds the layout, which would leave the field out.
    bool ask(QMessageBox &box, QWidget *answerField = nullptr);

    QWidget *m_owner;
    int m_shown = 0;
    bool m_silenced = false;
    bool m_open = false;
};
