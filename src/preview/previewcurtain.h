#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A still picture of the preview laid over it while the next document loads. Each document runs in a
// renderer of its own, whose view starts out blank: without the curtain every refresh would flash white
// until the new document has painted. The curtain lets clicks and the wheel through to the page under it, and
// lifts by itself when the new document takes too long, so a document that never paints shows as it is.
class PreviewCurtain : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewCurtain(QWidget *pane);

    // Lays the picture over the pane and (re)starts the wait for the next document; a curtain already down
    // keeps its picture, the page the pupil last saw.
    void cover(const QPixmap &picture);
    // Takes the curtain away: the pane shows the engine's view again.
    void lift();
    bool isDown() const { return isVisible(); }

    // How long the curtain waits for the next document at most.
    static constexpr int patienceMs = 1000;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QTimer m_patience;
};
