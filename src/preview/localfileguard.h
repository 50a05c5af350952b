#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// Keeps local files away from pages. Pages of the preview and local pages may show the files of one folder
// (the pupil's) as elements: images, media, style sheets, scripts, fonts, frames. Web pages get no local file
// at all, no script can read a local file's contents (XMLHttpRequest, fetch, workers and requests of unknown
// purpose are blocked), and a refused file fails exactly as a missing one, so a page cannot probe whether a
// path exists.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    // The folder starts as the current directory, as the preview's relative addresses do.
    explicit LocalFileGuard(QObject *parent = nullptr);

    // The folder whose files pages may show.
    void setAllowedFolder(const QString &folder);
    // Whether the file at this local path lies in that folder.
    bool allowsFile(const QString &path) const;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QString m_allowedFolder; // canonical
};
