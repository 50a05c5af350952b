#include "preview/previewpage.h"

#include "preview/core/activationscript.h"
#include "preview/core/browsingrules.h"
#include "preview/pagedialogs.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

// How long after the pupil activated a link or form a navigation counts as the pupil's: long enough for the
// page's click handler to run, short enough that a page waiting for a click cannot use it much later.
constexpr qint64 pupilInputWindowMs = 1000;

QString randomToken()
{
    QString token;
    for (int i = 0; i < 4; ++i)
        token += QString::number(QRandomGenerator::system()->generate64(), 36);
    return QStringLiteral("velmark-activation-") + token;
}

NavigationKind kindOf(QWebEnginePage::NavigationType type)
{
    switch (type) {
    case QWebEnginePage::NavigationTypeTyped:
        return NavigationKind::Typed;
    case QWebEnginePage::NavigationTypeLinkClicked:
    case QWebEnginePage::NavigationTypeFormSubmitted:
        return NavigationKind::LinkOrForm;
    case QWebEnginePage::NavigationTypeBackForward:
        return NavigationKind::BackForward;
    case QWebEnginePage::NavigationTypeReload:
        return NavigationKind::Reload;
    case QWebEnginePage::NavigationTypeRedirect:
        return NavigationKind::Redirect;
    case QWebEnginePage::NavigationTypeOther:
        break;
    }
    return NavigationKind::Other;
}

// Logs `message` once the document as it stands has reached the screen. Three animation frames first: the
// first runs before the frame that draws the document as it stands, and by the third that frame has been
// handed on. A document that shows anything but the browser's default background then waits until its first
// paint has been presented, which the engine reports only once the frame is on screen: until then a new
// renderer's view is blank, however many frames the page has drawn (a busy machine may take a while to put
// that view on screen). A document that shows nothing has no first paint and looks like the blank view
// anyway.
QString paintReportScript(const QString &message)
{
    return QStringLiteral(R"((() => {
const report = () => console.info('%1');
const coloured = (element) => {
    if (!element)
        return false;
    const style = getComputedStyle(element);
    return style.backgroundColor !== 'rgba(0, 0, 0, 0)' || style.backgroundImage !== 'none';
};
const showsSomething = () => {
    if (coloured(document.documentElement) || coloured(document.body))
        return true;
    for (const image of document.images) {
        if (image.complete && image.naturalWidth > 0 && image.getClientRects().length > 0)
            return true;
    }
    if (!document.body)
        return false;
    const texts = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let text = texts.nextNode(); text; text = texts.nextNode()) {
        const parent = text.parentElement;
        if (text.data.trim() && parent && parent.getClientRects().length > 0
                && getComputedStyle(parent).visibility === 'visible')
            return true;
    }
    return false;
};
requestAnimationFrame(() => requestAnimationFrame(() => requestAnimationFrame(() => {
    if (!showsSomething()) {
        report();
        return;
    }
    new PerformanceObserver((entries, observer) => {
        observer.disconnect();
        report();
    }).observe({type: 'paint', buffered: true});
})));
})();)")
        .arg(message);
}

} // namespace

PreviewPage::PreviewPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent),
      m_paintReportPrefix(QStringLiteral("velmark-painted-%1:").arg(QRandomGenerator::system()->generate64()))
{
    // The pupil's navigation is under way until its page commits or its load ends.
    connect(this, &QWebEnginePage::urlChanged, this, [this] { m_approvedInFlight = false; });
    connect(this, &QWebEnginePage::loadFinished, this, [this] { m_approvedInFlight = false; });

    m_activationToken = randomToken();
    QWebEngineScript watch;
    watch.setName(QStringLiteral("velmark-activation-watch"));
    watch.setInjectionPoint(QWebEngineScript::DocumentCreation);
    watch.setWorldId(QWebEngineScript::ApplicationWorld);
    watch.setRunsOnSubFrames(true);
    watch.setSourceCode(pupilActivationScript(m_activationToken));
    scripts().insert(watch);
}

void PreviewPage::expectProgramStep()
{
    m_programStep = true;
}

bool PreviewPage::pupilActedRecently() const
{
    return m_sinceActivation.isValid() && m_sinceActivation.elapsed() <= pupilInputWindowMs;
}

bool PreviewPage::showsPreview() const
{
    return url().isEmpty() || isPreviewDocumentUrl(url());
}

QString PreviewPage::pageName() const
{
    if (!title().isEmpty() && !title().startsWith(previewSchemeName() + QLatin1Char(':')))
        return title();
    if (showsPreview())
        return QStringLiteral("Το έγγραφό σας");
    // A local page's address ends in its file's name.
    return isPreviewUrl(url()) ? url().fileName() : url().host();
}

void PreviewPage::javaScriptAlert(const QUrl &, const QString &msg)
{
    if (m_dialogs)
        m_dialogs->alert(pageName(), msg);
}

bool PreviewPage::javaScriptConfirm(const QUrl &, const QString &msg)
{
    if (!m_dialogs)
        return false;
    // The engine asks "leave this page?" for a page's "beforeunload" through a confirmation of its own words.
    const QString leaveQuestion = QCoreApplication::translate(
        "QWebEnginePage",
        "Are you sure you want to leave this page? Changes that you made may not be saved.");
    if (msg == leaveQuestion) {
        // The pupil's own document never holds up its own refresh.
        return showsPreview() || m_dialogs->leave(pageName());
    }
    return m_dialogs->confirm(pageName(), msg);
}

bool PreviewPage::javaScriptPrompt(const QUrl &, const QString &msg, const QString &defaultValue,
                                   QString *result)
{
    return m_dialogs && m_dialogs->prompt(pageName(), msg, defaultValue, result);
}

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // The engine would hand an address it cannot show to the desktop's opener, which would start another
    // program with words a page chose: the pane never does, and tells the pupil why their link did nothing.
    if (!schemeShownInPane(url.scheme())) {
        if (type == NavigationTypeLinkClicked && pupilActedRecently() && !m_otherProgramReported) {
            m_otherProgramReported = true;
            Q_EMIT otherProgramAddressRefused(url);
        }
        return false;
    }
    const bool pagesOwn = type != NavigationTypeTyped && !m_programStep;
    if (isMainFrame && url.isLocalFile() && pagesOwn && m_pageMayOpen && !m_pageMayOpen(url))
        return false;
    // A web page never leads the pane to the documents or local pages: neither by itself nor by its server's
    // redirection, which would carry the program's own load of a typed web address to a local page.
    const QUrl from = type == NavigationTypeRedirect ? m_mainFrameTarget : this->url();
    if (isMainFrame && isPreviewUrl(url) && !previewAddressReachable(kindOf(type), from))
        return false;
    NavigationRequest request;
    request.isMainFrame = isMainFrame;
    request.showsPreview = showsPreview();
    request.kind = kindOf(type);
    request.programAsked = m_programStep;
    request.pupilActed = pupilActedRecently();
    request.approvedInFlight = m_approvedInFlight;
    request.leadsToDocument = standsForPupilsDocument(url);
    if (isMainFrame && (type == NavigationTypeBackForward || type == NavigationTypeReload))
        m_programStep = false;
    const bool allowed = navigationAllowed(request);
    // Redirections of a navigation that leaves the document go on; a new document of the pupil's makes the
    // redirections that follow its load its own, which it may not start by itself.
    // A relative address of the document is on the document's own host, and is sent on to the local file.
    const bool documentAddress = isPreviewDocumentAddress(url);
    if (allowed && isMainFrame && request.showsPreview && !documentAddress)
        m_approvedInFlight = true;
    if (allowed && isMainFrame)
        m_mainFrameTarget = url;
    return allowed;
}

// The script runs in the program's own world, out of the page's reach.
void PreviewPage::askForPaintReport(quint64 documentNumber)
{
    runJavaScript(paintReportScript(m_paintReportPrefix + QString::number(documentNumber)),
                  QWebEngineScript::ApplicationWorld);
}

void PreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                           int lineNumber, const QString &sourceId)
{
    // The program's own scripts, in a world the page cannot see, report through console messages with secret
    // words: the pupil activated a link or form, or the document has painted.
    if (message == m_activationToken) {
        m_sinceActivation.start();
        m_otherProgramReported = false;
        return;
    }
    if (message.startsWith(m_paintReportPrefix)) {
        bool ok = false;
        const quint64 number = QStringView(message).mid(m_paintReportPrefix.size()).toULongLong(&ok);
        if (ok)
            Q_EMIT painted(number);
        return;
    }
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
}
