#pragma once

#include <QUrl>
#include <QVector>
#include <QWidget>

class HelpPane;
class QStackedLayout;
class QWebEngineLoadingInfo;
class QWebEngineView;
struct HelpLine;

// The contact window. Online it shows the maker's contact page in its browser; offline it shows
// the maker's e-mail addresses in a text pane in the browser's place.
class ContactWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ContactWindow(QWidget *parent = nullptr);

    // `WebBrowser1`: the contact page (online); null until the first online use.
    QWebEngineView *browser() const { return m_browser; }
    // `RichEdit1`: the e-mail addresses (offline).
    HelpPane *addressPane() const { return m_addressPane; }

    // Fills the window for the given connection state and shows it: the contact page when connected, the
    // e-mail addresses otherwise. A contact page that cannot be loaded (the site out of reach, a lab without
    // the Internet) is replaced by the maker's addresses with a word on why, never by the engine's error
    // page.
    void showContact(bool connected);
    // The page the online variant opens: the maker's contact page unless set otherwise.
    void setContactPage(const QUrl &url);
    QUrl contactPage() const { return m_contactPage; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepareBrowser();
    // Writes the lines into the text pane and shows it in the browser's place.
    void showLines(const QVector<HelpLine> &lines);
    // The browser's load has ended; a contact page that could not be loaded gives way to the built-in text.
    void loadEnded(const QWebEngineLoadingInfo &info);

    QWebEngineView *m_browser = nullptr;
    HelpPane *m_addressPane;
    QStackedLayout *m_stack;
    QUrl m_contactPage;
    bool m_placed = false;
};
