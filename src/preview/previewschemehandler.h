#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class PreviewSites;

// Serves the preview's documents to the browser through a URL scheme of the program's own, so documents of
// any size load (a data URL is limited to 2 MB) and their bytes reach the page untouched. Every document
// address (velmark-preview://document<number>/) is answered with the newest document: a load that an older
// address started, or a step back in the history, can only show the newest text. A local HTML page the pane
// shows is answered with the file's bytes as they are now, from the address the sites gave it. A relative
// address in a document or page (an image, a style sheet, a script, a frame) is sent on to the file's own
// local address in its folder, when the folder may show it: the engine then treats it as any file of another
// origin, which the page shows while its scripts cannot read it (a picture taints a canvas, a style sheet's
// rules and a script's errors stay hidden, a frame is foreign). Served from this scheme itself, the engine
// would hand its bytes to every script of the page. A request that asks for the right to read the file (it
// carries its origin: "crossorigin", modules, text tracks) would be taken for one of the page's own origin
// and is refused as a missing file, fonts alone excepted. Nothing else of the scheme is found, and nothing at
// all is served to a web page.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static const QByteArray schemeName;

    // The sites say which folder each document or page shows files from; they outlive the handler.
    PreviewSchemeHandler(const PreviewSites *sites, QObject *parent);

    // Registers the scheme with the browser engine; must run before the QApplication is created. Repeated
    // calls do nothing.
    static void registerScheme();

    static QUrl documentUrl(quint64 number);

    // Makes the bytes the newest document, served from now on.
    void setDocument(const QByteArray &bytes);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    // Answers with the local page's file.
    void replyWithPage(QWebEngineUrlRequestJob *job, const QString &file);
    // Sends a relative address on to the file of the folder it names.
    void redirectToFile(QWebEngineUrlRequestJob *job);

    const PreviewSites *m_sites;
    QByteArray m_document;
};
