// The one place where the main window's signals meet their handlers: menus, code pane, switch, splitter, tag
// buttons, attribute bar, images, refresh cycle and the preview's notifications.
#include "app/form5.h"
#include "assist/eventboxes.h"
#include "assist/eventlists.h"
#include "assist/typingassistant.h"
#include "assist/valueassistant.h"
#include "documents/filecommands.h"
#include "documents/printcommands.h"
#include "documents/recoverykeeper.h"
#include "documents/templatecommands.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "palette/attributebar.h"
#include "palette/tagtoolbars.h"
#include "preview/browsingbar.h"
#include "preview/previewpane.h"
#include "widgets/clickableimage.h"
#include "widgets/docksplitter.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QProgressBar>
#include <QToolButton>

QAction *TForm5::menuItem(const QString &name) const
{
    return findChild<QAction *>(name);
}

void TForm5::connectSignals()
{
    // Menus.
    connect(menuItem("N4"), &QAction::triggered, this, &TForm5::close);
    for (int row = 0; row < 7; ++row)
        connect(toolboxItems[size_t(row)], &QAction::triggered, this, [this, row] { toolboxRowClick(row); });
    connect(toolboxItems[7], &QAction::triggered, this, &TForm5::N25Click);
    connect(menuItem("Browser1"), &QAction::triggered, this, &TForm5::Browser1Click);
    connect(menuItem("htmleditor1"), &QAction::triggered, this, &TForm5::htmleditor1Click);
    connect(menuItem("N40"), &QAction::triggered, this, &TForm5::N40Click);
    connect(menuItem("N6"), &QAction::triggered, this, &TForm5::N6Click);
    connect(menuItem("N35"), &QAction::triggered, this, &TForm5::N35Click);
    connect(menuItem("N37"), &QAction::triggered, this, &TForm5::N37Click);
    // The "Γεγονότα" menu: each item puts its group's box of event attributes on the attribute bar.
    for (const EventGroup &group : EventLists::all())
        connect(menuItem(group.menuItem), &QAction::triggered, m_attributeBar,
                [this, &group] { addEventBox(m_attributeBar, group); });

    // The document menus: open and save, printing, templates and character sets.
    connect(menuItem("N2"), &QAction::triggered, m_files, &FileCommands::N2Click);
    connect(menuItem("N26"), &QAction::triggered, m_files, &FileCommands::N26Click);
    connect(menuItem("N3"), &QAction::triggered, m_files, &FileCommands::N3Click);
    connect(menuItem("recoverText"), &QAction::triggered, this, &TForm5::showRecoveryWindow);
    // Whatever replaces the document as a whole, the outgoing text is kept for recovery first.
    connect(m_files, &FileCommands::documentAboutToBeReplaced, m_recovery, &RecoveryKeeper::keepCurrent);
    connect(m_templates, &TemplateCommands::documentAboutToBeReplaced, m_recovery,
            &RecoveryKeeper::keepCurrent);
    connect(menuItem("N18"), &QAction::triggered, m_printing, &PrintCommands::N18Click);
    connect(menuItem("HTML2"), &QAction::triggered, m_printing, &PrintCommands::HTML2Click);
    connect(menuItem("HTML1"), &QAction::triggered, m_templates, &TemplateCommands::HTML1Click);
    connect(menuItem("N210"), &QAction::triggered, m_templates, &TemplateCommands::N210Click);
    connect(menuItem("N39"), &QAction::triggered, m_templates, &TemplateCommands::N39Click);
    connect(menuItem("N16"), &QAction::triggered, m_templates, &TemplateCommands::N16Click);
    connect(menuItem("N17"), &QAction::triggered, m_templates, &TemplateCommands::N17Click);
    connect(menuItem("Unicode1"), &QAction::triggered, m_templates, &TemplateCommands::Unicode1Click);

    // The code pane and its context menu.
    connect(RichEdit1, &CodePane::textChanged, this, &TForm5::RichEdit1Change);
    connect(RichEdit1, &CodePane::keyReleased, this, &TForm5::RichEdit1KeyUp);
    connect(RichEdit1, &CodePane::clicked, this, &TForm5::RichEdit1Click);
    connect(RichEdit1, &CodePane::mouseLeft, this, &TForm5::RichEdit1MouseLeave);
    connect(RichEdit1, &CodePane::doubleClicked, m_refresh, &RefreshCycle::refreshWithoutInsertion);
    connect(RichEdit1, &CodePane::keyPressed, m_typingAssistant, &TypingAssistant::RichEdit1KeyPress);
    // Every typed key empties the message pane; most find it empty already.
    connect(m_typingAssistant, &TypingAssistant::messagesCleared, RichEdit2, &CodePane::clearLines);
    connect(m_typingAssistant, &TypingAssistant::messagesHidden, this, [this] { showWarnings({}); });
    connect(m_typingAssistant, &TypingAssistant::progressStarted, this, &TForm5::startProgress);
    connect(RichEdit1, &CodePane::mouseReleased, m_valueAssistant, &ValueAssistant::RichEdit1MouseUp);
    connect(m_valueAssistant, &ValueAssistant::valuePicked, this, &TForm5::kata);
    connect(RichEdit1, &CodePane::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(RichEdit1->mapToGlobal(pos)); });
    connect(menuItem("N36"), &QAction::triggered, RichEdit1, &CodePane::undo);
    connect(menuItem("N21"), &QAction::triggered, RichEdit1, &CodePane::cut);
    connect(menuItem("N22"), &QAction::triggered, RichEdit1, &CodePane::copy);
    connect(menuItem("N23"), &QAction::triggered, m_refresh, &RefreshCycle::pasteAndRefresh);
    connect(menuItem("N24"), &QAction::triggered, RichEdit1, &CodePane::selectAll);

    connect(CheckBox1, &QCheckBox::toggled, this, &TForm5::CheckBox1Click);
    connect(Splitter1, &DockSplitter::canResize, this, &TForm5::Splitter1Moved);
    connect(Splitter1, &DockSplitter::moved, this, &TForm5::Splitter1Moved);

    // Tag buttons, attribute bar and images.
    connect(m_tagToolbars, &TagToolbars::tagClicked, this, &TForm5::tagButtonClick);
    connect(m_attributeBar, &AttributeBar::insertText, this, &TForm5::kata);
    connect(Image1, &ClickableImage::clicked, this, &TForm5::Image1Click);
    connect(Image2, &ClickableImage::clicked, this, &TForm5::Image2Click);
    connect(Image3, &ClickableImage::clicked, this, &TForm5::Image3Click);

    // What the refresh cycle reports.
    // An emptied message pane hides with its splitter: the pane shows only when there is something to warn
    // about.
    connect(m_refresh, &RefreshCycle::warningsCleared, this, [this] { showWarnings({}); });
    connect(m_refresh, &RefreshCycle::warningsReady, this, &TForm5::showWarnings);
    connect(m_refresh, &RefreshCycle::progressStarted, this, &TForm5::startProgress);
    connect(m_refresh, &RefreshCycle::progressReached, this, &TForm5::showProgress);
    connect(m_refresh, &RefreshCycle::tagCountChanged, this, &TForm5::showTagCount);
    connect(m_refresh, &RefreshCycle::renderRequested, webbrowser1, &PreviewPane::WBLoadHTML);
    connect(m_refresh, &RefreshCycle::renderStreamRequested, webbrowser1,
            [this](const QString &text) { webbrowser1->LoadStream(text.toUtf8()); });

    // The preview's notifications.
    connect(webbrowser1, &PreviewPane::downloadBegin, this, &TForm5::webbrowser1DownloadBegin);
    connect(webbrowser1, &PreviewPane::downloadComplete, this, &TForm5::webbrowser1DownloadComplete);
    connect(webbrowser1, &PreviewPane::progressChange, this, &TForm5::webbrowser1ProgressChange);
    connect(webbrowser1, &PreviewPane::documentComplete, this, &TForm5::webbrowser1DocumentComplete);

    // The address row and the Help menu's web links.
    connect(SpeedButton1, &QToolButton::clicked, m_browsingBar, &BrowsingBar::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, m_browsingBar, &BrowsingBar::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, m_browsingBar, &BrowsingBar::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, m_browsingBar, &BrowsingBar::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, m_browsingBar, &BrowsingBar::SpeedButton5Click);
    connect(menuItem("Skolvik1"), &QAction::triggered, m_browsingBar, &BrowsingBar::Skolvik1Click);
    connect(menuItem("Sch1"), &QAction::triggered, m_browsingBar, &BrowsingBar::Sch1Click);
    connect(menuItem("N38"), &QAction::triggered, m_browsingBar, &BrowsingBar::N38Click);
}
