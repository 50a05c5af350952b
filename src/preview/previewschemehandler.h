#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves the preview's documents to the browser through a URL scheme of the program's own, so documents of
// any size load (a data URL is limited to 2 MB) and their bytes reach the page untouched. Every document
// address (velmark-preview://document<number>/) is answered with the newest document: a load that an older
// address started, or a step back in the history, can only show the newest text. A relative address in a
// document (an image, a style sheet) is sent on to the same path on the host "files", which serves the files
// of the base folder to the preview's documents: being another origin than the document, its files show as
// elements while the document's scripts cannot read them.
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

    QByteArray m_document;
    QString m_baseFolder;
};
