#pragma once

#include <QObject>

class QComboBox;

// Lets a screen reader choose an item of a combo box's open list through the item's own accessibility action.
// That action selects the item in the list without any key or mouse event, which on its own would leave the
// choice unmade; here it counts as the click in the list it stands for: the box takes the item, closes its
// list and emits `activated`. Selections made with the keyboard or the mouse are left to the box as they are.
class AccessibleChoice : public QObject
{
    Q_OBJECT

public:
    // Watches `box`'s list; the watcher belongs to the box.
    static void enable(QComboBox *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AccessibleChoice(QComboBox *box);
    void selectionChanged();

    QComboBox *m_box;
    bool m_userInput = false; // a key or mouse event for the list is being handled
};
