#pragma once

#include "app/core/browsedtext.h"
#include "editor/core/balancecheck.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class AttributeBar;
class BrowsingBar;
class ClickableImage;
class CodePane;
class DockSplitter;
class DocumentMirror;
class EditingSession;
class FileCommands;
class PreviewPane;
class PreviewShownPage;
class PrintCommands;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;
class RecoveryKeeper;
class RecoveryNotice;
struct RecoveryOrigin;
class RecoveryStore;
class RecoveryWindow;
class RefreshCycle;
class StatusPanels;
class TagToolbars;
class TemplateCommands;
class ContactWindow;
class PresentationWindow;
class AboutWindow;
class TagTip;
class ValuePopup;
class TypingAssistant;
class ValueAssistant;

// The main window. A web browser (address row, preview, browser status strip) stacked over the HTML
// editor (tag toolbars, code pane, message pane, attribute bar, lower status strip), with the main menu.
// Its controls carry their object names; everything else reaches them through the widgets themselves.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The other windows the main window works with (created after it, at start).
    void setCompanions(QWidget *startupWindow, ValuePopup *valuePopup, TagTip *tagTip);
    // The help windows the "Βοήθεια" menu shows.
    void setHelpWindows(ContactWindow *contactWindow, PresentationWindow *presentationWindow,
                        AboutWindow *aboutWindow);
    // The screen size the window sizes itself from when shown; by default the size of its screen.
    void setScreenSizeOverride(const QSize &size);
    QSize screenSize() const;
    // Editing mode: the pupil's document is edited, not the web browsed.
    bool editingMode() const;
    // The tag buttons, whose hovering the description tip follows.
    TagToolbars *tagToolbars() const { return m_tagToolbars; }
    // The value assistant, which takes the values picked in the value popup.
    ValueAssistant *valueAssistant() const { return m_valueAssistant; }
    // `StatusBar1`, into which the description tip embeds itself.
    StatusPanels *titleBar() const { return m_titleBar; }
    // The preview, whose painted pages the start-up timing notes.
    PreviewPane *preview() const { return m_preview; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    // Inserts a text at the caret and runs the refresh cycle.
    void insertAndRefresh(const QString &text);
    // The first showing: layout, welcome document, first render, editing mode.
    void arrangeOnFirstShow();
    // Text margins, tag button widths, and the value popup closes.
    void followResize();
    // The maker's website opens in the system's browser.
    void openMakerWebsite();
    // The connection indicator says what it means.
    void explainOnline();
    void explainOffline();
    // Line and character counts, and the document mirror `Memo1`.
    void updateCounts();
    // The caret's column and line in panel 3, after every move of the caret.
    void showCaretPosition();
    // The value popup empties and hides.
    void closeValuePopup();
    // The progress bar goes back to 0.
    void resetProgress();
    // The switch's caption, then its refresh.
    void applyGraphicalSwitch();
    // A tag button's click: a fresh attribute bar, the tag inserted with its refresh, then the bar filled for
    // the tag.
    void insertTag(const QString &caption);
    // Only the browser shows.
    void showBrowserOnly();
    // Only the editor shows.
    void showEditorOnly();
    // A file opened to show only its code: the editor alone, the browser status strip above it.
    void showCodeOnly();
    // F5: in editing mode the document is refreshed and shown again, in browsing mode the page reloads.
    void refreshOrReload();
    // The initial arrangement comes back.
    void restoreInitialLayout();
    // A toolbox row item (row 0-6) shows or hides its row.
    void toggleToolbarRow(int row);
    // The toolbox "all" item shows or hides every row.
    void toggleAllToolbarRows();
    // The message splitter is dragged or moved: both panes repaint.
    void repaintPanes();
    // The connection indicator, and in browsing mode the progress restarts.
    void pageLoadStarted();
    // The address bar and the title panel follow the page shown.
    void pageLoadFinished();
    // Download progress, in browsing mode only.
    void showDownloadProgress(int progress, int progressMax);
    // In browsing mode the code pane takes the page's body markup.
    void takePageBody();
    // The about window appears (or comes to the front).
    void showAbout();
    // The presentation window appears.
    void showPresentation();
    // The contact window, filled for the connection state, appears.
    void showContactWindow();
    // "Ανάκτηση Κειμένου…": the texts kept for recovery, to look at and bring back.
    void showRecoveryWindow();
    // A recovered text replaces the document, as one step the pupil can undo, and is refreshed; the folder
    // it was kept with becomes the pupil's folder again, so that its relative pictures show.
    void restoreText(const QString &text, const RecoveryOrigin &origin);
    // `WBLoadHTML` and `LoadStream`: the preview renders the text as the pupil's document.
    void renderDocument(const QString &text);
    void renderPastedDocument(const QString &text);
    // The window edits again, whatever brought it back: the code pane holds the pupil's text (put back, as
    // one step the pupil can undo, in place of a page's markup) and the preview shows it.
    void showPupilsTextAgain();
    // While the window browses, the pupil's undo that brings their own text back into the code pane takes the
    // window back to editing it.
    void editAgainWhenPupilsTextIsBack();

private:
    void buildAddressRow();
    void buildPreviewArea();
    void buildMirrorAndImages();
    void createEditingFeatures();
    void createBrowsingBar();
    void createDocumentCommands();
    void buildBrowserStrip();
    void buildEditorArea();
    void buildMenus();
    void buildPopupMenu();
    // The one place where the window's signals are connected to their handlers.
    void connectSignals();
    // Warnings of the refresh cycle: written into the message pane, which shows only when there are any.
    void showWarnings(const QList<BalanceWarning> &warnings);
    // The progress bar's range becomes 0 to `maximum` (set by the refresh cycle from the line count), its
    // position 0. An empty range is shown as a bar with nothing done: Qt would draw it as an endless "busy"
    // animation.
    void startProgress(int maximum);
    // The progress bar's position, held within its range.
    void showProgress(int value);
    // `Label1`: the number the progress bar shows.
    void showProgressNumber(int value);
    // The refresh cycle's tag count in panel 2 of `StatusBar2`.
    void showTagCount(int count);
    // Width layout of the tag buttons from the window's outer width.
    void layoutTagWidths();
    // The caption rule of the toolbox menu.
    void applyToolboxCaptions(bool afterAllClick);
    // Every view starts by undocking the five parts it arranges.
    void undockViewParts();
    void applyTextMargins(int codeRightMargin);
    // Connection indicator: `Image2` when connected, `Image3` when not, both at the address row's right end.
    void showConnection(bool connected);
    void sizeFromScreen();
    // Gives the window the outer size `sizeFromScreen` chose, once the window manager's frame is known.
    void fitOuterSize();
    void applyTabOrder();
    // At the first showing: the bar tells of the newest kept text when it was never saved, once.
    void announceUnsavedText();

    // The mode and the pupil's folder, which the features ask.
    EditingSession *m_session;

    // Window frame, address row and preview.
    QWidget *m_frame;                   // holds everything below the menu
    QWidget *m_addressRow;              // address row
    QToolButton *m_homeButton;          // home
    QToolButton *m_backButton;          // back
    QToolButton *m_forwardButton;       // forward
    QToolButton *m_reloadButton;        // reload
    QToolButton *m_goButton;            // go
    QLineEdit *m_addressBar;            // address bar (an AddressBar): shows the mode and sets it
    QWidget *m_previewPanel;            // preview pane
    PreviewPane *m_preview;             // the embedded browser
    QWidget *m_browserStrip;            // browser status strip
    StatusPanels *m_titleBar;           // document title (panel 0)
    QProgressBar *m_progressBar;        // refresh progress and download progress
    QLabel *m_progressLabel;            // the number the progress bar shows
    DockSplitter *m_previewSplitter;    // between preview and editor area
    ClickableImage *m_makerLogo;        // the maker's logo: opens the maker's website
    ClickableImage *m_onlineIndicator;  // connection indicator: connected
    ClickableImage *m_offlineIndicator; // connection indicator: not connected

    // Editor area.
    QWidget *m_editorArea;  // editor area
    QWidget *m_toolbarArea; // toolbar container
    std::array<QWidget *, 7>
        m_toolbarRows;               // `Panel3`, `Panel4`, `Panel5`, `Panel6`, `Panel7`, `Panel13`, `Panel14`
    CodePane *m_codePane;            // code pane: the document
    DockSplitter *m_messageSplitter; // between code pane and message pane
    CodePane *m_messagePane;         // message pane
    QWidget *m_lowerStrip;           // lower status strip
    StatusPanels *m_documentStatus;  // lines, characters, tags, caret
    QCheckBox *m_graphicalSwitch;    // graphical environment switch: tags painted or not
    QPlainTextEdit *m_mirrorPane;    // hidden plain-text mirror of the document

    // Menus: every item that does something, kept as it is made.
    struct MenuItems
    {
        // "Αρχείο"
        QAction *openPage = nullptr;
        QAction *openCodeOnly = nullptr; // hidden: opens a file to show only its code
        QAction *savePage = nullptr;
        QAction *printPage = nullptr;
        QAction *printCode = nullptr;
        QAction *recoverText = nullptr;
        QAction *exit = nullptr;
        // "Πρότυπα"
        QAction *simplePage = nullptr;
        QAction *mythologyAssignment = nullptr;
        QAction *algorithmicsAssignment = nullptr;
        // "Κωδικοποίηση"
        QAction *greekCharset = nullptr;
        QAction *latinCharset = nullptr;
        QAction *unicodeCharset = nullptr;
        // "Γεγονότα": one item per group of event attributes, in the order of EventLists::all()
        QList<QAction *> eventGroups;
        // "Προτιμήσεις"
        QAction *browserOnly = nullptr;
        QAction *editorOnly = nullptr;
        QAction *initialLayout = nullptr;
        // "Βοήθεια"
        QAction *about = nullptr;
        QAction *presentation = nullptr;
        QAction *skolvikSite = nullptr;
        QAction *schoolNetworkSite = nullptr;
        QAction *lessonsSite = nullptr;
        QAction *contact = nullptr;
        // The code pane's context menu.
        QAction *undo = nullptr;
        QAction *cut = nullptr;
        QAction *copy = nullptr;
        QAction *paste = nullptr;
        QAction *selectAll = nullptr;
    };
    MenuItems m_menu;
    QMenu *m_codeMenu;                       // code pane context menu
    std::array<QAction *, 8> m_toolboxItems; // the toolbox rows' items, then "all"
    QAction *m_refreshKey;                   // F5: refresh the document's preview, or reload the web page

    static constexpr int MessagePaneHeight = 35; // the message pane's height: a line or two of warnings

    // The other windows are not owned by this one and may go first: the pointers clear themselves.
    QPointer<QWidget> m_startupWindow;
    QPointer<ValuePopup> m_valuePopup;
    QPointer<TagTip> m_tagTip;
    QPointer<ContactWindow> m_contactWindow;
    QPointer<PresentationWindow> m_presentationWindow;
    QPointer<AboutWindow> m_aboutWindow;
    QSize m_screenOverride;
    bool m_shown = false;
    int m_progressMaximum = 100; // the progress bar's range is 0 to this
    QSize m_targetOuterSize;     // the outer size the window takes once its frame is known
    int m_frameChecks = 0;       // how often the frame has been looked for
    TagToolbars *m_tagToolbars = nullptr;
    AttributeBar *m_attributeBar = nullptr;
    RefreshCycle *m_refresh = nullptr;
    DocumentMirror *m_mirror = nullptr;   // keeps `Memo1` following the code pane
    BrowsingBar *m_browsingBar = nullptr; // the address row's commands and the Help menu's web links
    TypingAssistant *m_typingAssistant = nullptr;
    ValueAssistant *m_valueAssistant = nullptr;
    // The document menus: open and save, templates and character sets, printing.
    std::unique_ptr<PreviewShownPage> m_shownPage; // the preview as the document commands see it
    FileCommands *m_files = nullptr;
    TemplateCommands *m_templates = nullptr;
    PrintCommands *m_printing = nullptr;
    // The pupil's recent texts on disk, and when they are kept.
    std::unique_ptr<RecoveryStore> m_recoveryStore;
    RecoveryKeeper *m_recovery = nullptr;
    RecoveryWindow *m_recoveryWindow = nullptr; // made when first asked for
    // The pupil's text while pages fill the code pane, and the text the preview last rendered as the pupil's.
    BrowsedText m_browsed;
    QString m_renderedText;
    bool m_showingPage = false;                 // a page's markup is being put into the code pane
    RecoveryNotice *m_recoveryNotice = nullptr; // the bar that tells of a text never saved
};
