#include "app/mainwindow.h"
#include "assist/valuepopup.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/presentationwindow.h"
#include "palette/tagtip.h"

#include "app/core/programtexts.h"
#include "app/previewshownpage.h"
#include "assist/typingassistant.h"
#include "assist/valueassistant.h"
#include "core/editingsession.h"
#include "core/programcolours.h"
#include "documents/core/recoverykeeper.h"
#include "documents/core/recoverystore.h"
#include "documents/filecommands.h"
#include "documents/printcommands.h"
#include "documents/recoverynotice.h"
#include "documents/templatecommands.h"
#include "editor/codepane.h"
#include "editor/documentmirror.h"
#include "editor/refreshcycle.h"
#include "palette/attributebar.h"
#include "palette/tagtoolbars.h"
#include "preview/addressbar.h"
#include "preview/browsingbar.h"
#include "preview/previewpane.h"
#include "widgets/bgrcolour.h"
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
#include <QToolButton>
#include <optional>

namespace {

// A plain panel with a docking layout and, optionally, a background colour (one of ProgramColours).
QWidget *makePanel(const QString &name, QWidget *parent, int height, std::optional<quint32> colour = {})
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->resize(panel->width(), height);
    if (colour) {
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, colourFromBgr(*colour));
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

// A button of the address row: its own icon, and a name and a tooltip in Greek that say what it does, which a
// screen reader reads as its name and description.
QToolButton *makeIconButton(const QString &name, const QIcon &icon, BrowsingCommand command, int width,
                            QWidget *parent)
{
    const BrowsingButtonText text = browsingButtonText(command);
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAccessibleName(text.name);
    button->setToolTip(text.tip);
    button->setAccessibleDescription(text.tip);
    button->resize(width, 29);
    return button;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(ProgramTexts::mainWindowCaption());
    setFont(Fonts::pixels(11));
    resize(875, 534);

    m_session = new EditingSession(this);
    m_frame = makePanel(QStringLiteral("Panel8"), this, 0);
    setCentralWidget(m_frame);

    buildAddressRow();
    buildEditorArea();
    buildPreviewArea();
    buildMirrorAndImages();
    createEditingFeatures();
    createBrowsingBar();
    createDocumentCommands();
    buildMenus();
    buildPopupMenu();
    connectSignals();
    // The features ask the session until they go: as the window's last child it goes after them.
    m_session->setParent(nullptr);
    m_session->setParent(this);
}

MainWindow::~MainWindow() = default;

// The splitter over the editor area, the browser status strip and the preview above them.
void MainWindow::buildPreviewArea()
{
    m_previewSplitter = new DockSplitter(m_frame);
    m_previewSplitter->setObjectName(QStringLiteral("Splitter6"));
    // The editor area keeps room for five toolbar rows, a few lines of code and its status strip; the preview
    // keeps a strip of its page.
    m_previewSplitter->setMinimumHeights(220, 60);
    dockInto(m_frame, m_previewSplitter, DockAlign::Bottom);
    buildBrowserStrip();
    m_previewPanel = makePanel(QStringLiteral("Panel1"), m_frame, 0);
    m_preview = new PreviewPane(m_previewPanel);
    m_preview->setObjectName(QStringLiteral("webbrowser1"));
    m_preview->setAccessibleName(QStringLiteral("Προεπισκόπηση"));
    dockInto(m_previewPanel, m_preview, DockAlign::Fill);
    dockInto(m_frame, m_previewPanel, DockAlign::Fill);
}

// The hidden plain-text mirror of the document, the maker's logo and the connection indicators.
void MainWindow::buildMirrorAndImages()
{
    m_mirrorPane = new QPlainTextEdit(this);
    m_mirrorPane->setObjectName(QStringLiteral("Memo1"));
    m_mirrorPane->hide();
    m_mirror = new DocumentMirror(m_codePane, m_mirrorPane, this);

    m_makerLogo = new ClickableImage(Pictures::logo(), QStringLiteral("Ιστοσελίδα του δημιουργού"), this);
    m_makerLogo->setObjectName(QStringLiteral("Image1"));
    m_onlineIndicator =
        new ClickableImage(Pictures::globe(), QStringLiteral("Συνδεδεμένος στο Internet"), this);
    m_onlineIndicator->setObjectName(QStringLiteral("Image2"));
    m_offlineIndicator =
        new ClickableImage(Pictures::globeNoEntry(), QStringLiteral("Χωρίς σύνδεση στο Internet"), this);
    m_offlineIndicator->setObjectName(QStringLiteral("Image3"));
}

void MainWindow::createEditingFeatures()
{
    // The features that act only in editing mode ask the session for it.
    m_refresh = new RefreshCycle(m_codePane, m_session, this);
    m_typingAssistant = new TypingAssistant(m_codePane, m_attributeBar, m_refresh, m_session, this);
    m_valueAssistant = new ValueAssistant(m_codePane, m_attributeBar, m_session, this);
}

// The address row's commands, with what they change in the window.
void MainWindow::createBrowsingBar()
{
    BrowsingBarControls browsing;
    browsing.address = m_addressBar;
    browsing.session = m_session;
    browsing.browser = m_preview;
    browsing.editorArea = m_editorArea;
    browsing.graphicalSwitch = m_graphicalSwitch;
    browsing.clearAndHideMessages = [this] { showWarnings({}); };
    browsing.hideAttributeBar = [this] {
        if (QWidget *bar = m_attributeBar->currentBar())
            bar->hide();
    };
    // A notice of the browsing commands stays in the title panel for a while, then the title comes back.
    browsing.showNotice = [this](const QString &text) { m_titleBar->showNotice(0, text, 15000); };
    m_browsingBar = new BrowsingBar(browsing, this);
}

// Open, save, templates and printing, with the texts kept for recovery and the bar that tells of them.
void MainWindow::createDocumentCommands()
{
    DocumentControls documents;
    documents.window = this;
    documents.code = m_codePane;
    documents.messages = m_messagePane;
    documents.mirror = m_mirrorPane;
    documents.editorArea = m_editorArea;
    documents.refresh = m_refresh;
    documents.session = m_session;
    m_shownPage = std::make_unique<PreviewShownPage>(m_preview);
    documents.page = m_shownPage.get();
    documents.pageTitle = [this] { return m_titleBar->panelText(0); };
    m_recoveryStore = std::make_unique<RecoveryStore>();
    m_recovery = new RecoveryKeeper(
        m_recoveryStore.get(), [this] { return m_codePane->text(); }, m_session, this);
    // Above everything else in the frame, hidden until there is a text to tell of.
    m_recoveryNotice = new RecoveryNotice(m_frame);
    dockInto(m_frame, m_recoveryNotice, DockAlign::Top);
    dockLayoutOf(m_frame)->placeFirst(m_recoveryNotice);
    m_files = new FileCommands(documents, this);
    m_templates = new TemplateCommands(documents, this);
    m_printing = new PrintCommands(documents, this);
}

void MainWindow::buildAddressRow()
{
    m_addressRow = makePanel(QStringLiteral("Panel11"), m_frame, 29, ProgramColours::PaleBlue);
    m_homeButton = makeIconButton(QStringLiteral("SpeedButton1"), Pictures::homeIcon(), BrowsingCommand::Home,
                                  33, m_addressRow);
    m_backButton = makeIconButton(QStringLiteral("SpeedButton2"), Pictures::backIcon(), BrowsingCommand::Back,
                                  32, m_addressRow);
    m_forwardButton = makeIconButton(QStringLiteral("SpeedButton3"), Pictures::forwardIcon(),
                                     BrowsingCommand::Forward, 32, m_addressRow);
    m_reloadButton = makeIconButton(QStringLiteral("SpeedButton4"), Pictures::reloadIcon(),
                                    BrowsingCommand::Reload, 29, m_addressRow);
    m_goButton = makeIconButton(QStringLiteral("SpeedButton5"), Pictures::goIcon(), BrowsingCommand::Go, 35,
                                m_addressRow);
    m_addressBar = new AddressBar(m_session, m_addressRow);
    m_addressBar->setObjectName(QStringLiteral("Edit1"));
    m_addressBar->setAccessibleName(QStringLiteral("Διεύθυνση"));
    m_addressBar->setFont(Fonts::pixels(15, true));
    QPalette pal = m_addressBar->palette();
    pal.setColor(QPalette::Base, colourFromBgr(ProgramColours::NearWhite));
    pal.setColor(QPalette::Text, colourFromBgr(ProgramColours::Teal));
    m_addressBar->setPalette(pal);
    // Later left-docked buttons take the left end: dock them from the rightmost to the leftmost.
    for (QWidget *w : {static_cast<QWidget *>(m_forwardButton), static_cast<QWidget *>(m_backButton),
                       static_cast<QWidget *>(m_homeButton)})
        dockInto(m_addressRow, w, DockAlign::Left);
    dockInto(m_addressRow, m_reloadButton, DockAlign::Right);
    dockInto(m_addressRow, m_goButton, DockAlign::Right);
    dockInto(m_addressRow, m_addressBar, DockAlign::Fill);
    dockInto(m_frame, m_addressRow, DockAlign::Top);
}

void MainWindow::buildBrowserStrip()
{
    m_browserStrip = makePanel(QStringLiteral("Panel12"), m_frame, 23);
    m_titleBar =
        new StatusPanels({{680, Qt::AlignLeft, false, QStringLiteral("Τίτλος σελίδας")}}, m_browserStrip);
    m_titleBar->setObjectName(QStringLiteral("StatusBar1"));
    m_progressBar = new QProgressBar(m_browserStrip);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setAccessibleName(QStringLiteral("Πρόοδος"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setStyleSheet(QStringLiteral("QProgressBar { background: %1; border: 1px solid %2; }"
                                                "QProgressBar::chunk { background: %3; }")
                                     .arg(colourFromBgr(ProgramColours::Olive).name(),
                                          colourFromBgr(ProgramColours::DarkOlive).name(),
                                          colourFromBgr(ProgramColours::Teal).name()));
    m_progressBar->resize(153, 23);
    m_progressLabel = new QLabel(QStringLiteral("0"), m_browserStrip);
    m_progressLabel->setObjectName(QStringLiteral("Label1"));
    // Named for a screen reader, which reads the number it shows as its description.
    m_progressLabel->setAccessibleName(QStringLiteral("Ποσοστό προόδου"));
    m_progressLabel->setAccessibleDescription(m_progressLabel->text());
    m_progressLabel->setAlignment(Qt::AlignCenter);
    m_progressLabel->resize(32, 23);
    dockInto(m_browserStrip, m_progressBar, DockAlign::Right);
    dockInto(m_browserStrip, m_progressLabel, DockAlign::Right);
    dockInto(m_browserStrip, m_titleBar, DockAlign::Fill);
    dockInto(m_frame, m_browserStrip, DockAlign::Bottom);
}

void MainWindow::buildEditorArea()
{
    m_editorArea = makePanel(QStringLiteral("Panel9"), m_frame, 357);
    m_toolbarArea = makePanel(QStringLiteral("Panel2"), m_editorArea, 152, ProgramColours::LightGrey);
    const char *rowNames[7] = {"Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel13", "Panel14"};
    for (size_t i = 0; i < m_toolbarRows.size(); ++i) {
        m_toolbarRows[i] = makePanel(QString::fromLatin1(rowNames[i]), m_toolbarArea, 22);
        dockInto(m_toolbarArea, m_toolbarRows[i], DockAlign::Top);
    }
    m_tagToolbars = new TagToolbars(QList<QWidget *>(m_toolbarRows.begin(), m_toolbarRows.end()), this);

    m_codePane = new CodePane(m_editorArea);
    m_codePane->setObjectName(QStringLiteral("RichEdit1"));
    m_codePane->setAccessibleName(QStringLiteral("Κώδικας HTML"));
    m_codePane->setFont(Fonts::points(11));

    m_lowerStrip = makePanel(QStringLiteral("Panel10"), m_editorArea, 18);
    m_documentStatus =
        new StatusPanels({{170, Qt::AlignHCenter, true, QStringLiteral("Αριθμός γραμμών")},
                          {200, Qt::AlignHCenter, false, QStringLiteral("Αριθμός χαρακτήρων")},
                          {200, Qt::AlignHCenter, false, QStringLiteral("Αριθμός Εντολών HTML")},
                          {caretPanelWidth(), Qt::AlignLeft, false, QStringLiteral("Θέση δρομέα")}},
                         m_lowerStrip);
    m_documentStatus->setObjectName(QStringLiteral("StatusBar2"));
    dockInto(m_lowerStrip, m_documentStatus, DockAlign::Fill);
    m_graphicalSwitch = new QCheckBox(this);
    m_graphicalSwitch->setObjectName(QStringLiteral("CheckBox1"));
    m_graphicalSwitch->resize(485, 14);

    m_messagePane = new CodePane(m_editorArea);
    m_messagePane->setObjectName(QStringLiteral("RichEdit2"));
    m_messagePane->setAccessibleName(QStringLiteral("Μηνύματα"));
    // The program writes the messages afresh at every refresh: there is nothing to undo there.
    m_messagePane->setUndoRedoEnabled(false);
    m_messagePane->setFont(Fonts::points(10));
    m_messagePane->resize(m_messagePane->width(), MessagePaneHeight);
    m_messageSplitter = new DockSplitter(m_editorArea);
    m_messageSplitter->setObjectName(QStringLiteral("Splitter1"));
    // The message pane keeps its usual height for a line or two of warnings; the code pane a few lines.
    m_messageSplitter->setMinimumHeights(MessagePaneHeight, 60);

    dockInto(m_editorArea, m_toolbarArea, DockAlign::Top);
    dockInto(m_editorArea, m_lowerStrip, DockAlign::Bottom);
    m_attributeBar = new AttributeBar(m_editorArea, m_session, this);
    dockInto(m_editorArea, m_messagePane, DockAlign::Bottom);
    dockInto(m_editorArea, m_messageSplitter, DockAlign::Bottom);
    dockInto(m_editorArea, m_codePane, DockAlign::Fill);
    dockInto(m_frame, m_editorArea, DockAlign::Bottom);
}

void MainWindow::setCompanions(QWidget *startupWindow, ValuePopup *valuePopup, TagTip *tagTip)
{
    m_startupWindow = startupWindow;
    m_valuePopup = valuePopup;
    m_tagTip = tagTip;
    m_valueAssistant->setPopup(m_valuePopup);
}

void MainWindow::setScreenSizeOverride(const QSize &size)
{
    m_screenOverride = size;
}

QSize MainWindow::screenSize() const
{
    if (m_screenOverride.isValid())
        return m_screenOverride;
    return screen() ? screen()->geometry().size() : QSize(1366, 768);
}

bool MainWindow::editingMode() const
{
    return m_session->isEditing();
}

void MainWindow::insertAndRefresh(const QString &text)
{
    m_refresh->insertAndRefresh(text);
}

void MainWindow::layoutTagWidths()
{
    m_tagToolbars->layoutWidths(frameGeometry().width());
}
