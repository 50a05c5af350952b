#include "previewschemehandler.h"

#include "browsingrules.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include <optional>

const QByteArray PreviewSchemeHandler::schemeName = previewSchemeName().toLatin1();

namespace {

const QString fileHostPrefix = QStringLiteral("file");

// The number of a file host (file<number>), if the address is on one.
std::optional<quint64> fileHostNumber(const QUrl &url)
{
    static const QRegularExpression host(QStringLiteral("^file([0-9]+)$"));
    const QRegularExpressionMatch match = host.match(url.host());
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const quint64 number = match.captured(1).toULongLong(&ok);
    return ok ? std::optional<quint64>(number) : std::nullopt;
}

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

void PreviewSchemeHandler::setBaseFolder(const QString &folder)
{
    m_baseFolder = folder;
}

void PreviewSchemeHandler::serveFile(QWebEngineUrlRequestJob *job)
{
    // Only the preview's own documents may load the base folder's files, and only files inside it.
    if (!isPreviewUrl(job->initiator())) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    // Inside the folder as the file system resolves it, links included, by the rule the local file guard
    // uses too.
    const QString base =
        QFileInfo(m_baseFolder.isEmpty() ? QDir::currentPath() : m_baseFolder).canonicalFilePath();
    const QString relative = QDir::cleanPath(job->requestUrl().path(QUrl::FullyDecoded));
    const QString path = QFileInfo(base + QLatin1Char('/') + relative).canonicalFilePath();
    if (relative.startsWith(QLatin1String("..")) || (!path.isEmpty() && !pathInsideFolder(path, base))) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    if (base.isEmpty() || path.isEmpty() || !QFileInfo(path).isFile()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // A file shown before and unchanged since comes from memory; the job owns the buffer it reads from.
    if (const std::optional<PreviewFileCache::File> kept = m_files.read(path)) {
        auto *buffer = new QBuffer(job);
        buffer->setData(kept->bytes);
        job->reply(kept->mimeType, buffer);
        return;
    }
    auto *file = new QFile(path, job);
    if (!file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    job->reply(QMimeDatabase().mimeTypeForFile(path).name().toLatin1(), file);
}

void PreviewSchemeHandler::redirectToFreshHost(QWebEngineUrlRequestJob *job)
{
    const quint64 number = ++m_fileHosts;
    m_pendingHosts.insert(number);
    QUrl fileUrl = job->requestUrl();
    fileUrl.setHost(fileHostPrefix + QString::number(number));
    job->redirect(fileUrl);
}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    if (!mayAskForDocuments(job->initiator())) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (const std::optional<quint64> host = fileHostNumber(url)) {
        if (m_pendingHosts.remove(*host))
            serveFile(job);
        else
            redirectToFreshHost(job);
        return;
    }
    if (isDocumentHost(url) && !isDocumentAddress(url)) {
        redirectToFreshHost(job);
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
