#pragma once

#include <QLabel>

// A small picture that reacts to a click (`Image1`, `Image2`, `Image3`); reachable by keyboard as a button.
class ClickableImage : public QLabel
{
    Q_OBJECT

public:
    ClickableImage(const QPixmap &picture, const QString &accessibleName, QWidget *parent = nullptr);

    // What a click does, also for the keyboard and a screen reader's press action.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
