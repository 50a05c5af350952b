#include "preview/previewschemehandler.h"

#include "preview/core/browsingrules.h"
#include "preview/core/previewsites.h"
#include "preview/localfileguard.h"

#include <QBuffer>
#include <QFile>
#include <QMap>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PreviewSchemeHandler::schemeName = previewSchemeName().toLatin1();

namespace {

// The documents and local pages are the pupil's: only the pane itself and the documents and pages shown in it
// ask for them, never a web page.
bool mayAskForDocuments(const QUrl &initiator)
{
    return initiator.isEmpty() || isPreviewUrl(initiator);
}

// A request that asks for the right to read what it gets (an element with "crossorigin", a module script, a
// JSON or CSS module, a text track, fetch) carries its origin; the engine would take a file of the asking
// page's own host for one of that origin and hand its contents to the page's scripts. Only fonts, whose bytes
// no script reads, are asked for that way and still shown.
bool asksToReadContents(const QMap<QByteArray, QByteArray> &headers)
{
    bool origin = false;
    bool font = false;
    for (auto header = headers.cbegin(); header != headers.cend(); ++header) {
        origin = origin || header.key().compare("Origin", Qt::CaseInsensitive) == 0;
        font = font || header.key().compare(LocalFileGuard::fontRequestHeader, Qt::CaseInsensitive) == 0;
    }
    return origin && !font;
}

} // namespace

PreviewSchemeHandler::PreviewSchemeHandler(const PreviewSites *sites, QObject *parent)
    : QWebEngineUrlSchemeHandler(parent), m_sites(sites)
{
}

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

void PreviewSchemeHandler::setDocument(const QByteArray &bytes)
{
    m_document = bytes;
}

void PreviewSchemeHandler::replyWithPage(QWebEngineUrlRequestJob *job, const QString &file)
{
    // The job owns the file, which must stay open as long as the engine reads from it. The bytes go as they
    // are, so the page's own character set declaration holds as in any browser.
    auto *page = new QFile(file, job);
    if (!page->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    job->reply(QByteArrayLiteral("text/html"), page);
}

void PreviewSchemeHandler::redirectToFile(QWebEngineUrlRequestJob *job)
{
    // Only the preview's own documents and pages may load their folder's files, and only files it may show,
    // as the file system resolves them (links included), by the rule the local file guard uses too. A refused
    // file fails as a missing one, so a page cannot probe which paths exist.
    const QString path = m_sites->fileOf(job->requestUrl());
    if (!isPreviewUrl(job->initiator()) || path.isEmpty() || asksToReadContents(job->requestHeaders())) {
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
    if (isPreviewDocumentAddress(url)) {
        // The job owns the buffer, which must live as long as the engine reads from it.
        auto *buffer = new QBuffer(job);
        buffer->setData(m_document);
        job->reply(QByteArrayLiteral("text/html"), buffer);
        return;
    }
    const QString page = m_sites->localPageFile(url);
    if (!page.isEmpty()) {
        replyWithPage(job, page);
        return;
    }
    redirectToFile(job);
}
