// The main window's menus as they are built: the main menu with its items and the code pane's context menu.
// What the items do is connected in one place (form5signals.cpp).
#include "app/form5.h"
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

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void addItems(QMenu *menu, std::initializer_list<MenuItem> items)
{
    for (const MenuItem &item : items)
        addItem(menu, item.name, QString::fromUtf8(item.caption));
}

} // namespace

void TForm5::buildMenus()
{
    QMenuBar *MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *N1 = addMenu(MainMenu1, "N1", QStringLiteral("Αρχείο"));
    addItem(N1, "N2", QStringLiteral("Άνοιγμα Ιστοσελίδας"));
    addItem(N1, "N26", QStringLiteral("Άνοιγμα και προβολή μόνο κώδικα"))->setVisible(false);
    addItems(N1, {{"N3", "Αποθήκεση Ιστοσελίδας"},
                  {"N18", "Εκτύπωση Ιστοσελίδας"},
                  {"HTML2", "Εκτύπωση Κώδικα HTML"}});
    addItem(N1, "recoverText", QStringLiteral("Ανάκτηση Κειμένου…"));
    addItem(N1, "N4", QStringLiteral("Έξοδος"));

    QMenu *N7 = addMenu(MainMenu1, "N7", QStringLiteral("Πρότυπα"));
    addItems(N7, {{"HTML1", "Απλό HTML Έγγραφο"},
                  {"N210", "Εργασία_1 -Μυθολογία"},
                  {"N39", "Εργασία_2 - Η Αλγοριθμική"}});

    QMenu *N8 = addMenu(MainMenu1, "N8", QStringLiteral("Εργαλειοθήκη"));
    const char *toolboxNames[8] = {"N9", "N10", "N11", "N12", "N13", "N14", "N20", "N25"};
    for (size_t i = 0; i < toolboxItems.size(); ++i) {
        // Designed as separators; the first showing of the window gives them their captions.
        toolboxItems[i] = addItem(N8, toolboxNames[i], QString());
        toolboxItems[i]->setSeparator(true);
    }

    QMenu *N15 = addMenu(MainMenu1, "N15", QStringLiteral("Κωδικοποίηση"));
    addItems(N15, {{"N16", "Ελληνική"}, {"N17", "Λατινική"}, {"Unicode1", "Unicode"}});

    QMenu *N27 = addMenu(MainMenu1, "N27", QStringLiteral("Γεγονότα"));
    addItems(N27, {{"N28", "Παραθυρικά"},
                   {"N29", "Φόρμας"},
                   {"N30", "Πληκτρολογίου"},
                   {"N31", "Ποντικιού"},
                   {"Clipboard1", "Clipboard"},
                   {"N32", "Πολυμεσικά"},
                   {"N33", "Διάφορα"}});

    // `temp1`: the "Προτιμήσεις" menu of the three views (its name was never given a meaning of its own).
    QMenu *temp1 = addMenu(MainMenu1, "temp1", QStringLiteral("Προτιμήσεις"));
    addItem(temp1, "Browser1", QStringLiteral("Ορατός μόνο ο Browser"));
    addItem(temp1, "htmleditor1", QStringLiteral("Ορατός μόνο ο html editor"));
    addItem(temp1, "N40", QStringLiteral("Επαναφορά στην Αρχική φόρμα"));

    QMenu *N5 = addMenu(MainMenu1, "N5", QStringLiteral("Βοήθεια"));
    addItems(N5, {{"N6", "Σχετικά με τον Velmark Html Editor - Browser"},
                  {"N35", "Παρουσίαση Προγράμματος"},
                  {"Skolvik1", "Εκπαιδευτική ιστοσελίδα Skolvik"},
                  {"Sch1", "Εκπαιδευτική ιστοσελίδα στο ΠΣΔ"},
                  {"N38", "Ιστοσελίδα Οργάνωσης Μαθημάτων"},
                  {"N37", "Επικοινωνία"}});
}

void TForm5::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addItems(PopupMenu1, {{"N36", "Αναίρεση"},
                          {"N21", "Αποκοπή"},
                          {"N22", "Αντιγραφή"},
                          {"N23", "Επικόλληση"},
                          {"N24", "Επιλογή όλων"}});
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
}
