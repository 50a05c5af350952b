#include "preview/localfileguard.h"

#include "preview/core/browsingrules.h"
#include "preview/core/previewsites.h"

#include <QFileInfo>

namespace {

bool loadsAsElement(QWebEngineUrlRequestInfo::ResourceType type)
{
    switch (type) {
    case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeSubFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeStylesheet:
    case QWebEngineUrlRequestInfo::ResourceTypeScript:
    case QWebEngineUrlRequestInfo::ResourceTypeImage:
    case QWebEngineUrlRequestInfo::ResourceTypeFontResource:
    case QWebEngineUrlRequestInfo::ResourceTypeObject:
    case QWebEngineUrlRequestInfo::ResourceTypeMedia:
    case QWebEngineUrlRequestInfo::ResourceTypeFavicon:
        return true;
    default:
        return false;
    }
}

bool loadsAsFrame(QWebEngineUrlRequestInfo::ResourceType type)
{
    return type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame ||
           type == QWebEngineUrlRequestInfo::ResourceTypeSubFrame;
}

} // namespace

const QByteArray LocalFileGuard::fontRequestHeader = QByteArrayLiteral("X-Velmark-Font");

LocalFileGuard::LocalFileGuard(PreviewSites *sites, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), m_sites(sites)
{
}

bool LocalFileGuard::pageMayOpen(const QUrl &file, const QUrl &from) const
{
    LocalFileRequest request;
    request.canonicalPath = QFileInfo(file.toLocalFile()).canonicalFilePath();
    request.initiator = from;
    request.firstParty = from;
    request.loadsAsElement = true;
    request.isMainFrame = true;
    request.allowedFolder = m_sites->folderOf(from);
    return localFileRequestAllowed(request);
}

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    const QWebEngineUrlRequestInfo::ResourceType type = info.resourceType();
    if (isPreviewUrl(url)) {
        // A document or local page is shown in a frame; a script asking for one would read it whole, whatever
        // its host.
        if (!loadsAsFrame(type) && m_sites->servesPage(url))
            info.block(true);
        else if (type == QWebEngineUrlRequestInfo::ResourceTypeFontResource)
            info.setHttpHeader(fontRequestHeader, QByteArrayLiteral("1"));
        return;
    }
    if (!url.isLocalFile())
        return;
    // The folder is that of the document or page that asked; the program's own loads have no initiator.
    const QUrl asking = info.initiator().isEmpty() ? info.firstPartyUrl() : info.initiator();
    LocalFileRequest request;
    request.canonicalPath = QFileInfo(url.toLocalFile()).canonicalFilePath();
    request.initiator = info.initiator();
    request.firstParty = info.firstPartyUrl();
    request.loadsAsElement = loadsAsElement(type);
    request.isMainFrame = type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame;
    request.allowedFolder = m_sites->folderOf(asking);
    if (!localFileRequestAllowed(request)) {
        info.block(true);
        return;
    }
    // A local HTML page is served from an address of the preview's own, where it shows its folder's files as
    // the documents do: a page the pupil typed those of its own folder, a page another led to those of that
    // one's folder.
    if (loadsAsFrame(type) && PreviewSites::isLocalPage(request.canonicalPath))
        info.redirect(info.initiator().isEmpty()
                          ? m_sites->typedPageAddress(request.canonicalPath)
                          : m_sites->localPageAddress(request.canonicalPath, request.allowedFolder));
}
