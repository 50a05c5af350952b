#include "preview/viewframewait.h"

#include <QQuickWidget>
#include <QQuickWindow>

#include <utility>

ViewFrameWait::ViewFrameWait(QObject *parent) : QObject(parent) {}

void ViewFrameWait::afterNextFrame(QWidget *view, std::function<void()> done)
{
    cancel();
    // The engine draws its pages in a Qt Quick scene shown by a QQuickWidget; a view of any other kind, or
    // one that draws nothing now, has no frame to wait for.
    auto *quickView = qobject_cast<QQuickWidget *>(view);
    if (!quickView || !quickView->isVisible() || quickView->size().isEmpty()) {
        done();
        return;
    }
    const quint64 wait = ++m_wait;
    m_done = std::move(done);
    QQuickWindow *scene = quickView->quickWindow();
    // Queued, so that the view has finished the frame and asked for it to be shown before `done` runs.
    m_frameDrawn = connect(
        scene, &QQuickWindow::afterRendering, this, [this, wait] { finish(wait); }, Qt::QueuedConnection);
    // A view that goes away first (its renderer gone) never draws this frame.
    m_viewGone = connect(scene, &QObject::destroyed, this, &ViewFrameWait::cancel);
    // A frame the page handed over before this call is drawn by the frame asked for here at the latest.
    scene->update();
}

void ViewFrameWait::cancel()
{
    ++m_wait;
    m_done = {};
    disconnect(m_frameDrawn);
    disconnect(m_viewGone);
}

void ViewFrameWait::finish(quint64 wait)
{
    if (wait != m_wait)
        return;
    const std::function<void()> done = std::exchange(m_done, {});
    cancel();
    if (done)
        done();
}
