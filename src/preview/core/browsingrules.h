#pragma once

#include <QString>
#include <QUrl>

// The rules of the web browsing bar and of the preview's navigation, free of widgets.

// Editing mode: the address bar reads exactly "about:blank" (case-sensitive; an empty bar is browsing mode).
bool isEditingAddress(const QString &addressBarText);
// What the address bar reads in editing mode.
QString editingAddress();

// The commands of the address row.
enum class BrowsingCommand
{
    Home,
    Back,
    Forward,
    Reload,
    Go,
    Enter
};

// The message a command shows when it is given in editing mode; empty for a command that is never refused.
QString refusalMessage(BrowsingCommand command);
// The message of back and forward when the history holds no page in that direction.
QString noHistoryMessage();

// What a screen reader and a tooltip say of a button of the address row: its name and what it does.
struct BrowsingButtonText
{
    QString name;
    QString tip;
};
// The texts of the buttons of home, back, forward, reload and go (Enter has no button: empty texts).
BrowsingButtonText browsingButtonText(BrowsingCommand command);
// The status bar's notice when the home page cannot be reached: the window stays in the editor.
QString homeUnreachableNotice(const QUrl &home);

// The program's own web addresses: the home page of the browsing bar and the three web links of the Help
// menu.
struct WebAddresses
{
    QUrl home;    // home button
    QUrl skolvik; // "Εκπαιδευτική ιστοσελίδα Skolvik": the educational website's home page
    QUrl sch; // "Εκπαιδευτική ιστοσελίδα στο ΠΣΔ": the page in the school network's user web space
    QUrl lessons; // "Ιστοσελίδα Οργάνωσης Μαθημάτων": the lesson-organisation page, ending in "lessons/"
};
WebAddresses programWebAddresses();

// Whether the pane shows addresses of this scheme itself. Any other (smb:, mailto:, a program's own) the
// browser engine would hand to another program of the desktop, which the pane never starts.
bool schemeShownInPane(const QString &scheme);
// The message shown instead when the pupil follows an address of another program.
QString otherProgramMessage(const QUrl &address);

// The address a typed address bar text stands for: a web address without a scheme gets "http://", a local
// path becomes a file address.
QUrl addressFromTypedText(const QString &text);

// How a navigation of the pane came about.
enum class NavigationKind
{
    Typed,       // the program loads an address (a preview document, a typed address, a web link)
    LinkOrForm,  // a link followed or a form submitted, by a click or by a script of the page
    BackForward, // a step in the history
    Reload,      // the page reloaded
    Redirect,    // a server or client redirection (meta refresh) of a navigation under way
    Other        // anything else a page starts (script assigning the location, say)
};

struct NavigationRequest
{
    bool isMainFrame = true;
    bool showsPreview = false; // the pane shows the pupil's document when the navigation begins
    NavigationKind kind = NavigationKind::Other;
    bool programAsked = false;     // the program itself asked for this history step or reload
    bool pupilActed = false;       // the pupil clicked or pressed a key in the page a moment ago
    bool approvedInFlight = false; // an accepted navigation away from the document is still under way
    bool leadsToDocument =
        false; // it leads to a document of the pupil's or the empty page that stands for one
};

// Whether the pane lets the navigation go on. While the pupil's document is shown, the top frame leaves it
// only for the program's own loads and for what the pupil has just clicked; a document that navigates by
// itself (script, meta refresh, a form submitted by script, history steps) stays where it is. Only the
// pupil's own steps (the address row's buttons, a link the pupil clicks) move the top frame through the
// history, and from any other page only the program's own loads and steps lead back to the pupil's document:
// a page coming back there by itself would put the window into editing mode with the page's own markup.
// Frames, and web pages otherwise, navigate as in any browser.
bool navigationAllowed(const NavigationRequest &request);

// Whether a navigation of the top frame may lead to an address of the preview's own scheme (a document, a
// local page, a file of theirs): the program's loads and history steps may, and so may the documents and
// local pages themselves and a redirection from a local address. A web page never leads there, by itself or
// through its server. `from` is the page shown, or for a redirection the address redirected from (empty:
// unknown).
bool previewAddressReachable(NavigationKind kind, const QUrl &from);

// Whether a page may open an address "in a new window", which the pane opens in itself (it has one pane):
// the pupil's document only on the pupil's click; only web and local addresses; a web page never a local one.
bool newWindowAllowed(const QUrl &target, const QUrl &current, bool showsPreview, bool userInitiated);

// A request of a page for a local file, as the request interceptor sees it.
struct LocalFileRequest
{
    QString canonicalPath; // the file's canonical path, empty when the file does not exist
    QUrl initiator;  // the origin that asked for it; empty for the program's own loads (and opaque origins)
    QUrl firstParty; // the address of the top-level page
    bool loadsAsElement = false; // a frame, image, style sheet, script, font, object or media element
    bool isMainFrame = false;
    QString allowedFolder; // canonical path of the folder whose files pages may show; empty: none
};

// Whether a local file request may go on. A page may show (not read) the files of the allowed folder as
// elements; web pages get nothing local; requests a script reads (fetch, XMLHttpRequest, workers) get
// nothing. Files outside the folder are refused exactly as missing files fail, so a page cannot probe
// whether a path exists. A top-level address the program loads itself (typed by the pupil) is not refused.
bool localFileRequestAllowed(const LocalFileRequest &request);

// Whether a canonical file path lies inside a canonical folder (or is the folder).
bool pathInsideFolder(const QString &canonicalPath, const QString &canonicalFolder);

// Whether pages may show the files of a folder (canonical paths both): the folder of the pupil's file, but
// never the root, a folder right below it (/etc, /usr, /home, /tmp...), the home folder itself, a hidden
// folder or one inside a hidden folder (where programs keep their settings and keys), nor any folder of the
// system's configuration, devices, kernel or boot files, where a page's pictures have no business.
bool folderMayBeShown(const QString &canonicalFolder, const QString &canonicalHome);
// Whether a page may show the file at a canonical path: it lies below the allowed folder (canonical, not
// empty), and neither the file nor any folder between is hidden (a name starting with a dot).
bool fileMayBeShown(const QString &canonicalPath, const QString &canonicalFolder);

// The URL scheme of the preview's documents.
QString previewSchemeName();
// Whether an address is of the preview's own scheme (a document, a local page, a file of theirs).
bool isPreviewUrl(const QUrl &url);
// Whether an address is on the host of one of the pupil's documents (velmark-preview://document<n>), any
// path.
bool isPreviewDocumentUrl(const QUrl &url);
// Whether an address is a document's own, which serves the whole document (its path "/").
bool isPreviewDocumentAddress(const QUrl &url);
// Whether the top frame at this address shows the pupil's document (any of the documents' addresses) or the
// empty page (about:), both of which the window shows as editing mode.
bool standsForPupilsDocument(const QUrl &url);
