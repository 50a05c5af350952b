// The main window's menus as they are built: the main menu with its items and the code pane's context menu.
// What the items do is connected in one place (form5signals.cpp).
#include "app/mainwindow.h"
#include "editor/codepane.h"

#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem
{
    const char *name;
    const char *caption;
};

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

void addItems(QMenu *menu, std::initializer_list<MenuItem> items)
{
    for (const MenuItem &item : items)
        addItem(menu, item.name, QString::fromUtf8(item.caption));
}

} // namespace

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *fileMenu = addMenu(bar, "N1", QStringLiteral("Αρχείο"));
    // The usual keys of a desktop program: Ctrl+O, Ctrl+S, Ctrl+P (the page, through its print preview) and
    // Ctrl+Q, which not every desktop's key scheme has for quitting.
    addItem(fileMenu, "N2", QStringLiteral("Άνοιγμα Ιστοσελίδας"), QKeySequence::Open);
    addItem(fileMenu, "N26", QStringLiteral("Άνοιγμα και προβολή μόνο κώδικα"))->setVisible(false);
    addItem(fileMenu, "N3", QStringLiteral("Αποθήκεση Ιστοσελίδας"), QKeySequence::Save);
    addItem(fileMenu, "N18", QStringLiteral("Εκτύπωση Ιστοσελίδας"), QKeySequence::Print);
    addItem(fileMenu, "HTML2", QStringLiteral("Εκτύπωση Κώδικα HTML"));
    addItem(fileMenu, "recoverText", QStringLiteral("Ανάκτηση Κειμένου…"));
    addItem(fileMenu, "N4", QStringLiteral("Έξοδος"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    // F5 has no menu item: it refreshes the preview of the document, or reloads the web page shown.
    m_refreshKey = new QAction(QStringLiteral("Ανανέωση"), this);
    m_refreshKey->setObjectName(QStringLiteral("refreshKey"));
    m_refreshKey->setShortcut(Qt::Key_F5);
    addAction(m_refreshKey);

    QMenu *templateMenu = addMenu(bar, "N7", QStringLiteral("Πρότυπα"));
    addItems(templateMenu, {{"HTML1", "Απλό HTML Έγγραφο"},
                            {"N210", "Εργασία_1 -Μυθολογία"},
                            {"N39", "Εργασία_2 - Η Αλγοριθμική"}});

    QMenu *toolboxMenu = addMenu(bar, "N8", QStringLiteral("Εργαλειοθήκη"));
    const char *toolboxNames[8] = {"N9", "N10", "N11", "N12", "N13", "N14", "N20", "N25"};
    for (size_t i = 0; i < m_toolboxItems.size(); ++i) {
        // Designed as separators; the first showing of the window gives them their captions.
        m_toolboxItems[i] = addItem(toolboxMenu, toolboxNames[i], QString());
        m_toolboxItems[i]->setSeparator(true);
    }

    QMenu *encodingMenu = addMenu(bar, "N15", QStringLiteral("Κωδικοποίηση"));
    addItems(encodingMenu, {{"N16", "Ελληνική"}, {"N17", "Λατινική"}, {"Unicode1", "Unicode"}});

    QMenu *eventMenu = addMenu(bar, "N27", QStringLiteral("Γεγονότα"));
    addItems(eventMenu, {{"N28", "Παραθυρικά"},
                         {"N29", "Φόρμας"},
                         {"N30", "Πληκτρολογίου"},
                         {"N31", "Ποντικιού"},
                         {"Clipboard1", "Clipboard"},
                         {"N32", "Πολυμεσικά"},
                         {"N33", "Διάφορα"}});

    // `temp1`: the "Προτιμήσεις" menu of the three views (its name was never given a meaning of its own).
    QMenu *viewMenu = addMenu(bar, "temp1", QStringLiteral("Προτιμήσεις"));
    addItem(viewMenu, "Browser1", QStringLiteral("Ορατός μόνο ο Browser"));
    addItem(viewMenu, "htmleditor1", QStringLiteral("Ορατός μόνο ο html editor"));
    addItem(viewMenu, "N40", QStringLiteral("Επαναφορά στην Αρχική φόρμα"));

    QMenu *helpMenu = addMenu(bar, "N5", QStringLiteral("Βοήθεια"));
    addItems(helpMenu, {{"N6", "Σχετικά με τον Velmark Html Editor - Browser"},
                        {"N35", "Παρουσίαση Προγράμματος"},
                        {"Skolvik1", "Εκπαιδευτική ιστοσελίδα Skolvik"},
                        {"Sch1", "Εκπαιδευτική ιστοσελίδα στο ΠΣΔ"},
                        {"N38", "Ιστοσελίδα Οργάνωσης Μαθημάτων"},
                        {"N37", "Επικοινωνία"}});
}

void MainWindow::buildPopupMenu()
{
    m_codeMenu = new QMenu(this);
    m_codeMenu->setObjectName(QStringLiteral("PopupMenu1"));
    // The keys are the code pane's own (Ctrl+Y redoes there too); the menu shows them beside its items.
    addItem(m_codeMenu, "N36", QStringLiteral("Αναίρεση"), QKeySequence::Undo);
    addItem(m_codeMenu, "N21", QStringLiteral("Αποκοπή"), QKeySequence::Cut);
    addItem(m_codeMenu, "N22", QStringLiteral("Αντιγραφή"), QKeySequence::Copy);
    addItem(m_codeMenu, "N23", QStringLiteral("Επικόλληση"), QKeySequence::Paste);
    addItem(m_codeMenu, "N24", QStringLiteral("Επιλογή όλων"), QKeySequence::SelectAll);
    m_codePane->setContextMenuPolicy(Qt::CustomContextMenu);
}
