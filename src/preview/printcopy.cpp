#include "printcopy.h"

#include "previewpane.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Runs the events until `done` is set (by a signal the caller connected) or the time is up; true when done.
bool waitUntil(const bool &done, int patienceMs)
{
    if (done)
        return true;
    QEventLoop loop;
    QTimer check;
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&check, &QTimer::timeout, &loop, [&loop, &done] {
        if (done)
            loop.quit();
    });
    check.start(10);
    patience.start(patienceMs);
    loop.exec();
    return done;
}

// Markup whose size a page's own "set HTML" accepts (it travels as a data address).
constexpr qsizetype largestCopy = 2 * 1024 * 1024 - 4096;

} // namespace

PrintCopy::PrintCopy(PreviewPane *preview, QObject *parent) : QObject(parent), m_preview(preview) {}

PrintCopy::~PrintCopy()
{
    if (m_stuck)
        return; // deleting a view whose print never ended would take the browser down with it
    delete m_view;
}

bool PrintCopy::prepare(int patienceMs)
{
    // The page's document as its scripts have left it. A page whose script never ends does not answer.
    auto markup = std::make_shared<QString>();
    auto answered = std::make_shared<bool>(false);
    m_preview->page()->toHtml([markup, answered](const QString &html) {
        *markup = html;
        *answered = true;
    });
    if (!waitUntil(*answered, patienceMs) || markup->toUtf8().size() > largestCopy)
        return false;

    m_view = new QWebEngineView;
    m_view->setAttribute(Qt::WA_DontShowOnScreen);
    auto *page = new QWebEnginePage(m_preview->page()->profile(), m_view);
    page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    page->settings()->setDefaultTextEncoding(QStringLiteral("utf-8"));
    m_view->setPage(page);
    m_view->resize(m_preview->size());
    bool loaded = false;
    connect(page, &QWebEnginePage::loadFinished, this, [&loaded](bool) { loaded = true; });
    page->setHtml(*markup, m_preview->page()->url());
    const bool ready = waitUntil(loaded, patienceMs);
    disconnect(page, &QWebEnginePage::loadFinished, this, nullptr);
    return ready;
}

bool PrintCopy::print(QPrinter *printer, int patienceMs)
{
    if (!m_view)
        return false;
    auto finished = std::make_shared<bool>(false);
    const QMetaObject::Connection done =
        connect(m_view, &QWebEngineView::printFinished, this, [finished](bool) { *finished = true; });
    m_view->print(printer);
    const bool ended = waitUntil(*finished, patienceMs);
    disconnect(done);
    m_stuck = !ended;
    return ended;
}
