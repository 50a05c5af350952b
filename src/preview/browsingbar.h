#pragma once

#include "preview/core/browsingrules.h"

#include <QObject>

#include <functional>

class EditingSession;
class PreviewPane;
class QAbstractButton;
class QLineEdit;
class QNetworkAccessManager;
class QNetworkReply;
class QWidget;

// The main window's controls the browsing commands use.
struct BrowsingBarControls
{
    QLineEdit *address = nullptr;                    // `Edit1`: the address bar
    const EditingSession *session = nullptr;         // the mode, which the address bar shows
    PreviewPane *browser = nullptr;                  // `webbrowser1`
    QWidget *editorArea = nullptr;                   // `Panel9`: hidden in the browser-only view
    QAbstractButton *graphicalSwitch = nullptr;      // `CheckBox1`: ticking or unticking it runs its handler
    std::function<void()> clearAndHideMessages;      // `RichEdit2` emptied and hidden
    std::function<void()> hideAttributeBar;          // `Panel15` hidden
    std::function<void(const QString &)> showNotice; // a passing notice in the window's status bar
};

// The web browsing bar: the address row's five buttons, Enter in the address bar and the three web links of
// the Help menu, which turn the preview pane into a web browser. A command that navigates first leaves the
// editor (message pane emptied and hidden, graphical switch unticked, attribute bar hidden); the commands
// that need a visited page refuse in editing mode with a message and leave the browser untouched.
class BrowsingBar : public QObject
{
    Q_OBJECT

public:
    explicit BrowsingBar(const BrowsingBarControls &controls, QObject *parent = nullptr);

    // The addresses of the home page and the web links (the program's own by default).
    void setAddresses(const WebAddresses &addresses);
    const WebAddresses &addresses() const { return m_addresses; }

    // goHome: home page, in either mode. The home page is on the maker's site, which a school's lab may not
    // reach: the site is asked first, and only when it answers does the window leave the editor for it;
    // otherwise the status bar says so and the editor stays as it is.
    void goHome();
    // Whether the home command is waiting for the site's answer.
    bool reachingHome() const { return m_homeProbe != nullptr; }
    // goBack: back in the history.
    void goBack();
    // goForward: forward in the history.
    void goForward();
    // reload: reload the page shown.
    void reload();
    // goToAddress: go to the address in the address bar.
    void goToAddress();
    // addressKeyTyped: a key typed into the address bar; Enter goes to the address. True when the key is
    // used.
    bool addressKeyTyped(QChar key);
    // openSkolvik, openSchoolNetwork, openLessons: the web links of the Help menu.
    void openSkolvik();
    void openSchoolNetwork();
    void openLessons();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool editingMode() const;
    bool editorAreaShown() const;
    // Shows the command's refusal when the window is in editing mode; true when it did.
    bool refusedInEditingMode(BrowsingCommand command);
    // Go and Enter: navigate to the address bar's text, then leave the editor.
    void goToTypedAddress(BrowsingCommand command);
    void historyStep(bool back);
    void openWebLink(const QUrl &address);
    void setSwitch(bool ticked);
    // The site answered, or could not be reached.
    void homeAnswered();
    // Navigates to the home page and leaves the editor.
    void showHome();

    BrowsingBarControls m_controls;
    WebAddresses m_addresses;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_homeProbe = nullptr;
};
