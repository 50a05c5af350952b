// The main window's event handlers: first showing, resizing, closing, the code pane's notifications, the
// graphical switch, the tag buttons, the small images and the preview's notifications.
#include "app/core/programtexts.h"
#include "app/core/windowsizing.h"
#include "app/mainwindow.h"
#include "assist/valuepopup.h"
#include "core/editingsession.h"
#include "documents/core/recoverykeeper.h"
#include "documents/core/recoverystore.h"
#include "documents/recoverynotice.h"
#include "documents/recoverywindow.h"
#include "editor/codepane.h"
#include "editor/documentmirror.h"
#include "editor/refreshcycle.h"
#include "editor/warninglines.h"
#include "palette/attributebar.h"
#include "palette/tagtip.h"
#include "palette/tagtoolbars.h"
#include "preview/browsingbar.h"
#include "preview/connection.h"
#include "preview/core/progresspercent.h"
#include "preview/previewpane.h"
#include "widgets/clickableimage.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"
#include "widgets/messages.h"
#include "widgets/statuspanels.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

namespace {
const QString switchOnCaption =
    QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Ενεργοποιημένο");
const QString switchOffCaption =
    QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Απενεργοποιημένο");
} // namespace

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        arrangeOnFirstShow();
    }
}

void MainWindow::arrangeOnFirstShow()
{
    if (m_startupWindow)
        m_startupWindow->hide();
    applyTextMargins(100);
    layoutTagWidths();
    showConnection(internet());
    m_messagePane->clearLines();
    m_messagePane->hide();
    m_messageSplitter->hide();
    m_graphicalSwitch->setParent(m_documentStatus);
    m_graphicalSwitch->setGeometry(m_documentStatus->panelsWidth() + 15, 2, 485,
                                   m_documentStatus->height() - 4);
    m_graphicalSwitch->show();
    m_graphicalSwitch->setChecked(true);
    m_graphicalSwitch->setText(switchOnCaption);
    sizeFromScreen();
    m_attributeBar->currentBar()->hide();
    m_toolbarRows[5]->hide();
    m_toolbarRows[6]->hide();
    m_toolbarArea->resize(m_toolbarArea->width(),
                          m_toolbarArea->height() - m_toolbarRows[5]->height() - m_toolbarRows[6]->height());
    if (m_valuePopup)
        m_valuePopup->hide();
    dockInto(m_lowerStrip, m_makerLogo, DockAlign::Right);
    m_makerLogo->show();
    applyToolboxCaptions(false);
    layoutTagWidths();
    applyTabOrder();
    m_refresh->startupPass(ProgramTexts::welcomeDocument());
    // The untouched welcome page is nobody's work: it is never kept for recovery.
    m_recoveryStore->ignoreText(m_codePane->text());
    m_mirrorPane->setPlainText(m_codePane->text());
    renderDocument(m_codePane->text());
    m_session->setMode(DocumentMode::Editing);
    announceUnsavedText();
}

void MainWindow::announceUnsavedText()
{
    const std::optional<RecoveryEntry> unsaved = m_recoveryStore->unsavedToAnnounce();
    if (!unsaved)
        return;
    m_recoveryNotice->announce(*unsaved);
    m_recoveryStore->markAnnounced(*unsaved);
}

void MainWindow::applyTabOrder()
{
    // Keyboard focus moves in the order the controls are seen: the recovery bar when it shows, address row,
    // preview, tag buttons, code pane, message pane, the switch and the logo.
    QList<QWidget *> order{m_recoveryNotice->openButton(),
                           m_recoveryNotice->closeButton(),
                           m_homeButton,
                           m_backButton,
                           m_forwardButton,
                           m_addressBar,
                           m_goButton,
                           m_reloadButton,
                           m_onlineIndicator,
                           m_offlineIndicator,
                           m_preview};
    for (QToolButton *button : m_tagToolbars->buttons())
        order.append(button);
    order << m_codePane << m_messagePane << m_graphicalSwitch << m_makerLogo;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::sizeFromScreen()
{
    const QSize outer = mainWindowOuterSize(screenSize());
    m_editorArea->resize(m_editorArea->width(), editorAreaHeight(outer.height()));
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
    m_targetOuterSize = outer;
    m_frameChecks = 0;
    fitOuterSize();
}

void MainWindow::fitOuterSize()
{
    if (!m_targetOuterSize.isValid())
        return;
    // The size is the outer frame's. Under a window manager the frame is known only some time after the
    // window is mapped: until then the client area takes the whole size, and it shrinks to fit once the frame
    // is there. The frame is looked for a few times in the first second; a window without one keeps its size.
    // The frame is asked of the window system each time: the widget's own frame geometry keeps what it read
    // at the window's last move or resize. While the window manager is still building its frame (the window
    // already inside it, the frame not yet sized), the frame measured is smaller than the window: that is no
    // frame yet, and the window would otherwise grow by the difference.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const bool frameBuilt =
        frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0;
    if (frameBuilt)
        resize(m_targetOuterSize.width() - frame.left() - frame.right(),
               m_targetOuterSize.height() - frame.top() - frame.bottom());
    if ((frameBuilt && !frame.isNull()) || ++m_frameChecks > 20)
        m_targetOuterSize = QSize();
    else
        QTimer::singleShot(50, this, &MainWindow::fitOuterSize);
}

void MainWindow::applyTextMargins(int codeRightMargin)
{
    m_codePane->setTextMargins(40, 22, codeRightMargin, 12);
    m_messagePane->setTextMargins(12, 6, 12, 2);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    followResize();
}

void MainWindow::followResize()
{
    applyTextMargins(12);
    layoutTagWidths();
    if (m_valuePopup)
        m_valuePopup->hide();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_recovery->keepCurrent(RecoveryReason::AtClose);
    if (m_valuePopup && m_valuePopup->isActiveWindow())
        m_valuePopup->close();
    QMainWindow::closeEvent(event);
    if (m_startupWindow)
        m_startupWindow->close();
}

void MainWindow::openMakerWebsite()
{
    QDesktopServices::openUrl(QUrl(ProgramTexts::makerWebsite()));
}

void MainWindow::explainOnline()
{
    showMessage(this, QStringLiteral("Ο Υπολογιστής είναι συνδεδεμένος στο Internet"));
}

void MainWindow::explainOffline()
{
    showMessage(this, QStringLiteral("Ο Υπολογιστής δεν είναι συνδεδεμένος στο Internet"));
}

void MainWindow::updateCounts()
{
    m_documentStatus->setPanelText(0, QStringLiteral("Αριθμός γραμμών: ") +
                                          QString::number(m_codePane->lineCount()));
    m_documentStatus->setPanelText(1, QStringLiteral("Αριθμός χαρακτήρων: ") +
                                          QString::number(m_codePane->characterCountWithoutBreaks()));
    m_mirror->follow(editingMode());
    m_recovery->textChanged();
}

void MainWindow::showCaretPosition()
{
    m_documentStatus->setPanelText(
        3, QStringLiteral("Στήλη: %1 - Γραμμή: %2").arg(caretColumn(m_codePane)).arg(caretLine(m_codePane)));
}

void MainWindow::closeValuePopup()
{
    if (m_valuePopup) {
        m_valuePopup->valueBox()->clear();
        m_valuePopup->hide();
    }
}

void MainWindow::resetProgress()
{
    m_progressBar->setValue(0);
}

void MainWindow::applyGraphicalSwitch()
{
    m_graphicalSwitch->setText(m_graphicalSwitch->isChecked() ? switchOnCaption : switchOffCaption);
    m_refresh->setPaintTags(m_graphicalSwitch->isChecked());
    m_refresh->switchRefresh();
}

void MainWindow::repaintPanes()
{
    m_codePane->viewport()->update();
    m_messagePane->viewport()->update();
}

void MainWindow::showWarnings(const QList<BalanceWarning> &warnings)
{
    writeWarningLines(m_messagePane, warnings);
    const bool any = !warnings.isEmpty();
    m_messagePane->setVisible(any);
    m_messageSplitter->setVisible(any);
}

void MainWindow::startProgress(int maximum)
{
    m_progressMaximum = qMax(0, maximum);
    m_progressBar->setRange(0, qMax(1, m_progressMaximum));
    m_progressBar->setValue(0);
}

void MainWindow::showProgress(int value)
{
    m_progressBar->setValue(qBound(0, value, m_progressMaximum));
}

void MainWindow::showProgressNumber(int value)
{
    // A bar set back below its range (its reset) shows nothing done.
    m_progressLabel->setText(QString::number(qMax(0, value)));
    m_progressLabel->setAccessibleDescription(m_progressLabel->text());
}

void MainWindow::showTagCount(int count)
{
    m_documentStatus->setPanelText(2, QStringLiteral("Αριθμός Εντολών HTML: ") + QString::number(count));
}

void MainWindow::refreshOrReload()
{
    if (editingMode())
        m_refresh->refreshWithoutInsertion();
    else
        m_browsingBar->reload();
}

void MainWindow::insertTag(const QString &caption)
{
    m_attributeBar->resetBar();
    insertAndRefresh(caption);
    m_attributeBar->fillForTag(caption);
}

void MainWindow::showConnection(bool connected)
{
    dockInto(m_addressRow, m_offlineIndicator, DockAlign::Right);
    dockLayoutOf(m_addressRow)->placeFirst(m_offlineIndicator);
    dockInto(m_addressRow, m_onlineIndicator, DockAlign::Right);
    dockLayoutOf(m_addressRow)->placeFirst(m_onlineIndicator);
    m_onlineIndicator->setVisible(connected);
    m_offlineIndicator->setVisible(!connected);
}

void MainWindow::pageLoadStarted()
{
    showConnection(internet());
    if (!editingMode())
        m_progressBar->setValue(0);
}

void MainWindow::pageLoadFinished()
{
    m_addressBar->setText(m_preview->locationUrl());
    m_titleBar->setPanelText(0, m_preview->documentTitle());
}

void MainWindow::showDownloadProgress(int progress, int progressMax)
{
    if (editingMode())
        return;
    const std::optional<int> value = progressPercent(progress, progressMax, 0, m_progressMaximum);
    if (!value)
        return;
    showProgress(*value);
    m_progressBar->repaint();
}

void MainWindow::takePageBody()
{
    if (editingMode())
        return;
    // The engine's own error pages (an unreachable site, a refused address) are no page's markup: the code
    // pane keeps what it has.
    if (!m_preview->lastLoadSucceeded())
        return;
    // The markup arrives later; the window may be gone by then.
    QPointer<MainWindow> self(this);
    m_preview->readBodyMarkup([self](const QString &markup) {
        if (!self || self->editingMode())
            return;
        // The page's markup replaces the text as one step the pupil can undo; the outgoing text is kept
        // first. The pages that follow the first replace its markup within that step, so one undo brings the
        // pupil's text back.
        self->m_recovery->keepCurrent(RecoveryReason::BeforeWebPage);
        const QString replaced = self->m_codePane->text();
        const bool pageBefore = self->m_browsed.holdsPageMarkup(replaced);
        const int stepsBefore = self->m_codePane->document()->availableUndoSteps();
        self->m_showingPage = true;
        self->m_codePane->setDocumentText(markup);
        self->m_showingPage = false;
        if (pageBefore)
            self->m_codePane->attachLastStep(stepsBefore);
        self->m_browsed.pageShown(replaced, self->m_session->documentFile(), self->m_codePane->text());
        self->m_session->forgetDocumentFile();
        self->m_recovery->webPageShown(self->m_codePane->text());
    });
}

void MainWindow::renderDocument(const QString &text)
{
    m_renderedText = text;
    m_preview->renderHtml(text);
}

void MainWindow::renderPastedDocument(const QString &text)
{
    m_renderedText = text;
    m_preview->renderBytes(text.toUtf8());
}

void MainWindow::showPupilsTextAgain()
{
    const QString current = m_codePane->text();
    if (m_browsed.holdsPageMarkup(current)) {
        const QString pupils = m_browsed.pupilsText();
        // The pupil's text is the file's again, as it was before the pages.
        if (!m_browsed.pupilsFile().isEmpty())
            m_session->rememberFile(m_browsed.pupilsFile());
        m_browsed.forget();
        m_codePane->setDocumentText(pupils);
        m_codePane->setSelectionStart(0);
        m_refresh->openedDocumentRefresh();
        return;
    }
    m_browsed.forget();
    // The pupil's text (or a command's) is in the pane already; the preview shows it unless it still shows a
    // page, or an older text of the pupil's.
    if (!m_preview->showsPreview() || current != m_renderedText)
        renderDocument(current);
}

void MainWindow::editAgainWhenPupilsTextIsBack()
{
    if (m_showingPage || editingMode() || !m_browsed.browsing() ||
        m_codePane->text() != m_browsed.pupilsText())
        return;
    m_session->setMode(DocumentMode::Editing);
}

void MainWindow::showRecoveryWindow()
{
    if (!m_recoveryWindow) {
        m_recoveryWindow = new RecoveryWindow(this);
        connect(m_recoveryWindow, &RecoveryWindow::restoreRequested, this, &MainWindow::restoreText);
    }
    m_recoveryNotice->hide();
    m_recoveryWindow->showEntries(*m_recovery->store());
    m_recoveryWindow->open();
}

void MainWindow::restoreText(const QString &text, const RecoveryOrigin &origin)
{
    m_recovery->keepCurrent(RecoveryReason::BeforeRestore);
    m_codePane->setDocumentText(text);
    m_session->forgetDocumentFile();
    m_codePane->setSelectionStart(0);
    // The preview takes the folder before the refresh renders the text.
    if (!origin.folder.isEmpty())
        m_session->rememberFolder(origin.folder);
    m_refresh->openedDocumentRefresh();
}
