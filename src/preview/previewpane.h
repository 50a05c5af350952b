#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>
#include <QUrl>
#include <QWebEngineView>

#include <functional>
#include <memory>

class LocalFileGuard;
class PreviewCurtain;
class PreviewPage;
class PageDialogs;
class PreviewSchemeHandler;
class PreviewSites;
class QWebEngineNewWindowRequest;
class QWebEngineProfile;
class ViewFrameWait;

// Registers the preview's URL scheme with the browser engine; call once before the QApplication is created.
void registerPreviewScheme();

// webbrowser1: the embedded browser of the main window. While the pupil edits it shows the document rendered;
// while the pupil browses it shows web pages. Every load is asynchronous and nothing here waits: a load
// started while another is under way supersedes it, so the pane always ends showing the newest text. A
// preview document keeps the address "about:blank" and keeps the scroll position of the preview it replaces;
// the preview it replaces stays on screen until the new document has painted.
// Each preview document runs in a renderer process of its own, so a document whose script never ends cannot
// hold up the next one.
// Pages are untrusted: the pupil's document does not navigate the pane by itself, pages read no local file,
// and a page's "new window" opens in this pane, the only one there is. A local HTML page shows the files of
// its own folder by the rules the pupil's documents follow, and is known by its file address.
class PreviewPane : public QWebEngineView
{
    Q_OBJECT

public:
    explicit PreviewPane(QWidget *parent = nullptr);
    ~PreviewPane() override;

    // renderHtml: renders the text as an HTML document, exactly the characters written.
    void renderHtml(const QString &htmlCode);
    // renderBytes: renders bytes as an HTML document; bytes without a byte-order mark are read as UTF-8.
    void renderBytes(const QByteArray &bytes);
    // The pupil's folder (that of the file last opened or saved; until then there is none): the preview
    // documents' relative addresses (images, style sheets, scripts, frames) load from it, and it is the one
    // folder whose local files the preview's documents may show. Hidden files and folders never show, and
    // neither does the home folder itself or a system folder: relative addresses then fail as missing files.
    void setBaseFolder(const QString &folder);
    // Loads a web address (browsing).
    void navigate(const QUrl &url);
    // Loads the browser's empty page.
    void showBlank();
    // GoBack, GoForward: a step in the history; false, with nothing done, when there is no page in that
    // direction.
    bool goBack();
    bool goForward();
    // Refresh: reloads the page shown.
    void refresh();

    // LocationURL: the address of the page shown (a local page's file address); "about:blank" while a preview
    // document (or nothing) is shown.
    QString locationUrl() const;
    // Document.Title: the title of the document as it stood when its last load completed ("" without a
    // title).
    QString documentTitle() const;
    // The markup inside the body of the document shown, trimmed of white space and control characters at both
    // ends; "" for a document without a body. Delivered to done once the page has answered.
    void readBodyMarkup(std::function<void(const QString &)> done) const;
    // Whether the last load completed showed what was asked for; false for the engine's own error pages (an
    // unreachable site, a refused address), whose markup is never the page's.
    bool lastLoadSucceeded() const { return m_lastLoadSucceeded; }
    // Whether the pane shows a preview document (or nothing yet), rather than a page or the empty page.
    bool showsPreview() const;

Q_SIGNALS:
    // The browser's load notifications, raised for every load, previews included, in this order.
    void downloadBegin();
    void progressChange(int progress, int progressMax); // progress -1 when a download has finished
    void downloadComplete();
    void documentComplete();
    // The newest preview document has painted, its load complete and its scroll position restored.
    void documentPainted();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The pane's own menu in place of the engine's.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void openNewWindow(QWebEngineNewWindowRequest &request);
    void loadDocument(const QByteArray &document);
    void setScrollRestore(const QUrl &documentUrl);
    void finishLoad(bool succeeded);
    // Reads the title once the document is complete and reports the document; `loadEnd` numbers the load's
    // end, `tries` the reads so far.
    void reportWhenComplete(quint64 loadEnd, int tries);
    void notePainted(quint64 documentNumber);
    // While a page's dialog waits for its answer, keeps the load for afterwards and answers true.
    bool deferWhileDialogOpen(std::function<void()> load);

    QWebEngineProfile *m_profile = nullptr;
    std::unique_ptr<PreviewSites> m_sites; // read by the guard and the scheme handler as long as they live
    PreviewPage *m_page = nullptr;
    LocalFileGuard *m_guard = nullptr;
    PreviewSchemeHandler *m_schemeHandler = nullptr;
    PreviewCurtain *m_curtain = nullptr;
    ViewFrameWait *m_viewFrame = nullptr;
    quint64 m_documentNumber = 0;
    bool m_scrollRestorePending = false;
    QPointF m_scrollToRestore;
    QString m_title;
    bool m_lastLoadSucceeded = true;
    quint64 m_loadEnds = 0; // loads ended so far
    PageDialogs *m_dialogs = nullptr;
    std::function<void()> m_loadAfterDialog; // the newest load asked for while a dialog was open
};
