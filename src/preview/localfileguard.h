#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Keeps the contents of local files away from scripts. The preview's documents may load local files as
// elements (images, media, style sheets, scripts, fonts, frames), which a script of the page cannot read
// because they come from another origin; requests that hand a file's contents to a script (XMLHttpRequest,
// fetch, workers, prefetches and any request of unknown purpose) are blocked.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
