#pragma once

#include <QObject>
#include <QTimer>

// Carets stop blinking after ten seconds without a key press or a click, and blink again at the next one, as
// on the common Linux desktops. A blinking caret redraws its window twice a second; with the web view in the
// window every redraw is a composition of the whole window, which an idle program should not keep doing.
class CaretRest : public QObject
{
    Q_OBJECT

public:
    explicit CaretRest(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rest();

    QTimer m_idle;
    int m_flashTime;
    bool m_resting = false;
};
