#include "help/form1.h"

#include "help/helppane.h"
#include "help/helptexts.h"
#include "widgets/fonts.h"
#include "widgets/makerinfo.h"

#include <QGridLayout>
#include <QScreen>
#include <QShowEvent>
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

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Σελίδα επικοινωνίας"));
    RichEdit1 = new HelpPane(this);
    RichEdit1->setAccessibleName(QStringLiteral("Στοιχεία επικοινωνίας"));

    // Both fill the window; the text pane lies on top of the browser.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1, 0, 0);
    layout->addWidget(RichEdit1, 0, 0);
    RichEdit1->raise();
}

void TForm1::setContactPage(const QUrl &url)
{
    m_contactPage = url;
}

void TForm1::prepareBrowser()
{
    if (m_browserUsed)
        return;
    // The contact page gets a profile of its own that keeps nothing on disk, created only when first needed
    // so that a window used offline starts no browser process. It belongs to the window, which frees the
    // browser and its page first.
    m_browserUsed = true;
    auto *profile = new QWebEngineProfile(this);
    WebBrowser1->setPage(new QWebEnginePage(profile, WebBrowser1));
}

void TForm1::showContact(bool connected)
{
    if (connected) {
        RichEdit1->clearLines();
        RichEdit1->hide();
        prepareBrowser();
        WebBrowser1->show();
        WebBrowser1->setUrl(m_contactPage);
    } else {
        // Stops and empties a contact page shown earlier; a browser never used has nothing to stop.
        if (m_browserUsed)
            WebBrowser1->setUrl(QUrl(QStringLiteral("about:blank")));
        WebBrowser1->hide();
        RichEdit1->clearLines();
        for (const HelpLine &line : HelpTexts::contactOfflineText())
            RichEdit1->addLine(line.text, line.colour, line.bold);
        RichEdit1->moveCursor(QTextCursor::Start);
        RichEdit1->show();
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
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
}
