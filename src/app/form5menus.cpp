// The main window's menus: the main menu with its items, the code pane's context menu, the toolbox menu and
// the views of the "Προτιμήσεις" menu.
#include "app/form5.h"
#include "app/toolboxcaptions.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"

#include <QCheckBox>
#include <QLineEdit>
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
    N4 = addItem(N1, "N4", QStringLiteral("Έξοδος"));

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

    QMenu *temp1 = addMenu(MainMenu1, "temp1", QStringLiteral("Προτιμήσεις"));
    connect(addItem(temp1, "Browser1", QStringLiteral("Ορατός μόνο ο Browser")), &QAction::triggered, this,
            &TForm5::Browser1Click);
    connect(addItem(temp1, "htmleditor1", QStringLiteral("Ορατός μόνο ο html editor")), &QAction::triggered,
            this, &TForm5::htmleditor1Click);
    connect(addItem(temp1, "N40", QStringLiteral("Επαναφορά στην Αρχική φόρμα")), &QAction::triggered, this,
            &TForm5::N40Click);

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
    connect(addItem(PopupMenu1, "N36", QStringLiteral("Αναίρεση")), &QAction::triggered, RichEdit1,
            &CodePane::undo);
    connect(addItem(PopupMenu1, "N21", QStringLiteral("Αποκοπή")), &QAction::triggered, RichEdit1,
            &CodePane::cut);
    connect(addItem(PopupMenu1, "N22", QStringLiteral("Αντιγραφή")), &QAction::triggered, RichEdit1,
            &CodePane::copy);
    connect(addItem(PopupMenu1, "N23", QStringLiteral("Επικόλληση")), &QAction::triggered, this,
            [this] { refreshCycle()->pasteAndRefresh(); });
    connect(addItem(PopupMenu1, "N24", QStringLiteral("Επιλογή όλων")), &QAction::triggered, RichEdit1,
            &CodePane::selectAll);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &CodePane::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(RichEdit1->mapToGlobal(pos)); });
}

void TForm5::toolboxRowClick(int row)
{
    QWidget *panel = toolbarRows[size_t(row)];
    const int rowHeight = panel->height();
    if (toolboxItems[size_t(row)]->text() == toolboxRowCaption(row, true)) {
        panel->hide();
        Panel2->resize(Panel2->width(), Panel2->height() - rowHeight);
    } else {
        panel->show();
        Panel2->resize(Panel2->width(), Panel2->height() + rowHeight);
    }
    applyToolboxCaptions(false);
}

void TForm5::N25Click()
{
    const bool hideAll = toolboxItems[7]->text() == toolboxHideAllCaption();
    int sum = 0;
    for (QWidget *row : toolbarRows) {
        row->setVisible(!hideAll);
        sum += row->height();
    }
    Panel2->resize(Panel2->width(), hideAll ? 0 : sum);
    applyToolboxCaptions(true);
}

void TForm5::applyToolboxCaptions(bool afterAllClick)
{
    std::array<bool, 7> visible{};
    for (size_t i = 0; i < visible.size(); ++i)
        visible[i] = !toolbarRows[i]->isHidden();
    const QString currentAll = toolboxItems[7]->isSeparator() ? QString() : toolboxItems[7]->text();
    const ToolboxCaptions captions = applyToolboxCaptionRule(visible, currentAll, afterAllClick);
    for (size_t i = 0; i < 7; ++i) {
        toolboxItems[i]->setSeparator(false);
        toolboxItems[i]->setText(captions.rows[i]);
    }
    toolboxItems[7]->setSeparator(false);
    toolboxItems[7]->setText(captions.all);
}

void TForm5::Browser1Click()
{
    DockLayout *layout = dockLayoutOf(Panel8);
    for (QWidget *w : {Panel1, Panel11, Panel12, Panel9, static_cast<QWidget *>(Splitter6)})
        layout->dock(w, DockAlign::None);
    Panel9->resize(Panel9->width(), frameGeometry().height() - 210);
    Panel9->hide();
    Splitter6->hide();
    layout->dock(Panel12, DockAlign::Bottom);
    Panel12->show();
    layout->dock(Panel1, DockAlign::Fill);
    Panel1->show();
    layout->dock(Panel11, DockAlign::Top);
    Panel11->show();
}

void TForm5::htmleditor1Click()
{
    DockLayout *layout = dockLayoutOf(Panel8);
    for (QWidget *w : {Panel1, Panel11, Panel12, Panel9, static_cast<QWidget *>(Splitter6)})
        layout->dock(w, DockAlign::None);
    layout->dock(Panel12, DockAlign::Top);
    Panel12->show();
    layout->dock(Splitter6, DockAlign::Bottom);
    Splitter6->show();
    Panel9->resize(Panel9->width(), frameGeometry().height() - 210);
    layout->dock(Panel9, DockAlign::Fill);
    Panel9->show();
    Panel1->hide();
    Panel11->hide();
    RichEdit1->viewport()->update();
    if (!editingMode())
        CheckBox1->setChecked(false);
}

void TForm5::N40Click()
{
    DockLayout *layout = dockLayoutOf(Panel8);
    for (QWidget *w : {Panel1, Panel11, Panel12, Panel9, static_cast<QWidget *>(Splitter6)})
        layout->dock(w, DockAlign::None);
    Panel9->resize(Panel9->width(), frameGeometry().height() - 210);
    layout->dock(Panel9, DockAlign::Bottom);
    Panel9->show();
    layout->dock(Panel12, DockAlign::Bottom);
    Panel12->show();
    // The drag bar goes directly above the editor area.
    layout->dock(Splitter6, DockAlign::Bottom);
    layout->placeAfter(Splitter6, Panel9);
    Splitter6->show();
    layout->dock(Panel1, DockAlign::Fill);
    Panel1->show();
    layout->dock(Panel11, DockAlign::Top);
    Panel11->show();
    if (!editingMode())
        CheckBox1->setChecked(false);
    RichEdit1->viewport()->update();
}
