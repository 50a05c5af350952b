#include "previewschemehandler.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PreviewSchemeHandler::schemeName = QByteArrayLiteral("velmark-preview");

namespace {

const QString documentHost = QStringLiteral("preview");

bool isDocumentPath(const QString &path)
{
    static const QRegularExpression pattern(QStringLiteral("^/[0-9]+$"));
    return pattern.match(path).hasMatch();
}

} // namespace

void PreviewSchemeHandler::registerScheme()
{
    if (QWebEngineUrlScheme::schemeByName(schemeName).name() == schemeName)
        return;
    QWebEngineUrlScheme scheme(schemeName);
    // A host gives the documents an origin of their own, so the pupil's scripts may use storage and cookies.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Pages of other schemes may not load local files; the documents may, so their local images and media show.
    scheme.setFlags(QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl PreviewSchemeHandler::documentUrl(quint64 number)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(schemeName));
    url.setHost(documentHost);
    url.setPath(QLatin1Char('/') + QString::number(number));
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
    const QUrl url = job->requestUrl();
    if (url.host() != documentHost || !isDocumentPath(url.path())) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the buffer, which must live as long as the engine reads from it.
    auto *buffer = new QBuffer(job);
    buffer->setData(m_document);
    job->reply(QByteArrayLiteral("text/html"), buffer);
}
