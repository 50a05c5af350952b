#pragma once

#include <QMainWindow>
#include <array>

class AttributeBar;
class ClickableImage;
class CodePane;
class DockSplitter;
class DocumentMirror;
class PreviewPane;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QToolButton;
class RefreshCycle;
class StatusPanels;
class TagToolbars;
class TForm6;
class TForm7;

// `TForm5`: the main window. A web browser (address row, preview, browser status strip) stacked over the HTML
// editor (tag toolbars, code pane, message pane, attribute bar, lower status strip), with the main menu.
class TForm5 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);
    ~TForm5() override;

    // The other windows the main window works with (created after it, at start).
    void setCompanions(QWidget *form3, TForm7 *form7, TForm6 *form6);
    // The screen size the window sizes itself from when shown; by default the size of its screen.
    void setScreenSizeOverride(const QSize &size);
    QSize screenSize() const;
    // Editing mode: the address bar reads exactly "about:blank".
    bool editingMode() const;

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
    DocumentMirror *Memo1;    // hidden plain-text mirror of the document
    // `Panel15`: the attribute bar currently shown (rebuilt by the attribute bar logic).
    QWidget *Panel15() const;

    // Menus.
    QMenu *PopupMenu1;                     // code pane context menu
    QAction *N4;                           // "Έξοδος"
    std::array<QAction *, 8> toolboxItems; // `N9`, `N10`, `N11`, `N12`, `N13`, `N14`, `N20`, `N25`

    TagToolbars *tagToolbars() const { return m_tagToolbars; }
    AttributeBar *attributeBar() const { return m_attributeBar; }
    RefreshCycle *refreshCycle() const { return m_refresh; }

    // `kata`: inserts a text at the caret and runs the refresh cycle.
    void kata(const QString &met);
    // Width layout of the tag buttons from the window's outer width.
    void layoutTagWidths();

    // Handlers.
    void FormShow();
    void FormResize();
    void Image1Click();
    void Image2Click();
    void Image3Click();
    void RichEdit1Change();
    void RichEdit1KeyUp();
    void RichEdit1Click();
    void RichEdit1MouseLeave();
    void CheckBox1Click();
    void tagButtonClick(const QString &caption);
    // Views of the "Προτιμήσεις" menu.
    void Browser1Click();
    void htmleditor1Click();
    void N40Click();
    // Toolbox menu: a row item (row 0-6) and "all".
    void toolboxRowClick(int row);
    void N25Click();
    void applyToolboxCaptions(bool afterAllClick);
    void Splitter1Moved();
    // `webbrowser1` notifications.
    void webbrowser1DownloadBegin();
    void webbrowser1DownloadComplete();
    void webbrowser1ProgressChange(int progress, int progressMax);
    void webbrowser1DocumentComplete();
    // Connection indicator from the connection query.
    void showConnection(bool connected);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildAddressRow();
    void buildBrowserStrip();
    void buildEditorArea();
    void buildMenus();
    void buildPopupMenu();
    void wireSignals();
    void applyTextMargins(int codeRightMargin);
    void placeIndicators(bool connected);
    void sizeFromScreen();
    void applyTabOrder();

    QWidget *m_form3 = nullptr;
    TForm7 *m_form7 = nullptr;
    TForm6 *m_form6 = nullptr;
    QSize m_screenOverride;
    bool m_shown = false;
    TagToolbars *m_tagToolbars = nullptr;
    AttributeBar *m_attributeBar = nullptr;
    RefreshCycle *m_refresh = nullptr;
};
