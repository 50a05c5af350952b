#include "localfileguard.h"

#include "browsingrules.h"

#include <QDir>
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

QString canonicalPathOf(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

QString LocalFileGuard::folderPagesMayShow(const QString &folder)
{
    const QString canonical = folder.isEmpty() ? QString() : canonicalPathOf(folder);
    return folderMayBeShown(canonical, canonicalPathOf(QDir::homePath())) ? canonical : QString();
}

void LocalFileGuard::setAllowedFolder(const QString &folder)
{
    m_allowedFolder = folderPagesMayShow(folder);
}

bool LocalFileGuard::allowsFile(const QString &path) const
{
    return fileMayBeShown(canonicalPathOf(path), m_allowedFolder);
}

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!info.requestUrl().isLocalFile())
        return;
    LocalFileRequest request;
    request.canonicalPath = canonicalPathOf(info.requestUrl().toLocalFile());
    request.initiator = info.initiator();
    request.firstParty = info.firstPartyUrl();
    request.loadsAsElement = loadsAsElement(info.resourceType());
    request.isMainFrame = info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame;
    request.allowedFolder = m_allowedFolder;
    if (!localFileRequestAllowed(request))
        info.block(true);
}
