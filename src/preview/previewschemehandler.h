#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves the preview's documents to the browser through a URL scheme of the program's own, so documents of
// any size load (a data URL is limited to 2 MB) and their bytes reach the page untouched. Every document
// address (velmark-preview://document<number>/) is answered with the newest document: a load that an older
// address started, or a step back in the history, can only show the newest text. Other addresses of the
// scheme (a relative image path in the document, say) are not found, and neither is anything a web page
// asks for.
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

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QByteArray m_document;
};
