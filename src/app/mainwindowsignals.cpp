// The one place where the main window's signals meet their handlers: menus, code pane, switch, splitter, tag
// buttons, attribute bar, images, refresh cycle and the preview's notifications.
#include "app/mainwindow.h"
#include "assist/core/eventlists.h"
#include "assist/eventboxes.h"
#include "assist/typingassistant.h"
#include "assist/valueassistant.h"
#include "core/editingsession.h"
#include "documents/core/recoverykeeper.h"
#include "documents/filecommands.h"
#include "documents/printcommands.h"
#include "documents/recoverynotice.h"
#include "documents/templatecommands.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "editor/stephistory.h"
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

void MainWindow::connectSignals()
{
    // Menus.
    connect(m_menu.exit, &QAction::triggered, this, &MainWindow::close);
    for (int row = 0; row < 7; ++row)
        connect(m_toolboxItems[size_t(row)], &QAction::triggered, this,
                [this, row] { toggleToolbarRow(row); });
    connect(m_toolboxItems[7], &QAction::triggered, this, &MainWindow::toggleAllToolbarRows);
    connect(m_menu.browserOnly, &QAction::triggered, this, &MainWindow::showBrowserOnly);
    connect(m_menu.editorOnly, &QAction::triggered, this, &MainWindow::showEditorOnly);
    connect(m_menu.initialLayout, &QAction::triggered, this, &MainWindow::restoreInitialLayout);
    connect(m_menu.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_menu.presentation, &QAction::triggered, this, &MainWindow::showPresentation);
    connect(m_menu.contact, &QAction::triggered, this, &MainWindow::showContactWindow);
    // The "Γεγονότα" menu: each item puts its group's box of event attributes on the attribute bar.
    const QList<EventGroup> &eventGroups = EventLists::all();
    for (qsizetype i = 0; i < eventGroups.size(); ++i)
        connect(m_menu.eventGroups[i], &QAction::triggered, m_attributeBar,
                [this, &group = eventGroups[i]] { addEventBox(m_attributeBar, group); });

    // The document menus: open and save, printing, templates and character sets.
    connect(m_menu.openPage, &QAction::triggered, m_files, &FileCommands::openDocument);
    connect(m_menu.openCodeOnly, &QAction::triggered, m_files, &FileCommands::openCodeOnly);
    connect(m_menu.savePage, &QAction::triggered, m_files, &FileCommands::saveDocument);
    connect(m_files, &FileCommands::codeOnlyViewWanted, this, &MainWindow::showCodeOnly);
    // The preview loads the page's relative images and styles from the pupil's folder.
    connect(m_session, &EditingSession::pupilFolderChanged, m_preview, &PreviewPane::setBaseFolder);
    connect(m_menu.recoverText, &QAction::triggered, this, &MainWindow::showRecoveryWindow);
    connect(m_recoveryNotice, &RecoveryNotice::openRequested, this, &MainWindow::showRecoveryWindow);
    // A text opened or saved is kept, later, with whether it still is what its file holds.
    connect(m_files, &FileCommands::documentMatchesFile, m_recovery, &RecoveryKeeper::textMatchesFile);
    // Whatever replaces the document as a whole, the outgoing text is kept for recovery first.
    connect(m_files, &FileCommands::documentAboutToBeReplaced, m_recovery, &RecoveryKeeper::keepCurrent);
    connect(m_templates, &TemplateCommands::documentAboutToBeReplaced, m_recovery,
            &RecoveryKeeper::keepCurrent);
    // A template is no file: the file dialogs stop proposing the last file's name.
    connect(m_templates, &TemplateCommands::documentAboutToBeReplaced, m_session,
            &EditingSession::forgetDocumentFile);
    connect(m_menu.printPage, &QAction::triggered, m_printing, &PrintCommands::printPreview);
    connect(m_menu.printCode, &QAction::triggered, m_printing, &PrintCommands::printCodeListing);
    connect(m_menu.simplePage, &QAction::triggered, m_templates, &TemplateCommands::loadSimplePage);
    connect(m_menu.mythologyAssignment, &QAction::triggered, m_templates,
            &TemplateCommands::loadMythologyAssignment);
    connect(m_menu.algorithmicsAssignment, &QAction::triggered, m_templates,
            &TemplateCommands::loadAlgorithmicsAssignment);
    connect(m_menu.greekCharset, &QAction::triggered, m_templates, &TemplateCommands::insertGreekDeclaration);
    connect(m_menu.latinCharset, &QAction::triggered, m_templates, &TemplateCommands::insertLatinDeclaration);
    connect(m_menu.unicodeCharset, &QAction::triggered, m_templates,
            &TemplateCommands::insertUnicodeDeclaration);

    // The code pane and its context menu.
    connect(m_codePane, &CodePane::textChanged, this, &MainWindow::updateCounts);
    // The caret's column and line follow every move of the caret: keys, clicks and every insertion.
    connect(m_codePane, &CodePane::cursorPositionChanged, this, &MainWindow::showCaretPosition);
    connect(m_codePane, &CodePane::clicked, this, &MainWindow::closeValuePopup);
    connect(m_codePane, &CodePane::mouseLeft, this, &MainWindow::resetProgress);
    connect(m_codePane, &CodePane::doubleClicked, m_refresh, &RefreshCycle::refreshWithoutInsertion);
    // Every paste is the context menu's "Επικόλληση", with its refresh; text dropped or pasted with the
    // middle button is in the pane already, and is refreshed once the mouse's own handling is over.
    connect(m_codePane, &CodePane::pasteRequested, m_refresh, &RefreshCycle::pasteAndRefresh);
    connect(m_codePane, &CodePane::textReceived, m_refresh, &RefreshCycle::refreshWithoutInsertion,
            Qt::QueuedConnection);
    // Undo and redo of a whole text (a template, an opened file, ...) show it as its coming in did.
    connect(m_codePane->history(), &StepHistory::wholeTextReplayed, m_refresh,
            &RefreshCycle::followReplayedText);
    connect(m_codePane, &CodePane::keyPressed, m_typingAssistant, &TypingAssistant::keyTyped);
    // Every typed key empties the message pane; most find it empty already.
    connect(m_typingAssistant, &TypingAssistant::messagesCleared, m_messagePane, &CodePane::clearLines);
    connect(m_typingAssistant, &TypingAssistant::messagesHidden, this, [this] { showWarnings({}); });
    connect(m_typingAssistant, &TypingAssistant::progressStarted, this, &MainWindow::startProgress);
    connect(m_codePane, &CodePane::mouseReleased, m_valueAssistant, &ValueAssistant::offerValuesAt);
    connect(m_valueAssistant, &ValueAssistant::valuePicked, this, &MainWindow::insertAndRefresh);
    connect(m_codePane, &CodePane::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_codeMenu->popup(m_codePane->mapToGlobal(pos)); });
    connect(m_menu.undo, &QAction::triggered, m_codePane->history(), &StepHistory::undoStep);
    connect(m_menu.cut, &QAction::triggered, m_codePane, &CodePane::cut);
    connect(m_menu.copy, &QAction::triggered, m_codePane, &CodePane::copy);
    connect(m_menu.paste, &QAction::triggered, m_refresh, &RefreshCycle::pasteAndRefresh);
    connect(m_menu.selectAll, &QAction::triggered, m_codePane, &CodePane::selectAll);

    connect(m_graphicalSwitch, &QCheckBox::toggled, this, &MainWindow::applyGraphicalSwitch);
    connect(m_messageSplitter, &DockSplitter::canResize, this, &MainWindow::repaintPanes);
    connect(m_messageSplitter, &DockSplitter::moved, this, &MainWindow::repaintPanes);

    // Tag buttons, attribute bar and images.
    connect(m_tagToolbars, &TagToolbars::tagClicked, this, &MainWindow::insertTag);
    connect(m_attributeBar, &AttributeBar::insertText, this, &MainWindow::insertAndRefresh);
    connect(m_makerLogo, &ClickableImage::clicked, this, &MainWindow::openMakerWebsite);
    connect(m_onlineIndicator, &ClickableImage::clicked, this, &MainWindow::explainOnline);
    connect(m_offlineIndicator, &ClickableImage::clicked, this, &MainWindow::explainOffline);

    // What the refresh cycle reports.
    // An emptied message pane hides with its splitter: the pane shows only when there is something to warn
    // about.
    connect(m_refresh, &RefreshCycle::warningsCleared, this, [this] { showWarnings({}); });
    connect(m_refresh, &RefreshCycle::warningsReady, this, &MainWindow::showWarnings);
    connect(m_refresh, &RefreshCycle::progressStarted, this, &MainWindow::startProgress);
    connect(m_refresh, &RefreshCycle::progressReached, this, &MainWindow::showProgress);
    // `Label1` shows the bar's number whoever moves the bar: a refresh, a download, the pointer leaving the
    // code pane.
    connect(m_progressBar, &QProgressBar::valueChanged, this, &MainWindow::showProgressNumber);
    connect(m_refresh, &RefreshCycle::tagCountChanged, this, &MainWindow::showTagCount);
    connect(m_refresh, &RefreshCycle::renderRequested, this, &MainWindow::renderDocument);
    connect(m_refresh, &RefreshCycle::renderStreamRequested, this, &MainWindow::renderPastedDocument);

    // Editing again, by whatever path, shows the pupil's text.
    connect(m_session, &EditingSession::modeChanged, this, [this](DocumentMode mode) {
        if (mode == DocumentMode::Editing)
            showPupilsTextAgain();
    });
    connect(m_codePane, &QPlainTextEdit::textChanged, this, &MainWindow::editAgainWhenPupilsTextIsBack);

    // The preview's notifications.
    connect(m_preview, &PreviewPane::downloadBegin, this, &MainWindow::pageLoadStarted);
    connect(m_preview, &PreviewPane::downloadComplete, this, &MainWindow::pageLoadFinished);
    connect(m_preview, &PreviewPane::progressChange, this, &MainWindow::showDownloadProgress);
    connect(m_preview, &PreviewPane::documentComplete, this, &MainWindow::takePageBody);

    // The address row and the Help menu's web links.
    connect(m_homeButton, &QToolButton::clicked, m_browsingBar, &BrowsingBar::goHome);
    connect(m_backButton, &QToolButton::clicked, m_browsingBar, &BrowsingBar::goBack);
    connect(m_forwardButton, &QToolButton::clicked, m_browsingBar, &BrowsingBar::goForward);
    connect(m_reloadButton, &QToolButton::clicked, m_browsingBar, &BrowsingBar::reload);
    connect(m_goButton, &QToolButton::clicked, m_browsingBar, &BrowsingBar::goToAddress);
    connect(m_menu.skolvikSite, &QAction::triggered, m_browsingBar, &BrowsingBar::openSkolvik);
    connect(m_menu.schoolNetworkSite, &QAction::triggered, m_browsingBar, &BrowsingBar::openSchoolNetwork);
    connect(m_menu.lessonsSite, &QAction::triggered, m_browsingBar, &BrowsingBar::openLessons);
    connect(m_refreshKey, &QAction::triggered, this, &MainWindow::refreshOrReload);
}
