#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// Keeps local files away from pages. The preview's documents may show the files of the pupil's folder as
// elements: images, media, style sheets, scripts, fonts, frames. Hidden files and folders never show, nor the
// files of the home folder itself or of the system's folders. Web pages get no local file at all, no script
// can read a local file's contents (XMLHttpRequest, fetch, workers and requests of unknown purpose are
// blocked), and a refused file fails exactly as a missing one, so a page cannot probe whether a path exists.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    // There is no pupil's folder until one is set.
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    // The canonical form of a folder if pages may show its files, else empty.
    static QString folderPagesMayShow(const QString &folder);

    // The pupil's folder, whose files the preview's documents may show; empty: none.
    void setAllowedFolder(const QString &folder);
    // Whether the preview's documents may show the file at this local path.
    bool allowsFile(const QString &path) const;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QString m_allowedFolder; // canonical; empty: none
};
