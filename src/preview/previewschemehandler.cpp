#include "previewschemehandler.h"

#include "browsingrules.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PreviewSchemeHandler::schemeName = previewSchemeName().toLatin1();

namespace {

bool isDocumentHost(const QUrl &url)
{
    static const QRegularExpression host(QStringLiteral("^document[0-9]+$"));
    return host.match(url.host()).hasMatch();
}

bool isDocumentAddress(const QUrl &url)
{
    return isDocumentHost(url) && url.path() == QLatin1String("/");
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

void PreviewSchemeHandler::setBaseFolder(const QString &canonicalFolder)
{
    m_baseFolder = canonicalFolder;
}

void PreviewSchemeHandler::redirectToFile(QWebEngineUrlRequestJob *job)
{
    // Only the preview's own documents may load the base folder's files, and only files it may show, as the
    // file system resolves them (links included), by the rule the local file guard uses too. A refused file
    // fails as a missing one, so a page cannot probe which paths exist.
    const QString relative = job->requestUrl().path(QUrl::FullyDecoded);
    const QString path =
        m_baseFolder.isEmpty()
            ? QString()
            : QFileInfo(QDir::cleanPath(m_baseFolder + QLatin1Char('/') + relative)).canonicalFilePath();
    if (!isPreviewUrl(job->initiator()) || !fileMayBeShown(path, m_baseFolder) || !QFileInfo(path).isFile()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    QUrl fileUrl = QUrl::fromLocalFile(path);
    fileUrl.setQuery(job->requestUrl().query());
    job->redirect(fileUrl);
}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    if (!mayAskForDocuments(job->initiator())) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (isDocumentHost(url) && !isDocumentAddress(url)) {
        redirectToFile(job);
        return;
    }
    if (!isDocumentAddress(url)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the buffer, which must live as long as the engine reads from it.
    auto *buffer = new QBuffer(job);
    buffer->setData(m_document);
    job->reply(QByteArrayLiteral("text/html"), buffer);
}
