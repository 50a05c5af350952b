#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QComboBox;
struct ValueList;

// The borderless value popup with one combo box of attribute values, shown next to the mouse
// pointer. It appears 300 ms after the click that asked for it, without taking the keyboard from the code
// pane; a key or a click meanwhile cancels it. Hiding it, by any path, cancels what was still to come.
class ValuePopup : public QWidget
{
    Q_OBJECT

public:
    explicit ValuePopup(QWidget *parent = nullptr);

    // The attribute values; emptied whenever the popup closes.
    QComboBox *valueBox() const { return m_valueBox; }

    // The list routines: offers the lists one after the other next to the screen point `pointer`, each
    // 300 ms after the previous one; the last one stays. Replaces whatever was still to come.
    void offer(const QList<const ValueList *> &lists, const QPoint &pointer);
    // True while a list waits for its delay to pass.
    bool isPending() const;

    void setVisible(bool visible) override;

Q_SIGNALS:
    // The user picked a value: it goes into the code pane between the quotes.
    void picked(const QString &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Fills the combo box with the next waiting list, places the popup and shows it.
    void showNext();
    // A value was picked or typed; the popup closes and forgets its values.
    void takeChoice();
    void cancelPending();
    // Watches the application's keys and clicks while a list is coming or shown.
    void updateWatching();
    bool isInside(const QObject *object) const;

    QComboBox *m_valueBox;
    QTimer m_delay;
    QList<const ValueList *> m_pending;
    QPoint m_pointer;
    QPointer<QWidget> m_returnTo; // the window that was active when the popup came up
    bool m_watching = false;
};
