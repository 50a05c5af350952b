#pragma once

#include <QUrl>
#include <QWidget>

class HelpPane;
class QStackedLayout;
class QWebEngineView;

// `TForm1`: the contact window. Online it shows the maker's contact page in its browser; offline it shows
// the maker's e-mail addresses in a text pane in the browser's place.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    QWebEngineView *WebBrowser1 = nullptr; // the contact page (online); created on the first online use
    HelpPane *RichEdit1;                   // the e-mail addresses (offline)

    // Fills the window for the given connection state and shows it: the contact page when connected, the
    // e-mail addresses otherwise.
    void showContact(bool connected);
    // The page the online variant opens: the maker's contact page unless set otherwise.
    void setContactPage(const QUrl &url);
    QUrl contactPage() const { return m_contactPage; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepareBrowser();

    QStackedLayout *m_stack;
    QUrl m_contactPage;
    bool m_placed = false;
};
