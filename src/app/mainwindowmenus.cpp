// The main window's menus as they are built: the main menu with its items and the code pane's context menu.
// Each item that does something is kept in `m_menu` as it is made; what it does is connected in one place
// (mainwindowsignals.cpp).
#include "app/mainwindow.h"
#include "assist/core/eventlists.h"
#include "editor/codepane.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

// An item of a menu; its shortcut, where it has one, is shown beside its caption.
QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *fileMenu = addMenu(bar, "N1", QStringLiteral("Αρχείο"));
    // The usual keys of a desktop program: Ctrl+O, Ctrl+S, Ctrl+P (the page, through its print preview) and
    // Ctrl+Q, which not every desktop's key scheme has for quitting.
    m_menu.openPage = addItem(fileMenu, "N2", QStringLiteral("Άνοιγμα Ιστοσελίδας"), QKeySequence::Open);
    m_menu.openCodeOnly = addItem(fileMenu, "N26", QStringLiteral("Άνοιγμα και προβολή μόνο κώδικα"));
    m_menu.openCodeOnly->setVisible(false);
    m_menu.savePage = addItem(fileMenu, "N3", QStringLiteral("Αποθήκεση Ιστοσελίδας"), QKeySequence::Save);
    m_menu.printPage = addItem(fileMenu, "N18", QStringLiteral("Εκτύπωση Ιστοσελίδας"), QKeySequence::Print);
    m_menu.printCode = addItem(fileMenu, "HTML2", QStringLiteral("Εκτύπωση Κώδικα HTML"));
    m_menu.recoverText = addItem(fileMenu, "recoverText", QStringLiteral("Ανάκτηση Κειμένου…"));
    m_menu.exit = addItem(fileMenu, "N4", QStringLiteral("Έξοδος"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    // F5 has no menu item: it refreshes the preview of the document, or reloads the web page shown.
    m_refreshKey = new QAction(QStringLiteral("Ανανέωση"), this);
    m_refreshKey->setObjectName(QStringLiteral("refreshKey"));
    m_refreshKey->setShortcut(Qt::Key_F5);
    addAction(m_refreshKey);

    QMenu *templateMenu = addMenu(bar, "N7", QStringLiteral("Πρότυπα"));
    m_menu.simplePage = addItem(templateMenu, "HTML1", QStringLiteral("Απλό HTML Έγγραφο"));
    m_menu.mythologyAssignment = addItem(templateMenu, "N210", QStringLiteral("Εργασία_1 -Μυθολογία"));
    m_menu.algorithmicsAssignment = addItem(templateMenu, "N39", QStringLiteral("Εργασία_2 - Η Αλγοριθμική"));

    QMenu *toolboxMenu = addMenu(bar, "N8", QStringLiteral("Εργαλειοθήκη"));
    const char *toolboxNames[8] = {"N9", "N10", "N11", "N12", "N13", "N14", "N20", "N25"};
    for (size_t i = 0; i < m_toolboxItems.size(); ++i) {
        // Separators until the first showing of the window gives them their captions.
        m_toolboxItems[i] = addItem(toolboxMenu, toolboxNames[i], QString());
        m_toolboxItems[i]->setSeparator(true);
    }

    QMenu *encodingMenu = addMenu(bar, "N15", QStringLiteral("Κωδικοποίηση"));
    m_menu.greekCharset = addItem(encodingMenu, "N16", QStringLiteral("Ελληνική"));
    m_menu.latinCharset = addItem(encodingMenu, "N17", QStringLiteral("Λατινική"));
    m_menu.unicodeCharset = addItem(encodingMenu, "Unicode1", QStringLiteral("Unicode"));

    QMenu *eventMenu = addMenu(bar, "N27", QStringLiteral("Γεγονότα"));
    for (const EventGroup &group : EventLists::all()) {
        QAction *item = eventMenu->addAction(group.menuCaption);
        item->setObjectName(group.menuItem);
        m_menu.eventGroups.append(item);
    }

    // `temp1`: the "Προτιμήσεις" menu of the three views (its name was never given a meaning of its own).
    QMenu *viewMenu = addMenu(bar, "temp1", QStringLiteral("Προτιμήσεις"));
    m_menu.browserOnly = addItem(viewMenu, "Browser1", QStringLiteral("Ορατός μόνο ο Browser"));
    m_menu.editorOnly = addItem(viewMenu, "htmleditor1", QStringLiteral("Ορατός μόνο ο html editor"));
    m_menu.initialLayout = addItem(viewMenu, "N40", QStringLiteral("Επαναφορά στην Αρχική φόρμα"));

    QMenu *helpMenu = addMenu(bar, "N5", QStringLiteral("Βοήθεια"));
    m_menu.about = addItem(helpMenu, "N6", QStringLiteral("Σχετικά με τον Velmark Html Editor - Browser"));
    m_menu.presentation = addItem(helpMenu, "N35", QStringLiteral("Παρουσίαση Προγράμματος"));
    m_menu.skolvikSite = addItem(helpMenu, "Skolvik1", QStringLiteral("Εκπαιδευτική ιστοσελίδα Skolvik"));
    m_menu.schoolNetworkSite = addItem(helpMenu, "Sch1", QStringLiteral("Εκπαιδευτική ιστοσελίδα στο ΠΣΔ"));
    m_menu.lessonsSite = addItem(helpMenu, "N38", QStringLiteral("Ιστοσελίδα Οργάνωσης Μαθημάτων"));
    m_menu.contact = addItem(helpMenu, "N37", QStringLiteral("Επικοινωνία"));
}

void MainWindow::buildPopupMenu()
{
    m_codeMenu = new QMenu(this);
    m_codeMenu->setObjectName(QStringLiteral("PopupMenu1"));
    // The keys are the code pane's own (Ctrl+Y redoes there too); the menu shows them beside its items.
    m_menu.undo = addItem(m_codeMenu, "N36", QStringLiteral("Αναίρεση"), QKeySequence::Undo);
    m_menu.cut = addItem(m_codeMenu, "N21", QStringLiteral("Αποκοπή"), QKeySequence::Cut);
    m_menu.copy = addItem(m_codeMenu, "N22", QStringLiteral("Αντιγραφή"), QKeySequence::Copy);
    m_menu.paste = addItem(m_codeMenu, "N23", QStringLiteral("Επικόλληση"), QKeySequence::Paste);
    m_menu.selectAll = addItem(m_codeMenu, "N24", QStringLiteral("Επιλογή όλων"), QKeySequence::SelectAll);
    m_codePane->setContextMenuPolicy(Qt::CustomContextMenu);
}
