#pragma once

#include <QHash>
#include <QString>
#include <QUrl>

// The preview's own addresses and the local folder behind each. The pupil's documents
// (velmark-preview://document<n>/) may show the files of the pupil's folder. A local HTML page the pane shows
// (typed into the address bar, followed from a link, shown in a frame) is served from an address of its own,
// velmark-preview://page<n>/<its path inside its folder>, and may show the files of its folder: its own
// folder when the pupil typed it, else the folder of the document or page that led to it, so a link back up
// (`..`) within that folder works as in any browser. A relative address of a document or page names a file of
// its folder. Every document and every local page has a host, and with it an origin, of its own: no page
// shares an origin with another page or with the files it shows, so the engine's cross-origin rules keep the
// files' contents from every script.
class PreviewSites
{
public:
    // The canonical form of a folder if pages may show its files, else empty: never a hidden folder, the home
    // folder itself or a system folder.
    static QString folderPagesMayShow(const QString &folder);
    // Whether a local file is shown as a page (an HTML file) rather than as a file of its own kind.
    static bool isHtmlFile(const QString &path);
    // Whether the file at this canonical path is a local page: an HTML file that exists.
    static bool isLocalPage(const QString &canonicalPath);

    // The pupil's folder, whose files the documents may show; empty, or a folder pages may not show: none.
    void setPupilsFolder(const QString &folder);

    // The address the local page at this canonical path is served from, with the canonical folder whose files
    // it may show (empty: none). The same page of the same folder keeps its address.
    QUrl localPageAddress(const QString &canonicalFile, const QString &canonicalFolder);
    // The address a local page the pupil typed is served from: it may show the files of its own folder.
    QUrl typedPageAddress(const QString &canonicalFile);
    // What the pane loads for an address the pupil typed: a local page's served address, with the typed query
    // and fragment; any other address as it is.
    QUrl typedAddressToLoad(const QUrl &typed);
    // The local page an address serves (its query and fragment aside), canonical; empty for any other
    // address.
    QString localPageFile(const QUrl &address) const;
    // Whether the address serves a whole document or local page, rather than naming a file of a folder.
    bool servesPage(const QUrl &address) const;

    // The canonical folder whose files the document or page at this address (or of this origin) may show;
    // empty: none.
    QString folderOf(const QUrl &address) const;
    // The canonical local file a relative address of a document or page names, when that document or page may
    // show it; else empty, exactly as for a missing file.
    QString fileOf(const QUrl &address) const;
    // Whether the document or page at this address may show the local file at this path.
    bool mayShow(const QUrl &address, const QString &path) const;

    // What the pupil sees as a page's address: a local page's own file address (with the query and fragment)
    // for its internal one, the file address a relative address names; any other address as it is.
    QUrl shownAddress(const QUrl &address) const;

private:
    struct LocalPage
    {
        QString file;   // canonical
        QString folder; // canonical; empty: none
        QString root;   // the folder the address's paths start from: the folder, else the page's own
        QString path;   // the address's path: the file's path below the root
    };

    const LocalPage *localPageAt(const QUrl &address) const;

    QString m_pupilsFolder;
    QHash<QString, LocalPage> m_pages;    // by host
    QHash<QString, QString> m_hostOfPage; // by folder and file
};
