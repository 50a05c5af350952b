#include "preview/previewpane.h"

#include "preview/accessibleleftovers.h"
#include "preview/core/browsingrules.h"
#include "preview/core/previewdocument.h"
#include "preview/core/previewsites.h"
#include "preview/localfileguard.h"
#include "preview/pagedialogs.h"
#include "preview/previewcontextmenu.h"
#include "preview/previewcurtain.h"
#include "preview/previewpage.h"
#include "preview/previewschemehandler.h"
#include "preview/viewframewait.h"
#include "webengine/enginelanguage.h"
#include "widgets/messages.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include <utility>

namespace {

const QString blankAddress = QStringLiteral("about:blank");
const QString scrollRestoreScriptName = QStringLiteral("velmark-scroll-restore");

QString trimmedMarkup(const QString &markup)
{
    auto trimmable = [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; };
    qsizetype begin = 0;
    qsizetype end = markup.size();
    while (begin < end && trimmable(markup.at(begin)))
        ++begin;
    while (end > begin && trimmable(markup.at(end - 1)))
        --end;
    return markup.mid(begin, end - begin);
}

QString scrollToScript(const QPointF &position)
{
    return QStringLiteral("window.scrollTo(%1, %2);").arg(position.x()).arg(position.y());
}

} // namespace

void registerPreviewScheme()
{
    PreviewSchemeHandler::registerScheme();
}

PreviewPane::PreviewPane(QWidget *parent) : QWebEngineView(parent), m_sites(std::make_unique<PreviewSites>())
{
    // An off-the-record profile of the pane's own, so its scheme handler serves this pane's documents alone.
    m_profile = new QWebEngineProfile(this);
    preferGreekPages(m_profile);
    m_schemeHandler = new PreviewSchemeHandler(m_sites.get(), m_profile);
    m_profile->installUrlSchemeHandler(PreviewSchemeHandler::schemeName, m_schemeHandler);
    m_page = new PreviewPage(m_profile, this);
    auto *page = m_page;
    setPage(page);
    m_dialogs = new PageDialogs(this);
    page->setDialogs(m_dialogs);
    // A page waiting for the answer to its dialog is not replaced under it: the newest load waits.
    connect(m_dialogs, &PageDialogs::closed, this, [this] {
        if (const std::function<void()> load = std::exchange(m_loadAfterDialog, {}))
            load();
    });
    connect(page, &QWebEnginePage::loadStarted, m_dialogs, &PageDialogs::newDocument);

    // The pupil's scripts run. The documents come from a scheme allowed to load local files, so their local
    // images and media show; the guard keeps the files' contents from their scripts. A local page gets an
    // origin of its own, so it cannot read another local file shown in a frame.
    page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    // A page that declares no character set is read as UTF-8, the encoding of almost every page today, rather
    // than the Western code page the engine would guess, which turns Greek into mojibake.
    page->settings()->setDefaultTextEncoding(QStringLiteral("utf-8"));
    m_guard = new LocalFileGuard(m_sites.get(), m_profile);
    m_profile->setUrlRequestInterceptor(m_guard);
    page->setLocalFileRule([this](const QUrl &file) { return m_guard->pageMayOpen(file, url()); });
    connect(page, &QWebEnginePage::newWindowRequested, this, &PreviewPane::openNewWindow);
    // Shown once the engine's question has been answered, outside of it.
    connect(
        page, &PreviewPage::otherProgramAddressRefused, this,
        [this](const QUrl &address) { showMessage(this, otherProgramMessage(address)); },
        Qt::QueuedConnection);
    connect(page, &QWebEnginePage::loadStarted, this, &PreviewPane::downloadBegin);
    connect(page, &QWebEnginePage::loadProgress, this,
            [this](int progress) { Q_EMIT progressChange(progress, 100); });
    connect(page, &QWebEnginePage::loadFinished, this, &PreviewPane::finishLoad);
    m_curtain = new PreviewCurtain(this);
    m_viewFrame = new ViewFrameWait(this);
    connect(page, &PreviewPage::painted, this, &PreviewPane::notePainted);
}

PreviewPane::~PreviewPane()
{
    // The page goes before the profile it lives in, and the profile, with the guard and the scheme handler,
    // before the sites they read; answers still on their way are no longer reported.
    blockSignals(true);
    m_viewFrame->cancel();
    delete page();
    delete m_profile;
}

bool PreviewPane::deferWhileDialogOpen(std::function<void()> load)
{
    if (!m_dialogs->isOpen())
        return false;
    m_loadAfterDialog = std::move(load);
    return true;
}

void PreviewPane::renderHtml(const QString &htmlCode)
{
    if (deferWhileDialogOpen([this, htmlCode] { renderHtml(htmlCode); }))
        return;
    loadDocument(previewDocumentFromText(htmlCode));
}

void PreviewPane::renderBytes(const QByteArray &bytes)
{
    if (deferWhileDialogOpen([this, bytes] { renderBytes(bytes); }))
        return;
    loadDocument(previewDocumentFromBytes(bytes));
}

void PreviewPane::setBaseFolder(const QString &folder)
{
    m_sites->setPupilsFolder(folder);
}

void PreviewPane::showBlank()
{
    navigate(QUrl(blankAddress));
}

void PreviewPane::navigate(const QUrl &url)
{
    if (deferWhileDialogOpen([this, url] { navigate(url); }))
        return;
    m_curtain->lift();
    m_scrollRestorePending = false;
    load(m_sites->typedAddressToLoad(url));
}

bool PreviewPane::goBack()
{
    if (!history()->canGoBack())
        return false;
    m_curtain->lift();
    m_scrollRestorePending = false;
    m_page->expectProgramStep();
    back();
    return true;
}

bool PreviewPane::goForward()
{
    if (!history()->canGoForward())
        return false;
    m_curtain->lift();
    m_scrollRestorePending = false;
    m_page->expectProgramStep();
    forward();
    return true;
}

void PreviewPane::refresh()
{
    m_curtain->lift();
    m_page->expectProgramStep();
    reload();
}

void PreviewPane::contextMenuEvent(QContextMenuEvent *event)
{
    if (const QWebEngineContextMenuRequest *request = lastContextMenuRequest())
        createPreviewContextMenu(this, *request)->popup(event->globalPos());
}

// The engine puts a new view of its own into the pane when a document starts in a new renderer; the curtain
// stays on top of it.
bool PreviewPane::event(QEvent *event)
{
    const bool handled = QWebEngineView::event(event);
    if (event->type() == QEvent::ChildAdded && m_curtain && m_curtain->isDown())
        m_curtain->raise();
    return handled;
}

// A picture of the page at another size would not fit: the live view shows at once.
void PreviewPane::resizeEvent(QResizeEvent *event)
{
    if (m_curtain)
        m_curtain->lift();
    QWebEngineView::resizeEvent(event);
}

// A page's "new window" (a link with a target, window.open) opens in this pane, when the rules let it.
void PreviewPane::openNewWindow(QWebEngineNewWindowRequest &request)
{
    // A relative address of a document or local page names a file of its folder, which opens as that file.
    QUrl target = request.requestedUrl();
    if (isPreviewUrl(target) && !m_sites->servesPage(target)) {
        const QString file = m_sites->fileOf(target);
        if (file.isEmpty())
            return;
        target = QUrl::fromLocalFile(file);
    }
    // The engine counts a click as the user's for several seconds; a window of the pupil's document opens
    // only on a link or form the pupil has just activated.
    const bool pupils = request.isUserInitiated() && (!showsPreview() || m_page->pupilActedRecently());
    if (!newWindowAllowed(target, m_sites->shownAddress(url()), showsPreview(), pupils))
        return;
    if (!target.isLocalFile()) {
        navigate(target);
        return;
    }
    // A local page opens as a page the one on show led to: with that one's folder.
    const QString file = QFileInfo(target.toLocalFile()).canonicalFilePath();
    if (!m_sites->mayShow(url(), file))
        return;
    navigate(PreviewSites::isHtmlFile(file) ? m_sites->localPageAddress(file, m_sites->folderOf(url()))
                                            : QUrl::fromLocalFile(file));
}

QString PreviewPane::locationUrl() const
{
    // While it shows the pupil's document the pane is where the editing address leads.
    return showsPreview() ? editingAddress() : m_sites->shownAddress(url()).toString();
}

QString PreviewPane::documentTitle() const
{
    return m_title;
}

void PreviewPane::readBodyMarkup(std::function<void(const QString &)> done) const
{
    page()->runJavaScript(QStringLiteral("document.body ? document.body.innerHTML : ''"),
                          QWebEngineScript::ApplicationWorld,
                          [done](const QVariant &markup) { done(trimmedMarkup(markup.toString())); });
}

void PreviewPane::loadDocument(const QByteArray &document)
{
    // The position to keep is read from the preview on screen; while an earlier preview load is still under
    // way, the position it was to restore is kept instead of the top of its half-loaded page.
    if (!m_scrollRestorePending) {
        m_scrollToRestore = showsPreview() ? page()->scrollPosition() : QPointF();
        m_scrollRestorePending = true;
    }
    // The page on screen stays there until the new document has painted.
    if (isVisible() && !url().isEmpty() && showsPreview())
        m_curtain->cover(m_curtain->isDown() ? QPixmap() : grab());
    m_schemeHandler->setDocument(document);
    const QUrl documentUrl = PreviewSchemeHandler::documentUrl(++m_documentNumber);
    setScrollRestore(documentUrl);
    load(documentUrl);
}

// Scrolls the new document to the kept position as soon as it is parsed, before its first paint where the
// page is quick enough; the load's end scrolls again once images have given the page its full height.
void PreviewPane::setScrollRestore(const QUrl &documentUrl)
{
    QWebEngineScriptCollection &scripts = page()->scripts();
    for (const QWebEngineScript &old : scripts.find(scrollRestoreScriptName))
        scripts.remove(old);
    QWebEngineScript script;
    script.setName(scrollRestoreScriptName);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(QStringLiteral("if (location.href === '%1') %2")
                             .arg(documentUrl.toString(), scrollToScript(m_scrollToRestore)));
    scripts.insert(script);
}

void PreviewPane::finishLoad(bool succeeded)
{
    m_lastLoadSucceeded = succeeded;
    if (m_scrollRestorePending && url() == PreviewSchemeHandler::documentUrl(m_documentNumber)) {
        page()->runJavaScript(scrollToScript(m_scrollToRestore), QWebEngineScript::ApplicationWorld);
        m_scrollRestorePending = false;
    } else if (!showsPreview()) {
        m_scrollRestorePending = false;
    }
    if (url() == PreviewSchemeHandler::documentUrl(m_documentNumber))
        m_page->askForPaintReport(m_documentNumber);
    else if (!showsPreview())
        m_curtain->lift();
    Q_EMIT progressChange(-1, 100);
    reportWhenComplete(++m_loadEnds, 0);
}

void PreviewPane::reportWhenComplete(quint64 loadEnd, int tries)
{
    // The engine may report the end of a load that the page's own navigation overtook (a link a script
    // follows while its page loads): the document on screen is then still loading, and its end is not
    // reported again. Its title and markup are read once it is complete, unless a later load's end speaks for
    // it first; a document that never completes is reported after a while all the same.
    constexpr int maximumTries = 150;
    constexpr int retryMilliseconds = 200;
    QPointer<PreviewPane> self(this);
    // The title is read from the document itself: the engine's page title falls back to the address.
    page()->runJavaScript(
        QStringLiteral("[document.title, document.readyState]"), QWebEngineScript::ApplicationWorld,
        [self, loadEnd, tries](const QVariant &answer) {
            if (!self || (tries > 0 && loadEnd != self->m_loadEnds))
                return;
            const QVariantList titleAndState = answer.toList();
            if (titleAndState.value(1).toString() != QLatin1String("complete") && tries < maximumTries) {
                QTimer::singleShot(retryMilliseconds, self,
                                   [self, loadEnd, tries] { self->reportWhenComplete(loadEnd, tries + 1); });
                return;
            }
            self->m_title = titleAndState.value(0).toString();
            Q_EMIT self->downloadComplete();
            Q_EMIT self->documentComplete();
        });
}

void PreviewPane::notePainted(quint64 documentNumber)
{
    if (documentNumber != m_documentNumber)
        return;
    // The page has painted in its renderer; the pupil sees it once the view has drawn it, and not before: a
    // curtain lifted earlier would bare the blank view of the new renderer for a moment.
    m_viewFrame->afterNextFrame(focusProxy(), [this, documentNumber] {
        if (documentNumber != m_documentNumber)
            return;
        m_curtain->lift();
        // The document it replaced is gone by now, and with it the nodes a screen reader read there.
        dropAccessibleLeftovers(this);
        Q_EMIT documentPainted();
    });
}

bool PreviewPane::showsPreview() const
{
    return m_page->showsPreview();
}
