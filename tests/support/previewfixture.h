#pragma once

#include "localhttpserver.h"
#include "preview/previewpane.h"

#include <QObject>

#include <memory>

// The set-up the preview's tests share, as the base of their test objects: before each test a fresh preview
// pane, shown at 800 x 600 and exposed, and a fresh web server on 127.0.0.1 that logs what pages ask of it;
// after each test both go. A test object that needs more in its own init() or cleanup() calls these first.
class PreviewFixture : public QObject
{
    Q_OBJECT

protected Q_SLOTS:
    void init();
    void cleanup();

protected:
    // The centre of the element with this id, in the pane's coordinates; (-1, -1) when there is none.
    QPoint centreOf(const QString &id) const;

    std::unique_ptr<PreviewPane> m_pane;
    std::unique_ptr<LocalHttpServer> m_server;
};
