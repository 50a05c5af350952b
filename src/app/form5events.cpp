// The main window's event handlers: first showing, resizing, closing, the code pane's notifications, the
// graphical switch, the tag buttons, the small images and the preview's notifications.
#include "app/form5.h"
#include "app/programtexts.h"
#include "app/windowsizing.h"
#include "assist/form7.h"
#include "documents/recoverykeeper.h"
#include "documents/recoverywindow.h"
#include "editor/codepane.h"
#include "editor/documentmirror.h"
#include "editor/refreshcycle.h"
#include "editor/warninglines.h"
#include "palette/attributebar.h"
#include "palette/form6.h"
#include "palette/tagtoolbars.h"
#include "preview/connection.h"
#include "preview/previewpane.h"
#include "preview/progresspercent.h"
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
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {
const QString switchOnCaption =
    QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Ενεργοποιημένο");
const QString switchOffCaption =
    QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Απενεργοποιημένο");
} // namespace

void TForm5::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm5::FormShow()
{
    if (m_form3)
        m_form3->hide();
    applyTextMargins(100);
    layoutTagWidths();
    showConnection(internet());
    RichEdit2->clearLines();
    RichEdit2->hide();
    Splitter1->hide();
    CheckBox1->setParent(StatusBar2);
    CheckBox1->setGeometry(StatusBar2->panelsWidth() + 15, 2, 485, StatusBar2->height() - 4);
    CheckBox1->show();
    CheckBox1->setChecked(true);
    CheckBox1->setText(switchOnCaption);
    sizeFromScreen();
    m_attributeBar->Panel15()->hide();
    toolbarRows[5]->hide();
    toolbarRows[6]->hide();
    Panel2->resize(Panel2->width(), Panel2->height() - toolbarRows[5]->height() - toolbarRows[6]->height());
    if (m_form7)
        m_form7->hide();
    dockInto(Panel10, Image1, DockAlign::Right);
    Image1->show();
    applyToolboxCaptions(false);
    layoutTagWidths();
    applyTabOrder();
    m_refresh->startupPass(ProgramTexts::welcomeDocument());
    // The untouched welcome page is nobody's work: it is never kept for recovery.
    m_recoveryStore->ignoreText(RichEdit1->Text());
    Memo1->setPlainText(RichEdit1->Text());
    webbrowser1->WBLoadHTML(RichEdit1->Text());
    Edit1->setText(QStringLiteral("about:blank"));
}

void TForm5::applyTabOrder()
{
    // Keyboard focus moves in the order the controls are seen: address row, preview, tag buttons, code pane,
    // message pane, the switch and the logo.
    QList<QWidget *> order{SpeedButton1, SpeedButton2, SpeedButton3, Edit1,      SpeedButton5,
                           SpeedButton4, Image2,       Image3,       webbrowser1};
    for (QToolButton *button : m_tagToolbars->buttons())
        order.append(button);
    order << RichEdit1 << RichEdit2 << CheckBox1 << Image1;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm5::sizeFromScreen()
{
    const QSize outer = mainWindowOuterSize(screenSize());
    Panel9->resize(Panel9->width(), editorAreaHeight(outer.height()));
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
    m_targetOuterSize = outer;
    m_frameChecks = 0;
    fitOuterSize();
}

void TForm5::fitOuterSize()
{
    if (!m_targetOuterSize.isValid())
        return;
    // The size is the outer frame's. Under a window manager the frame is known only some time after the
    // window is mapped: until then the client area takes the whole size, and it shrinks to fit once the frame
    // is there. The frame is looked for a few times in the first second; a window without one keeps its size.
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    resize(m_targetOuterSize.width() - frame.left() - frame.right(),
           m_targetOuterSize.height() - frame.top() - frame.bottom());
    if (!frame.isNull() || ++m_frameChecks > 20)
        m_targetOuterSize = QSize();
    else
        QTimer::singleShot(50, this, &TForm5::fitOuterSize);
}

void TForm5::applyTextMargins(int codeRightMargin)
{
    RichEdit1->setTextMargins(40, 22, codeRightMargin, 12);
    RichEdit2->setTextMargins(12, 6, 12, 2);
}

void TForm5::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm5::FormResize()
{
    applyTextMargins(12);
    layoutTagWidths();
    if (m_form7)
        m_form7->hide();
}

void TForm5::closeEvent(QCloseEvent *event)
{
    m_recovery->keepCurrent(RecoveryReason::AtClose);
    if (m_form7 && m_form7->isActiveWindow())
        m_form7->close();
    QMainWindow::closeEvent(event);
    if (m_form3)
        m_form3->close();
}

void TForm5::Image1Click()
{
    QDesktopServices::openUrl(QUrl(ProgramTexts::makerWebsite()));
}

void TForm5::Image2Click()
{
    ShowMessage(this, QStringLiteral("Ο Υπολογιστής είναι συνδεδεμένος στο Internet"));
}

void TForm5::Image3Click()
{
    ShowMessage(this, QStringLiteral("Ο Υπολογιστής δεν είναι συνδεδεμένος στο Internet"));
}

void TForm5::RichEdit1Change()
{
    StatusBar2->setPanelText(0,
                             QStringLiteral("Αριθμός γραμμών: ") + QString::number(RichEdit1->lineCount()));
    StatusBar2->setPanelText(1, QStringLiteral("Αριθμός χαρακτήρων: ") +
                                    QString::number(RichEdit1->characterCountWithoutBreaks()));
    m_mirror->follow(editingMode());
    m_recovery->textChanged();
}

void TForm5::RichEdit1KeyUp()
{
    StatusBar2->setPanelText(
        3, QStringLiteral("Στήλη: %1 - Γραμμή: %2").arg(RichCol(RichEdit1)).arg(RichRow(RichEdit1)));
}

void TForm5::RichEdit1Click()
{
    if (m_form7) {
        m_form7->ComboBox1->clear();
        m_form7->hide();
    }
}

void TForm5::RichEdit1MouseLeave()
{
    ProgressBar1->setValue(0);
}

void TForm5::CheckBox1Click()
{
    CheckBox1->setText(CheckBox1->isChecked() ? switchOnCaption : switchOffCaption);
    m_refresh->setPaintTags(CheckBox1->isChecked());
    m_refresh->switchRefresh();
}

void TForm5::Splitter1Moved()
{
    RichEdit1->viewport()->update();
    RichEdit2->viewport()->update();
}

void TForm5::showWarnings(const QList<BalanceWarning> &warnings)
{
    writeWarningLines(RichEdit2, warnings);
    const bool any = !warnings.isEmpty();
    RichEdit2->setVisible(any);
    Splitter1->setVisible(any);
}

void TForm5::startProgress(int maximum)
{
    m_progressMaximum = qMax(0, maximum);
    ProgressBar1->setRange(0, qMax(1, m_progressMaximum));
    ProgressBar1->setValue(0);
}

void TForm5::showProgress(int value)
{
    ProgressBar1->setValue(qBound(0, value, m_progressMaximum));
}

void TForm5::showTagCount(int count)
{
    StatusBar2->setPanelText(2, QStringLiteral("Αριθμός Εντολών HTML: ") + QString::number(count));
}

void TForm5::tagButtonClick(const QString &caption)
{
    m_attributeBar->mhden();
    kata(caption);
    m_attributeBar->ypokat(caption);
}

void TForm5::showConnection(bool connected)
{
    dockInto(Panel11, Image3, DockAlign::Right);
    dockLayoutOf(Panel11)->placeFirst(Image3);
    dockInto(Panel11, Image2, DockAlign::Right);
    dockLayoutOf(Panel11)->placeFirst(Image2);
    Image2->setVisible(connected);
    Image3->setVisible(!connected);
}

void TForm5::webbrowser1DownloadBegin()
{
    showConnection(internet());
    if (!editingMode())
        ProgressBar1->setValue(0);
}

void TForm5::webbrowser1DownloadComplete()
{
    Edit1->setText(webbrowser1->locationUrl());
    StatusBar1->setPanelText(0, webbrowser1->documentTitle());
}

void TForm5::webbrowser1ProgressChange(int progress, int progressMax)
{
    if (editingMode())
        return;
    const std::optional<int> value = progressPercent(progress, progressMax, 0, m_progressMaximum);
    if (!value)
        return;
    showProgress(*value);
    Label1->setText(QString::number(ProgressBar1->value()));
    Label1->setAccessibleDescription(Label1->text());
    ProgressBar1->repaint();
}

void TForm5::webbrowser1DocumentComplete()
{
    if (editingMode())
        return;
    // The engine's own error pages (an unreachable site, a refused address) are no page's markup: the code
    // pane keeps what it has.
    if (!webbrowser1->lastLoadSucceeded())
        return;
    QPointer<TForm5> self(this);
    webbrowser1->readBodyMarkup([self](const QString &markup) {
        if (!self || self->editingMode())
            return;
        // The page's markup replaces the text as one step the pupil can undo; the outgoing text is kept
        // first.
        self->m_recovery->keepCurrent(RecoveryReason::BeforeWebPage);
        self->RichEdit1->setDocumentText(markup);
        self->m_recovery->webPageShown(self->RichEdit1->Text());
    });
}

void TForm5::showRecoveryWindow()
{
    if (!m_recoveryWindow) {
        m_recoveryWindow = new RecoveryWindow(this);
        connect(m_recoveryWindow, &RecoveryWindow::restoreRequested, this, &TForm5::restoreText);
    }
    m_recoveryWindow->showEntries(*m_recovery->store());
    m_recoveryWindow->open();
}

void TForm5::restoreText(const QString &text)
{
    m_recovery->keepCurrent(RecoveryReason::BeforeRestore);
    RichEdit1->setDocumentText(text);
    RichEdit1->setSelStart(0);
    m_refresh->openedDocumentRefresh();
}
