#pragma once

#include "previewfilecache.h"

#include <QByteArray>
#include <QSet>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves the preview's documents to the browser through a URL scheme of the program's own, so documents of
// any size load (a data URL is limited to 2 MB) and their bytes reach the page untouched. Every document
// address (velmark-preview://document<number>/) is answered with the newest document: a load that an older
// address started, or a step back in the history, can only show the newest text. A relative address in a
// document (an image, a style sheet) is sent on to the same path on a host of its own, file<number>, which
// serves that one file of the base folder once; a second request on it is sent on to a fresh host again.
// Every file thus comes from an origin shared with nothing else: it shows as an element, while no page's
// script (the document's, or a framed file's) can read it. Nothing else of the scheme is found, and nothing
// at all is served to a web page.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static const QByteArray schemeName;

    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // Registers the scheme with the browser engine; must run before the QApplication is created. Repeated
    // calls do nothing.
    static void registerScheme();

    static QUrl documentUrl(quint64 number);
    static bool isPreviewUrl(const QUrl &url);

    // Makes the bytes the newest document, served from now on.
    void setDocument(const QByteArray &bytes);
    // The folder relative addresses load from; empty: the current directory at the time of the request.
    void setBaseFolder(const QString &folder);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    void serveFile(QWebEngineUrlRequestJob *job);
    // Sends the request on to the same path on a fresh file host.
    void redirectToFreshHost(QWebEngineUrlRequestJob *job);

    QByteArray m_document;
    QString m_baseFolder;
    PreviewFileCache m_files;
    quint64 m_fileHosts = 0;      // file hosts handed out so far
    QSet<quint64> m_pendingHosts; // file hosts handed out and not yet served
};
