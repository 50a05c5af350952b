#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Waits for the engine's view to draw a frame. A page tells from its own process that it has painted, but the
// view draws the page's frames later, on the program's side and on a short timer of its own, and a view made
// for a new renderer shows blank until then. Whatever must follow the page's picture on screen (lifting the
// preview's curtain) waits for the view's next frame.
class ViewFrameWait : public QObject
{
    Q_OBJECT

public:
    explicit ViewFrameWait(QObject *parent = nullptr);

    // Asks the engine's view `view` (the web view's render widget) for a frame and calls `done` once it has
    // drawn one begun after this call; at once when the view draws nothing (none, hidden, of no size), never
    // when it goes away first. Replaces a wait still under way, whose `done` is dropped.
    void afterNextFrame(QWidget *view, std::function<void()> done);
    // Drops the wait under way, if any.
    void cancel();

private:
    void finish(quint64 wait);

    quint64 m_wait = 0; // numbers the waits, so that a frame reported late never ends a later wait
    std::function<void()> m_done;
    QMetaObject::Connection m_frameDrawn;
    QMetaObject::Connection m_viewGone;
};
