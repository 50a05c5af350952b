#include "preview/printcopy.h"

#include "preview/previewpane.h"

#include <QEventLoop>
#include <QPageLayout>
#include <QPageRanges>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// A wait for the browser's answer, bounded in time. The answer may come after the wait has given up (the
// callback then holds the last reference), so the callbacks share it.
class BoundedWait
{
public:
    void finish()
    {
        m_done = true;
        m_loop.quit();
    }
    // Runs the events until finish() or the time is up; true when finished.
    bool run(int patienceMs)
    {
        if (m_done)
            return true;
        QTimer::singleShot(patienceMs, &m_loop, &QEventLoop::quit);
        m_loop.exec();
        return m_done;
    }

private:
    QEventLoop m_loop;
    bool m_done = false;
};

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
    auto answered = std::make_shared<BoundedWait>();
    m_preview->page()->toHtml([markup, answered](const QString &html) {
        *markup = html;
        answered->finish();
    });
    if (!answered->run(patienceMs) || markup->toUtf8().size() > largestCopy)
        return false;

    m_view = new QWebEngineView;
    m_view->setAttribute(Qt::WA_DontShowOnScreen);
    auto *page = new QWebEnginePage(m_preview->page()->profile(), m_view);
    page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    page->settings()->setDefaultTextEncoding(QStringLiteral("utf-8"));
    m_view->setPage(page);
    m_view->resize(m_preview->size());
    BoundedWait loaded;
    const QMetaObject::Connection done =
        connect(page, &QWebEnginePage::loadFinished, this, [&loaded](bool) { loaded.finish(); });
    page->setHtml(*markup, m_preview->page()->url());
    const bool ready = loaded.run(patienceMs);
    disconnect(done);
    return ready;
}

bool PrintCopy::printToPdf(const QString &filePath, const QPageLayout &layout, const QPageRanges &ranges,
                           int patienceMs)
{
    if (!m_view)
        return false;
    BoundedWait finished;
    bool written = false;
    const QMetaObject::Connection done =
        connect(m_view->page(), &QWebEnginePage::pdfPrintingFinished, this,
                [&finished, &written, filePath](const QString &path, bool ok) {
                    if (path != filePath)
                        return;
                    written = ok;
                    finished.finish();
                });
    m_view->page()->printToPdf(filePath, layout, ranges);
    const bool ended = finished.run(patienceMs);
    disconnect(done);
    m_stuck = !ended;
    return ended && written;
}

bool PrintCopy::print(QPrinter *printer, int patienceMs)
{
    if (!m_view)
        return false;
    BoundedWait finished;
    const QMetaObject::Connection done =
        connect(m_view, &QWebEngineView::printFinished, this, [&finished](bool) { finished.finish(); });
    m_view->print(printer);
    const bool ended = finished.run(patienceMs);
    disconnect(done);
    m_stuck = !ended;
    return ended;
}
