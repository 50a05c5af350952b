#pragma once

#include <QWebEngineUrlRequestInterceptor>

class PreviewSites;

// Keeps local files away from pages. The preview's documents may show the files of the pupil's folder, and a
// local page the files of its own folder, as elements: images, media, style sheets, scripts, fonts, frames.
// Hidden files and folders never show, nor the files of the home folder itself or of the system's folders.
// Web pages get no local file at all, no script can read a local file's contents (XMLHttpRequest, fetch,
// workers and requests of unknown purpose are blocked), and a refused file fails exactly as a missing one, so
// a page cannot probe whether a path exists. A local HTML page shown in the pane or in a frame is served from
// an address of the preview's own, so it shows its folder's files by the same rules; no script gets a
// document or local page whole.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    // The sites say which folder each document or page shows files from; they outlive the guard.
    LocalFileGuard(PreviewSites *sites, QObject *parent);

    // The header the guard gives a font's request for a file of a document or page, which the scheme handler
    // shows although fonts are asked for with the right to read them.
    static const QByteArray fontRequestHeader;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
    // Whether the page at `from` may lead the top frame to this local file by itself (a link, a script), by
    // the rule every request for a local file follows.
    bool pageMayOpen(const QUrl &file, const QUrl &from) const;

private:
    PreviewSites *m_sites;
};
