#include "previewschemehandler.h"

#include "browsingrules.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PreviewSchemeHandler::schemeName = previewSchemeName().toLatin1();

namespace {

bool isDocumentAddress(const QUrl &url)
{
    static const QRegularExpression host(QStringLiteral("^document[0-9]+$"));
    return host.match(url.host()).hasMatch() && url.path() == QLatin1String("/");
}

// The documents are the pupil's: only the pane itself and the documents shown in it ask for them, never a
// web page.
bool mayAskForDocuments(const QUrl &initiator)
{
    return initiator.isEmpty() || initiator.scheme() == previewSchemeName();
}

} // namespace

void PreviewSchemeHandler::registerScheme()
{
    if (QWebEngineUrlScheme::schemeByName(schemeName).name() == schemeName)
        return;
    QWebEngineUrlScheme scheme(schemeName);
    // Each document gets a host of its own, and with it a site and a renderer process of its own: a document
    // whose script never ends cannot hold up the documents after it.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Pages of other schemes may not load local files; the documents may, so their local images and media
    // show.
    scheme.setFlags(QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl PreviewSchemeHandler::documentUrl(quint64 number)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(schemeName));
    url.setHost(QStringLiteral("document") + QString::number(number));
    url.setPath(QStringLiteral("/"));
    return url;
}

bool PreviewSchemeHandler::isPreviewUrl(const QUrl &url)
{
    return url.scheme() == QLatin1String(schemeName);
}

void PreviewSchemeHandler::setDocument(const QByteArray &bytes)
{
    m_document = bytes;
}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    if (!isDocumentAddress(job->requestUrl()) || !mayAskForDocuments(job->initiator())) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the buffer, which must live as long as the engine reads from it.
    auto *buffer = new QBuffer(job);
    buffer->setData(m_document);
    job->reply(QByteArrayLiteral("text/html"), buffer);
}
