#include "app/form5.h"

#include "app/programtexts.h"
#include "assist/typingassistant.h"
#include "assist/valueassistant.h"
#include "documents/filecommands.h"
#include "documents/printcommands.h"
#include "documents/recoverykeeper.h"
#include "documents/recoverystore.h"
#include "documents/templatecommands.h"
#include "editor/codepane.h"
#include "editor/documentlooks.h"
#include "editor/documentmirror.h"
#include "editor/refreshcycle.h"
#include "palette/attributebar.h"
#include "palette/tagtoolbars.h"
#include "preview/browsingbar.h"
#include "preview/previewpane.h"
#include "widgets/clickableimage.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"
#include "widgets/fonts.h"
#include "widgets/pictures.h"
#include "widgets/statuspanels.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace {

// A plain panel with a docking layout and, optionally, a background colour given as 0x00BBGGRR. The colours
// are written in that decimal blue-green-red form, as the window's design gives them, so that each can be
// checked against the design at a glance (16372442 is a pale blue, 15329769 light grey).
QWidget *makePanel(const QString &name, QWidget *parent, int height, int bgr = -1)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->resize(panel->width(), height);
    if (bgr >= 0) {
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, colourFromBgr(quint32(bgr)));
        panel->setPalette(pal);
        panel->setAutoFillBackground(true);
    }
    dockLayoutOf(panel);
    return panel;
}

// Panel 3 of `StatusBar2` is 120 pixels wide, or wider when the caret's position in a long document would not
// fit in that.
int caretPanelWidth()
{
    const QFontMetrics metrics(Fonts::pixels(11));
    return qMax(120, metrics.horizontalAdvance(QStringLiteral("Στήλη: 9999 - Γραμμή: 99999")) + 8);
}

QToolButton *makeIconButton(const QString &name, QStyle::StandardPixmap icon, const QString &accessibleName,
                            int width, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAccessibleName(accessibleName);
    button->resize(width, 29);
    return button;
}

} // namespace

TForm5::TForm5(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(ProgramTexts::mainWindowCaption());
    setFont(Fonts::pixels(11));
    resize(875, 534);

    Panel8 = makePanel(QStringLiteral("Panel8"), this, 0);
    setCentralWidget(Panel8);

    buildAddressRow();
    buildEditorArea();
    Splitter6 = new DockSplitter(Panel8);
    Splitter6->setObjectName(QStringLiteral("Splitter6"));
    // The editor area keeps room for five toolbar rows, a few lines of code and its status strip; the preview
    // keeps a strip of its page.
    Splitter6->setMinimumHeights(220, 60);
    dockInto(Panel8, Splitter6, DockAlign::Bottom);
    buildBrowserStrip();
    Panel1 = makePanel(QStringLiteral("Panel1"), Panel8, 0);
    webbrowser1 = new PreviewPane(Panel1);
    webbrowser1->setObjectName(QStringLiteral("webbrowser1"));
    webbrowser1->setAccessibleName(QStringLiteral("Προεπισκόπηση"));
    dockInto(Panel1, webbrowser1, DockAlign::Fill);
    dockInto(Panel8, Panel1, DockAlign::Fill);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();
    m_mirror = new DocumentMirror(RichEdit1, Memo1, this);

    Image1 = new ClickableImage(Pictures::logo(), QStringLiteral("Ιστοσελίδα του δημιουργού"), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2 = new ClickableImage(Pictures::globe(), QStringLiteral("Συνδεδεμένος στο Internet"), this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image3 = new ClickableImage(Pictures::globeNoEntry(), QStringLiteral("Χωρίς σύνδεση στο Internet"), this);
    Image3->setObjectName(QStringLiteral("Image3"));

    // The features that act only in editing mode ask the window for it.
    const auto editing = [this] { return editingMode(); };
    m_refresh = new RefreshCycle(RichEdit1, editing, this);
    m_typingAssistant = new TypingAssistant(RichEdit1, m_attributeBar, m_refresh, editing, this);
    m_valueAssistant = new ValueAssistant(RichEdit1, m_attributeBar, editing, this);

    BrowsingBarControls browsing;
    browsing.address = Edit1;
    browsing.browser = webbrowser1;
    browsing.editorArea = Panel9;
    browsing.graphicalSwitch = CheckBox1;
    browsing.clearAndHideMessages = [this] { showWarnings({}); };
    browsing.hideAttributeBar = [this] {
        if (QWidget *bar = m_attributeBar->Panel15())
            bar->hide();
    };
    m_browsingBar = new BrowsingBar(browsing, this);

    DocumentControls documents;
    documents.window = this;
    documents.code = RichEdit1;
    documents.messages = RichEdit2;
    documents.mirror = Memo1;
    documents.addressBar = Edit1;
    documents.editorArea = Panel9;
    documents.statusRow = Panel12;
    documents.previewPanel = Panel1;
    documents.addressRow = Panel11;
    documents.preview = webbrowser1;
    documents.refresh = m_refresh;
    documents.pageTitle = [this] { return StatusBar1->panelText(0); };
    m_recoveryStore = std::make_unique<RecoveryStore>();
    m_recovery = new RecoveryKeeper(
        m_recoveryStore.get(), [this] { return RichEdit1->Text(); }, this);
    m_files = new FileCommands(documents, this);
    m_templates = new TemplateCommands(documents, this);
    m_printing = new PrintCommands(documents, this);

    buildMenus();
    buildPopupMenu();
    connectSignals();
}

TForm5::~TForm5() = default;

void TForm5::buildAddressRow()
{
    Panel11 = makePanel(QStringLiteral("Panel11"), Panel8, 29, 16372442);
    SpeedButton1 = makeIconButton(QStringLiteral("SpeedButton1"), QStyle::SP_DirHomeIcon,
                                  QStringLiteral("Αρχική σελίδα"), 33, Panel11);
    SpeedButton2 = makeIconButton(QStringLiteral("SpeedButton2"), QStyle::SP_ArrowBack,
                                  QStringLiteral("Πίσω"), 32, Panel11);
    SpeedButton3 = makeIconButton(QStringLiteral("SpeedButton3"), QStyle::SP_ArrowForward,
                                  QStringLiteral("Εμπρός"), 32, Panel11);
    SpeedButton4 = makeIconButton(QStringLiteral("SpeedButton4"), QStyle::SP_BrowserReload,
                                  QStringLiteral("Ανανέωση"), 29, Panel11);
    SpeedButton5 = makeIconButton(QStringLiteral("SpeedButton5"), QStyle::SP_CommandLink,
                                  QStringLiteral("Μετάβαση"), 35, Panel11);
    Edit1 = new QLineEdit(Panel11);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Διεύθυνση"));
    Edit1->setFont(Fonts::pixels(15, true));
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Base, QColor(249, 249, 249));
    pal.setColor(QPalette::Text, QColor(0, 128, 128));
    Edit1->setPalette(pal);
    // Later left-docked buttons take the left end: dock them from the rightmost to the leftmost.
    for (QWidget *w : {static_cast<QWidget *>(SpeedButton3), static_cast<QWidget *>(SpeedButton2),
                       static_cast<QWidget *>(SpeedButton1)})
        dockInto(Panel11, w, DockAlign::Left);
    dockInto(Panel11, SpeedButton4, DockAlign::Right);
    dockInto(Panel11, SpeedButton5, DockAlign::Right);
    dockInto(Panel11, Edit1, DockAlign::Fill);
    dockInto(Panel8, Panel11, DockAlign::Top);
}

void TForm5::buildBrowserStrip()
{
    Panel12 = makePanel(QStringLiteral("Panel12"), Panel8, 23);
    StatusBar1 = new StatusPanels({{680, Qt::AlignLeft, false, QStringLiteral("Τίτλος σελίδας")}}, Panel12);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    ProgressBar1 = new QProgressBar(Panel12);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Πρόοδος"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setStyleSheet(
        QStringLiteral("QProgressBar { background: #808000; border: 1px solid #505000; }"
                       "QProgressBar::chunk { background: #008080; }"));
    ProgressBar1->resize(153, 23);
    Label1 = new QLabel(QStringLiteral("0"), Panel12);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Named for a screen reader, which reads the number it shows as its description.
    Label1->setAccessibleName(QStringLiteral("Ποσοστό προόδου"));
    Label1->setAccessibleDescription(Label1->text());
    Label1->setAlignment(Qt::AlignCenter);
    Label1->resize(32, 23);
    dockInto(Panel12, ProgressBar1, DockAlign::Right);
    dockInto(Panel12, Label1, DockAlign::Right);
    dockInto(Panel12, StatusBar1, DockAlign::Fill);
    dockInto(Panel8, Panel12, DockAlign::Bottom);
}

void TForm5::buildEditorArea()
{
    Panel9 = makePanel(QStringLiteral("Panel9"), Panel8, 357);
    Panel2 = makePanel(QStringLiteral("Panel2"), Panel9, 152, 15329769);
    const char *rowNames[7] = {"Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel13", "Panel14"};
    for (size_t i = 0; i < toolbarRows.size(); ++i) {
        toolbarRows[i] = makePanel(QString::fromLatin1(rowNames[i]), Panel2, 22);
        dockInto(Panel2, toolbarRows[i], DockAlign::Top);
    }
    m_tagToolbars = new TagToolbars(QList<QWidget *>(toolbarRows.begin(), toolbarRows.end()), this);

    RichEdit1 = new CodePane(Panel9);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QStringLiteral("Κώδικας HTML"));
    RichEdit1->setFont(Fonts::points(11));

    Panel10 = makePanel(QStringLiteral("Panel10"), Panel9, 18);
    StatusBar2 = new StatusPanels({{170, Qt::AlignHCenter, true, QStringLiteral("Αριθμός γραμμών")},
                                   {200, Qt::AlignHCenter, false, QStringLiteral("Αριθμός χαρακτήρων")},
                                   {200, Qt::AlignHCenter, false, QStringLiteral("Αριθμός Εντολών HTML")},
                                   {caretPanelWidth(), Qt::AlignLeft, false, QStringLiteral("Θέση δρομέα")}},
                                  Panel10);
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    dockInto(Panel10, StatusBar2, DockAlign::Fill);
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->resize(485, 14);

    RichEdit2 = new CodePane(Panel9);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setAccessibleName(QStringLiteral("Μηνύματα"));
    // The program writes the messages afresh at every refresh: there is nothing to undo there.
    RichEdit2->setUndoRedoEnabled(false);
    RichEdit2->setFont(Fonts::points(10));
    RichEdit2->resize(RichEdit2->width(), MessagePaneHeight);
    Splitter1 = new DockSplitter(Panel9);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    // The message pane keeps its designed height for a line or two of warnings; the code pane a few lines.
    Splitter1->setMinimumHeights(MessagePaneHeight, 60);

    dockInto(Panel9, Panel2, DockAlign::Top);
    dockInto(Panel9, Panel10, DockAlign::Bottom);
    m_attributeBar = new AttributeBar(
        this, Panel9, [this] { return editingMode(); }, this);
    dockInto(Panel9, RichEdit2, DockAlign::Bottom);
    dockInto(Panel9, Splitter1, DockAlign::Bottom);
    dockInto(Panel9, RichEdit1, DockAlign::Fill);
    dockInto(Panel8, Panel9, DockAlign::Bottom);
}

void TForm5::setCompanions(QWidget *form3, TForm7 *form7, TForm6 *form6)
{
    m_form3 = form3;
    m_form7 = form7;
    m_form6 = form6;
    m_valueAssistant->setPopup(m_form7);
}

void TForm5::setScreenSizeOverride(const QSize &size)
{
    m_screenOverride = size;
}

QSize TForm5::screenSize() const
{
    if (m_screenOverride.isValid())
        return m_screenOverride;
    return screen() ? screen()->geometry().size() : QSize(1366, 768);
}

bool TForm5::editingMode() const
{
    return Edit1->text() == QLatin1String("about:blank");
}

void TForm5::kata(const QString &met)
{
    m_refresh->kata(met);
}

void TForm5::layoutTagWidths()
{
    m_tagToolbars->layoutWidths(frameGeometry().width());
}
