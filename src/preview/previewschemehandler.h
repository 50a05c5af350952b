#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves the preview's documents to the browser through a URL scheme of the program's own, so documents of
// any size load (a data URL is limited to 2 MB) and their bytes reach the page untouched. Every document
// address (velmark-preview://document<number>/) is answered with the newest document: a load that an older
// address started, or a step back in the history, can only show the newest text. A relative address in a
// document (an image, a style sheet, a script, a frame) is sent on to the file's own local address in the
// pupil's folder, when the folder may show it: the engine then treats it as any file of another origin, which
// the page shows while its scripts cannot read it (a picture taints a canvas, a style sheet's rules and a
// script's errors stay hidden, a frame is foreign). Served from this scheme itself, the engine would hand
// its bytes to every script of the document. Nothing else of the scheme is found, and nothing at all is
// served to a web page.
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
    // The folder relative addresses load from, canonical; empty: none, and relative addresses fail as
    // missing files.
    void setBaseFolder(const QString &canonicalFolder);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    // Sends a relative address on to the file of the base folder it names.
    void redirectToFile(QWebEngineUrlRequestJob *job);

    QByteArray m_document;
    QString m_baseFolder;
};
