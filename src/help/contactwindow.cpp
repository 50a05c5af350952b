#include "help/contactwindow.h"

#include "core/makerinfo.h"
#include "help/core/helptexts.h"
#include "help/helppane.h"
#include "webengine/enginelanguage.h"
#include "widgets/fonts.h"
#include "widgets/titlewidth.h"

#include <QScreen>
#include <QShowEvent>
#include <QStackedLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

ContactWindow::ContactWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_contactPage(MakerInfo::contactPage())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(HelpTexts::contactCaption());
    setFont(Fonts::pixels(15));
    // Wide enough for the window manager to show the whole caption with its addresses.
    resize(qMax(451, titleBarWidth(windowTitle())), 526);

    m_addressPane = new HelpPane(this);
    m_addressPane->setAccessibleName(QStringLiteral("Στοιχεία επικοινωνίας"));
    // The text pane and the browser both fill the window; one at a time is shown.
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_addressPane);
}

void ContactWindow::setContactPage(const QUrl &url)
{
    m_contactPage = url;
}

void ContactWindow::prepareBrowser()
{
    if (m_browser)
        return;
    // The browser is made when first needed, so that a window used offline starts no browser process. It gets
    // a profile of its own that keeps nothing on disk; the profile belongs to the window, which frees the
    // browser and its page first.
    m_browser = new QWebEngineView(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setAccessibleName(QStringLiteral("Σελίδα επικοινωνίας"));
    auto *profile = new QWebEngineProfile(this);
    preferGreekPages(profile);
    auto *page = new QWebEnginePage(profile, m_browser);
    // A page that fails to load leaves the browser empty, and the window shows its own text instead.
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    m_browser->setPage(page);
    connect(page, &QWebEnginePage::loadingChanged, this, &ContactWindow::loadEnded);
    m_stack->addWidget(m_browser);
}

void ContactWindow::loadEnded(const QWebEngineLoadingInfo &info)
{
    // A load stopped for the next one is no failure, and the blank page of the offline variant never fails.
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || m_stack->currentWidget() != m_browser)
        return;
    m_browser->setUrl(QUrl(QStringLiteral("about:blank")));
    showLines(HelpTexts::contactUnreachableText());
}

void ContactWindow::showLines(const QVector<HelpLine> &lines)
{
    m_addressPane->clearLines();
    for (const HelpLine &line : lines)
        m_addressPane->addLine(line.text, line.colour, line.bold);
    m_addressPane->moveCursor(QTextCursor::Start);
    m_stack->setCurrentWidget(m_addressPane);
}

void ContactWindow::showContact(bool connected)
{
    if (connected) {
        m_addressPane->clearLines();
        prepareBrowser();
        m_stack->setCurrentWidget(m_browser);
        m_browser->setUrl(m_contactPage);
    } else {
        // Stops and empties a contact page shown earlier; a browser never made has nothing to stop.
        if (m_browser)
            m_browser->setUrl(QUrl(QStringLiteral("about:blank")));
        showLines(HelpTexts::contactOfflineText());
    }
    if (!m_placed) {
        // Centred on the desktop the first time it appears; afterwards it stays where the pupil puts it.
        m_placed = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void ContactWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_addressPane->setTextMargins(50, 22, 50, 12);
}
