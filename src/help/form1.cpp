#include "help/form1.h"

#include "help/helppane.h"
#include "help/helptexts.h"
#include "widgets/fonts.h"
#include "widgets/makerinfo.h"

#include <QScreen>
#include <QShowEvent>
#include <QStackedLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_contactPage(MakerInfo::contactPage())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(HelpTexts::contactCaption());
    setFont(Fonts::pixels(15));
    resize(451, 526);

    RichEdit1 = new HelpPane(this);
    RichEdit1->setAccessibleName(QStringLiteral("Στοιχεία επικοινωνίας"));
    // The text pane and the browser both fill the window; one at a time is shown.
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(RichEdit1);
}

void TForm1::setContactPage(const QUrl &url)
{
    m_contactPage = url;
}

void TForm1::prepareBrowser()
{
    if (WebBrowser1)
        return;
    // The browser is made when first needed, so that a window used offline starts no browser process. It gets
    // a profile of its own that keeps nothing on disk; the profile belongs to the window, which frees the
    // browser and its page first.
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Σελίδα επικοινωνίας"));
    auto *profile = new QWebEngineProfile(this);
    WebBrowser1->setPage(new QWebEnginePage(profile, WebBrowser1));
    m_stack->addWidget(WebBrowser1);
}

void TForm1::showContact(bool connected)
{
    if (connected) {
        RichEdit1->clearLines();
        prepareBrowser();
        m_stack->setCurrentWidget(WebBrowser1);
        WebBrowser1->setUrl(m_contactPage);
    } else {
        // Stops and empties a contact page shown earlier; a browser never made has nothing to stop.
        if (WebBrowser1)
            WebBrowser1->setUrl(QUrl(QStringLiteral("about:blank")));
        RichEdit1->clearLines();
        for (const HelpLine &line : HelpTexts::contactOfflineText())
            RichEdit1->addLine(line.text, line.colour, line.bold);
        RichEdit1->moveCursor(QTextCursor::Start);
        m_stack->setCurrentWidget(RichEdit1);
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

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    RichEdit1->setTextMargins(50, 22, 50, 12);
}
