#include "preview/core/previewsites.h"

#include "preview/core/browsingrules.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString canonicalPathOf(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

QUrl withQueryAndFragmentOf(QUrl url, const QUrl &address)
{
    url.setQuery(address.query(QUrl::FullyEncoded), QUrl::StrictMode);
    url.setFragment(address.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

} // namespace

QString PreviewSites::folderPagesMayShow(const QString &folder)
{
    const QString canonical = canonicalPathOf(folder);
    return folderMayBeShown(canonical, canonicalPathOf(QDir::homePath())) ? canonical : QString();
}

bool PreviewSites::isHtmlFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

bool PreviewSites::isLocalPage(const QString &canonicalPath)
{
    return isHtmlFile(canonicalPath) && QFileInfo(canonicalPath).isFile();
}

void PreviewSites::setPupilsFolder(const QString &folder)
{
    m_pupilsFolder = folderPagesMayShow(folder);
}

QUrl PreviewSites::localPageAddress(const QString &canonicalFile, const QString &canonicalFolder)
{
    // A page outside its folder, or hidden in it, shows no file of the folder.
    const QString folder = fileMayBeShown(canonicalFile, canonicalFolder) ? canonicalFolder : QString();
    const QString key = folder + QLatin1Char('\n') + canonicalFile;
    QString host = m_hostOfPage.value(key);
    if (host.isEmpty()) {
        LocalPage page;
        page.file = canonicalFile;
        page.folder = folder;
        page.root = folder.isEmpty() ? QFileInfo(canonicalFile).absolutePath() : folder;
        page.path = canonicalFile.mid(page.root.endsWith(u'/') ? page.root.size() - 1 : page.root.size());
        host = QStringLiteral("page") + QString::number(m_pages.size() + 1);
        m_pages.insert(host, page);
        m_hostOfPage.insert(key, host);
    }
    QUrl address;
    address.setScheme(previewSchemeName());
    address.setHost(host);
    address.setPath(m_pages.value(host).path, QUrl::DecodedMode);
    return address;
}

QUrl PreviewSites::typedPageAddress(const QString &canonicalFile)
{
    return localPageAddress(canonicalFile, folderPagesMayShow(QFileInfo(canonicalFile).absolutePath()));
}

QUrl PreviewSites::typedAddressToLoad(const QUrl &typed)
{
    const QString file = typed.isLocalFile() ? canonicalPathOf(typed.toLocalFile()) : QString();
    return isLocalPage(file) ? withQueryAndFragmentOf(typedPageAddress(file), typed) : typed;
}

const PreviewSites::LocalPage *PreviewSites::localPageAt(const QUrl &address) const
{
    if (!isPreviewUrl(address))
        return nullptr;
    const auto page = m_pages.constFind(address.host());
    return page == m_pages.constEnd() ? nullptr : &page.value();
}

QString PreviewSites::localPageFile(const QUrl &address) const
{
    const LocalPage *page = localPageAt(address);
    return page && address.path(QUrl::FullyDecoded) == page->path ? page->file : QString();
}

bool PreviewSites::servesPage(const QUrl &address) const
{
    return isPreviewDocumentAddress(address) || !localPageFile(address).isEmpty();
}

QString PreviewSites::folderOf(const QUrl &address) const
{
    if (isPreviewDocumentUrl(address))
        return m_pupilsFolder;
    const LocalPage *page = localPageAt(address);
    return page ? page->folder : QString();
}

QString PreviewSites::fileOf(const QUrl &address) const
{
    const QString folder = folderOf(address);
    if (folder.isEmpty() || servesPage(address))
        return QString();
    // The file as the file system resolves it, links included: `..` and links lead nowhere outside the
    // folder.
    const QString path =
        canonicalPathOf(QDir::cleanPath(folder + QLatin1Char('/') + address.path(QUrl::FullyDecoded)));
    return fileMayBeShown(path, folder) && QFileInfo(path).isFile() ? path : QString();
}

bool PreviewSites::mayShow(const QUrl &address, const QString &path) const
{
    return fileMayBeShown(canonicalPathOf(path), folderOf(address));
}

QUrl PreviewSites::shownAddress(const QUrl &address) const
{
    const LocalPage *page = localPageAt(address);
    if (!page)
        return address;
    const QString path = address.path(QUrl::FullyDecoded);
    const QString file =
        path == page->path ? page->file : QDir::cleanPath(page->root + QLatin1Char('/') + path);
    return withQueryAndFragmentOf(QUrl::fromLocalFile(file), address);
}
