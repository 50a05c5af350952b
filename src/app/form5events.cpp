// The main window's event handlers: first showing, resizing, closing, the code pane's notifications, the
// graphical switch, the tag buttons, the small images and the preview's notifications.
#include "widgets/clickableimage.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"
#include "app/form5.h"
#include "widgets/messages.h"
#include "app/programtexts.h"
#include "widgets/statuspanels.h"
#include "app/windowsizing.h"
#include "assist/form7.h"
#include "editor/codepane.h"
#include "editor/documentmirror.h"
#include "editor/refreshcycle.h"
#include "palette/attributebar.h"
#include "palette/form6.h"
#include "palette/tagtoolbars.h"
#include "preview/connection.h"
#include "preview/previewpane.h"
#include "preview/progresspercent.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QToolButton>
#include <QUrl>

namespace {
const QString switchOnCaption =
    QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Ενεργοποιημένο");
const QString switchOffCaption =
    QStringLiteral("Το γραφικό περιβάλλον του Επεξεργαστή κειμένου είναι Απενεργοποιημένο");
} // namespace

void TForm5::wireSignals()
{
    connect(N4, &QAction::triggered, this, &TForm5::close);
    for (int row = 0; row < 7; ++row)
        connect(toolboxItems[size_t(row)], &QAction::triggered, this, [this, row] { toolboxRowClick(row); });
    connect(toolboxItems[7], &QAction::triggered, this, &TForm5::N25Click);

    connect(RichEdit1, &CodePane::textChanged, this, &TForm5::RichEdit1Change);
    connect(RichEdit1, &CodePane::keyReleased, this, &TForm5::RichEdit1KeyUp);
    connect(RichEdit1, &CodePane::clicked, this, &TForm5::RichEdit1Click);
    connect(RichEdit1, &CodePane::mouseLeft, this, &TForm5::RichEdit1MouseLeave);
    connect(RichEdit1, &CodePane::doubleClicked, m_refresh, &RefreshCycle::refreshWithoutInsertion);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm5::CheckBox1Click);
    connect(Splitter1, &DockSplitter::canResize, this, &TForm5::Splitter1Moved);
    connect(Splitter1, &DockSplitter::moved, this, &TForm5::Splitter1Moved);

    connect(m_tagToolbars, &TagToolbars::tagClicked, this, &TForm5::tagButtonClick);
    connect(m_attributeBar, &AttributeBar::insertText, this, &TForm5::kata);
    connect(Image1, &ClickableImage::clicked, this, &TForm5::Image1Click);
    connect(Image2, &ClickableImage::clicked, this, &TForm5::Image2Click);
    connect(Image3, &ClickableImage::clicked, this, &TForm5::Image3Click);

    connect(webbrowser1, &PreviewPane::downloadBegin, this, &TForm5::webbrowser1DownloadBegin);
    connect(webbrowser1, &PreviewPane::downloadComplete, this, &TForm5::webbrowser1DownloadComplete);
    connect(webbrowser1, &PreviewPane::progressChange, this, &TForm5::webbrowser1ProgressChange);
    connect(webbrowser1, &PreviewPane::documentComplete, this, &TForm5::webbrowser1DocumentComplete);
}

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
    Panel15()->hide();
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
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    resize(outer.width() - frame.left() - frame.right(), outer.height() - frame.top() - frame.bottom());
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
    Panel9->resize(Panel9->width(), editorAreaHeight(outer.height()));
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
    Memo1->follow(editingMode());
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
    m_refresh->switchRefresh();
}

void TForm5::Splitter1Moved()
{
    RichEdit1->viewport()->update();
    RichEdit2->viewport()->update();
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
    const std::optional<int> value =
        progressPercent(progress, progressMax, ProgressBar1->minimum(), ProgressBar1->maximum());
    if (!value)
        return;
    ProgressBar1->setValue(*value);
    Label1->setText(QString::number(ProgressBar1->value()));
    ProgressBar1->repaint();
}

void TForm5::webbrowser1DocumentComplete()
{
    if (editingMode())
        return;
    RichEdit1->clearLines();
    webbrowser1->readBodyMarkup([this](const QString &markup) {
        if (!editingMode())
            RichEdit1->setDocumentText(markup);
    });
}
