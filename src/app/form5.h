#pragma once

#include "editor/balancecheck.h"

#include <QMainWindow>
#include <array>
#include <memory>

class AttributeBar;
class BrowsingBar;
class ClickableImage;
class CodePane;
class DockSplitter;
class DocumentMirror;
class FileCommands;
class PreviewPane;
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
class RecoveryStore;
class RecoveryWindow;
class RefreshCycle;
class StatusPanels;
class TagToolbars;
class TemplateCommands;
class TForm1;
class TForm2;
class TForm4;
class TForm6;
class TForm7;
class TypingAssistant;
class ValueAssistant;

// `TForm5`: the main window. A web browser (address row, preview, browser status strip) stacked over the HTML
// editor (tag toolbars, code pane, message pane, attribute bar, lower status strip), with the main menu.
// Its controls carry their object names; everything else reaches them through the widgets themselves.
class TForm5 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);
    ~TForm5() override;

    // The other windows the main window works with (created after it, at start).
    void setCompanions(QWidget *form3, TForm7 *form7, TForm6 *form6);
    // The help windows the "Βοήθεια" menu shows.
    void setHelpWindows(TForm1 *form1, TForm2 *form2, TForm4 *form4);
    // The screen size the window sizes itself from when shown; by default the size of its screen.
    void setScreenSizeOverride(const QSize &size);
    QSize screenSize() const;
    // Editing mode: the address bar reads exactly "about:blank".
    bool editingMode() const;
    // The tag buttons, whose hovering the description tip follows.
    TagToolbars *tagToolbars() const { return m_tagToolbars; }
    // `StatusBar1`, into which the description tip embeds itself.
    StatusPanels *titleBar() const { return StatusBar1; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    // `kata`: inserts a text at the caret and runs the refresh cycle.
    void kata(const QString &met);
    // `FormShow`: the first showing: layout, welcome document, first render, editing mode.
    void FormShow();
    // `FormResize`: text margins, tag button widths, and the value popup closes.
    void FormResize();
    // `Image1Click`: the maker's website opens in the system's browser.
    void Image1Click();
    // `Image2Click`, `Image3Click`: the connection indicator says what it means.
    void Image2Click();
    void Image3Click();
    // `RichEdit1Change`: line and character counts, and the document mirror `Memo1`.
    void RichEdit1Change();
    // `RichEdit1KeyUp`: the caret's column and line in panel 3.
    void RichEdit1KeyUp();
    // `RichEdit1Click`: the value popup empties and hides.
    void RichEdit1Click();
    // `RichEdit1MouseLeave`: the progress bar goes back to 0.
    void RichEdit1MouseLeave();
    // `CheckBox1Click`: the switch's caption, then its refresh.
    void CheckBox1Click();
    // A tag button's click (`SpeedButton6Click` ... `SpeedButton113Click`): `mhden`, `kata`, `ypokat`.
    void tagButtonClick(const QString &caption);
    // `Browser1Click`: only the browser shows.
    void Browser1Click();
    // `htmleditor1Click`: only the editor shows.
    void htmleditor1Click();
    // `N40Click`: the initial arrangement comes back.
    void N40Click();
    // `N9Click` ... `N20Click`: a toolbox row item (row 0-6) shows or hides its row.
    void toolboxRowClick(int row);
    // `N25Click`: the toolbox "all" item shows or hides every row.
    void N25Click();
    // `Splitter1CanResize`, `Splitter1Moved`: both panes repaint.
    void Splitter1Moved();
    // `webbrowser1DownloadBegin`: the connection indicator, and in browsing mode the progress restarts.
    void webbrowser1DownloadBegin();
    // `webbrowser1DownloadComplete`: the address bar and the title panel follow the page shown.
    void webbrowser1DownloadComplete();
    // `webbrowser1ProgressChange`: download progress, in browsing mode only.
    void webbrowser1ProgressChange(int progress, int progressMax);
    // `webbrowser1DocumentComplete`: in browsing mode the code pane takes the page's body markup.
    void webbrowser1DocumentComplete();
    // `N6Click`: the about window appears (or comes to the front).
    void N6Click();
    // `N35Click`: the presentation window appears.
    void N35Click();
    // `N37Click`: the contact window, filled for the connection state, appears.
    void N37Click();
    // "Ανάκτηση Κειμένου…": the texts kept for recovery, to look at and bring back.
    void showRecoveryWindow();
    // A recovered text replaces the document, as one step the pupil can undo, and is refreshed.
    void restoreText(const QString &text);

private:
    void buildAddressRow();
    void buildBrowserStrip();
    void buildEditorArea();
    void buildMenus();
    void buildPopupMenu();
    // The one place where the window's signals are connected to their handlers.
    void connectSignals();
    // A menu item of the window, found by its object name.
    QAction *menuItem(const QString &name) const;
    // Warnings of the refresh cycle: written into the message pane, which shows only when there are any.
    void showWarnings(const QList<BalanceWarning> &warnings);
    // The progress bar's range becomes 0 to `maximum` (set by the refresh cycle from the line count), its
    // position 0. An empty range is shown as a bar with nothing done: Qt would draw it as an endless "busy"
    // animation.
    void startProgress(int maximum);
    // The progress bar's position, held within its range.
    void showProgress(int value);
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

    // Window frame, address row and preview.
    QWidget *Panel8;            // holds everything below the menu
    QWidget *Panel11;           // address row
    QToolButton *SpeedButton1;  // home
    QToolButton *SpeedButton2;  // back
    QToolButton *SpeedButton3;  // forward
    QToolButton *SpeedButton4;  // reload
    QToolButton *SpeedButton5;  // go
    QLineEdit *Edit1;           // address bar; its text is the mode
    QWidget *Panel1;            // preview pane
    PreviewPane *webbrowser1;   // the embedded browser
    QWidget *Panel12;           // browser status strip
    StatusPanels *StatusBar1;   // document title (panel 0)
    QProgressBar *ProgressBar1; // refresh progress and download progress
    QLabel *Label1;             // the number the progress bar shows
    DockSplitter *Splitter6;    // between preview and editor area
    ClickableImage *Image1;     // the maker's logo: opens the maker's website
    ClickableImage *Image2;     // connection indicator: connected
    ClickableImage *Image3;     // connection indicator: not connected

    // Editor area.
    QWidget *Panel9; // editor area
    QWidget *Panel2; // toolbar container
    std::array<QWidget *, 7>
        toolbarRows;          // `Panel3`, `Panel4`, `Panel5`, `Panel6`, `Panel7`, `Panel13`, `Panel14`
    CodePane *RichEdit1;      // code pane: the document
    DockSplitter *Splitter1;  // between code pane and message pane
    CodePane *RichEdit2;      // message pane
    QWidget *Panel10;         // lower status strip
    StatusPanels *StatusBar2; // lines, characters, tags, caret
    QCheckBox *CheckBox1;     // graphical environment switch: tags painted or not
    QPlainTextEdit *Memo1;    // hidden plain-text mirror of the document

    // Menus.
    QMenu *PopupMenu1;                     // code pane context menu
    std::array<QAction *, 8> toolboxItems; // `N9`, `N10`, `N11`, `N12`, `N13`, `N14`, `N20`, `N25`

    static constexpr int MessagePaneHeight = 35; // the message pane's designed height

    QWidget *m_form3 = nullptr;
    TForm7 *m_form7 = nullptr;
    TForm6 *m_form6 = nullptr;
    TForm1 *m_form1 = nullptr;
    TForm2 *m_form2 = nullptr;
    TForm4 *m_form4 = nullptr;
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
    FileCommands *m_files = nullptr;
    TemplateCommands *m_templates = nullptr;
    PrintCommands *m_printing = nullptr;
    // The pupil's recent texts on disk, and when they are kept.
    std::unique_ptr<RecoveryStore> m_recoveryStore;
    RecoveryKeeper *m_recovery = nullptr;
    RecoveryWindow *m_recoveryWindow = nullptr; // made when first asked for
};
