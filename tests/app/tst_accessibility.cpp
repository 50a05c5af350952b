// Every window as a screen reader sees it: each control it can reach has a Greek name and offers its action,
// and the main actions work through the accessibility action interface, with no mouse involved.
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "assist/core/valuelists.h"
#include "assist/valuepopup.h"
#include "entermainwindow.h"
#include "help/aboutwindow.h"
#include "help/contactwindow.h"
#include "help/helppane.h"
#include "help/presentationwindow.h"
#include "mainwindowparts.h"
#include "messagecatcher.h"
#include "palette/tagtip.h"
#include "palette/tagtoolbars.h"
#include "widgettestmain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextCursor>
#include <QtTest>
#include <memory>

namespace {

bool hasGreekLetter(const QString &text)
{
    static const QRegularExpression greek(QStringLiteral("[\\x{0370}-\\x{03FF}\\x{1F00}-\\x{1FFF}]"));
    return text.contains(greek);
}

// Captions that are HTML code, shown and inserted as they stand: tag captions ("<TABLE>", "</TD>", "<! --",
// "-->") and attribute captions ("border=\"\"", "sortable"), which are the attribute bar's buttons.
bool isCodeCaption(QAccessibleInterface *node, const QString &name)
{
    if (name.startsWith(u'<') || name.endsWith(QLatin1String("-->")) || name.contains(u'='))
        return true;
    QObject *object = node->object();
    QObject *parent = object ? object->parent() : nullptr;
    return parent && parent->objectName().compare(QLatin1String("panel15"), Qt::CaseInsensitive) == 0 &&
           node->role() == QAccessible::Button;
}

// Captions that are international words the program shows as they stand: the "Unicode" and "Clipboard" menu
// items and the presentation's "  - Clipboard" entry.
bool isFixedWord(const QString &name)
{
    QString word = name;
    while (word.startsWith(u'-') || word.startsWith(u' '))
        word.remove(0, 1);
    return word == QLatin1String("Unicode") || word == QLatin1String("Clipboard");
}

// The action a control of this role must offer, or an empty string when typing or reading is its use.
QStringList expectedActions(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
        return {QAccessibleActionInterface::pressAction()};
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
        return {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()};
    case QAccessible::ComboBox:
        return {QAccessibleActionInterface::showMenuAction(), QAccessibleActionInterface::pressAction()};
    case QAccessible::ButtonMenu:
    case QAccessible::MenuItem:
        return {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::showMenuAction()};
    default:
        return {};
    }
}

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::ButtonMenu:
    case QAccessible::MenuItem:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ListItem:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface *node)
{
    QObject *object = node->object();
    return QStringLiteral("%1 '%2' (role %3)")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName()
                    : QStringLiteral("item"),
             node->text(QAccessible::Name))
        .arg(int(node->role()));
}

// Walks the tree under `node` and lists each shown control that lacks a Greek name or its action.
void audit(QAccessibleInterface *node, QStringList &problems, int depth = 0)
{
    if (!node || depth > 60 || node->state().invisible)
        return;
    const QAccessible::Role role = node->role();
    // Whatever takes the keyboard is a control too, whatever its role.
    if (isInteractive(role) || node->state().focusable) {
        const QString name = node->text(QAccessible::Name).trimmed();
        if (name.isEmpty() || !(hasGreekLetter(name) || isCodeCaption(node, name) || isFixedWord(name)))
            problems << QStringLiteral("no Greek name: ") + describe(node);
        const QStringList wanted = expectedActions(role);
        if (!wanted.isEmpty()) {
            QAccessibleActionInterface *actions = node->actionInterface();
            const QStringList offered = actions ? actions->actionNames() : QStringList();
            bool found = false;
            for (const QString &action : wanted)
                found = found || offered.contains(action);
            if (!found)
                problems << QStringLiteral("no action: ") + describe(node);
        }
    }
    // Inside a web view is the page shown, written by the pupil or by a website, not the program's controls.
    if (node->object() && node->object()->inherits("QWebEngineView"))
        return;
    for (int i = 0; i < node->childCount(); ++i)
        audit(node->child(i), problems, depth + 1);
}

QStringList auditWindow(QWidget *window)
{
    QStringList problems;
    audit(QAccessible::queryAccessibleInterface(window), problems);
    return problems;
}

// Whether a screen reader reads `text` from the node: as its name, description or value, or as its text.
bool readsText(QAccessibleInterface *node, const QString &text)
{
    if (text.isEmpty())
        return true;
    for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        if (node->text(kind).contains(text))
            return true;
    QAccessibleTextInterface *textInterface = node->textInterface();
    return textInterface && textInterface->text(0, textInterface->characterCount()).contains(text);
}

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

void doAction(QObject *object, const QString &action)
{
    QAccessibleInterface *node = accessibleOf(object);
    QVERIFY(node && node->actionInterface());
    QVERIFY2(node->actionInterface()->actionNames().contains(action), qPrintable(action));
    node->actionInterface()->doAction(action);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startupWindowIsNamedAndEntersByAction()
    {
        ProgramWindows windows;
        windows.start();
        QVERIFY(QTest::qWaitForWindowExposed(windows.startupWindow()));
        const QStringList problems = auditWindow(windows.startupWindow());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

        doAction(windows.startupWindow()->acceptItem(), QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(windows.startupWindow()->enterButton()->text(), QStringLiteral("Είσοδος"));
        doAction(windows.startupWindow()->enterButton(), QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(windows.mainWindow()->isVisible());
    }

    void mainWindowControlsAreNamed()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        // A tag button fills the attribute bar; an Events menu item adds its box.
        f->findChild<QToolButton *>(QStringLiteral("SpeedButton55"))->click();
        p.menuItem("N28")->trigger();
        QVERIFY(p.currentBar() && p.currentBar()->isVisible());

        QStringList problems = auditWindow(f);
        problems << auditWindow(p.codeMenu);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void statusTextsAreNamed()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        QList<QWidget *> texts{p.progressLabel};
        for (StatusPanels *bar : {p.titleBar, p.documentStatus})
            for (int i = 0; bar->panelLabel(i); ++i)
                texts << bar->panelLabel(i);
        for (QWidget *text : texts) {
            QAccessibleInterface *node = accessibleOf(text);
            QVERIFY(node);
            QVERIFY2(hasGreekLetter(node->text(QAccessible::Name)), qPrintable(describe(node)));
            QVERIFY2(readsText(node, static_cast<QLabel *>(text)->text()), qPrintable(describe(node)));
        }
    }

    void imagesPressThroughTheirAction()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        // The logo opens the maker's website in the system's browser: only its action is looked at here.
        for (ClickableImage *image : {p.makerLogo, p.onlineIndicator, p.offlineIndicator}) {
            QAccessibleInterface *node = accessibleOf(image);
            QCOMPARE(node->role(), QAccessible::Button);
            QVERIFY(
                node->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        MessageCatcher messages;
        doAction(p.offlineIndicator, QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(messages.texts(),
                     QStringList{QStringLiteral("Ο Υπολογιστής δεν είναι συνδεδεμένος στο Internet")});
    }

    void tagButtonPressInsertsItsTag()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        p.codePane->setSelectionStart(p.codePane->lineIndex(7) + 8);
        auto *table = windows->mainWindow()->findChild<QToolButton *>(QStringLiteral("SpeedButton55"));
        // The description the tip shows on hovering is read out with the button.
        QVERIFY(hasGreekLetter(accessibleOf(table)->text(QAccessible::Description)));
        doAction(table, QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(p.codePane->line(7), QStringLiteral("  <BODY><TABLE>"));
        QTRY_VERIFY(p.currentBar() && p.currentBar()->isVisible());
    }

    void switchToggleRunsItsRefresh()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        QVERIFY(p.graphicalSwitch->isChecked());
        const QString onCaption = p.graphicalSwitch->text();
        // The welcome document's first tag is painted while the switch is ticked; its refresh unpaints it.
        const QColor painted = p.codePane->formatAt(1).foreground().color();
        doAction(p.graphicalSwitch, QAccessibleActionInterface::toggleAction());
        QTRY_VERIFY(!p.graphicalSwitch->isChecked());
        QVERIFY(p.graphicalSwitch->text() != onCaption);
        QVERIFY(p.codePane->formatAt(1).foreground().color() != painted);
        QVERIFY(hasGreekLetter(accessibleOf(p.graphicalSwitch)->text(QAccessible::Name)));
    }

    void eventBoxItemIsChosenByAction()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.codePane->setSelectionStart(p.codePane->lineIndex(7) + 7);
        p.menuItem("N28")->trigger();
        QComboBox *box = nullptr;
        QTRY_VERIFY((box = p.currentBar()->findChild<QComboBox *>()) != nullptr);
        QVERIFY(box->count() > 0);
        const QString first = box->itemText(0);
        QAccessibleInterface *node = accessibleOf(box);
        // The box opens through its action; its first item is chosen through the item's own action.
        const QStringList names = node->actionInterface()->actionNames();
        node->actionInterface()->doAction(names.contains(QAccessibleActionInterface::showMenuAction())
                                              ? QAccessibleActionInterface::showMenuAction()
                                              : QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(box->view()->isVisible());
        QAccessibleInterface *list = accessibleOf(box->view());
        QVERIFY(list && list->childCount() > 0);
        QAccessibleInterface *item = nullptr;
        for (int i = 0; i < list->childCount() && !item; ++i)
            if (list->child(i)->text(QAccessible::Name) == first)
                item = list->child(i);
        QVERIFY(item && item->actionInterface());
        const QStringList itemActions = item->actionInterface()->actionNames();
        QVERIFY2(!itemActions.isEmpty(), "the item offers no action");
        item->actionInterface()->doAction(itemActions.first());
        QTRY_VERIFY(p.codePane->line(7).contains(first));
    }

    // A screen reader or a magnifier asks where a character of the code pane is: the answer is where the pane
    // shows it now, at the top of a long document and after scrolling down, and the point found there leads
    // back to the same character.
    void codePaneCharactersFollowTheScroll_data()
    {
        QTest::addColumn<double>("scrolled");
        QTest::newRow("not scrolled") << 0.0;
        QTest::newRow("halfway down") << 0.5;
        QTest::newRow("at the end") << 1.0;
    }

    void codePaneCharactersFollowTheScroll()
    {
        QFETCH(double, scrolled);
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        QStringList lines;
        for (int i = 0; i < 400; ++i)
            lines << QStringLiteral("<P>γραμμή %1 του κειμένου</P>").arg(i);
        p.codePane->setDocumentText(lines.join(u'\n'));
        QScrollBar *bar = p.codePane->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 100);
        bar->setValue(qRound(bar->maximum() * scrolled));
        QCOMPARE(bar->value(), qRound(bar->maximum() * scrolled));

        QAccessibleTextInterface *text = accessibleOf(p.codePane)->textInterface();
        QVERIFY(text);
        QWidget *viewport = p.codePane->viewport();
        const QRect shown(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
        // The sixth character of the line in the middle of the pane.
        QTextCursor cursor = p.codePane->cursorForPosition(QPoint(4, viewport->height() / 2));
        cursor.movePosition(QTextCursor::StartOfBlock);
        const int offset = cursor.position() + 5;
        cursor.setPosition(offset);
        const QRect caret = p.codePane->cursorRect(cursor).translated(shown.topLeft());

        const QRect character = text->characterRect(offset);
        QVERIFY2(shown.contains(character), qPrintable(QStringLiteral("%1,%2 not in %3,%4 %5x%6")
                                                           .arg(character.x())
                                                           .arg(character.y())
                                                           .arg(shown.x())
                                                           .arg(shown.y())
                                                           .arg(shown.width())
                                                           .arg(shown.height())));
        QVERIFY(character.width() > 0 && character.height() > 0);
        QVERIFY2(qAbs(character.top() - caret.top()) <= 1,
                 qPrintable(QString::number(character.top() - caret.top())));
        QVERIFY2(qAbs(character.left() - caret.center().x()) <= 2,
                 qPrintable(QString::number(character.left() - caret.center().x())));
        QCOMPARE(text->offsetAtPoint(character.center()), offset);
        QCOMPARE(text->text(offset, offset + 1), p.codePane->toPlainText().mid(offset, 1));
    }

    // A screen reader that sets the whole text of the code pane makes one step of the pupil's history, which
    // Ctrl+Z takes back, instead of wiping the history.
    void codePaneTextSetByAScreenReaderCanBeUndone()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        MainWindowParts p(windows->mainWindow());
        const QString before = p.codePane->text();
        accessibleOf(p.codePane)->setText(QAccessible::Value, QStringLiteral("<P>νέο</P>"));
        QCOMPARE(p.codePane->toPlainText(), QStringLiteral("<P>νέο</P>"));
        p.codePane->setFocus();
        QTest::keyClick(p.codePane, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.codePane->text(), before);
    }

    void valuePopupAndTipAreNamed()
    {
        auto windows = enterMainWindow();
        QVERIFY(windows);
        ValuePopup *popup = windows->valuePopup();
        popup->offer({ValueLists::byName(QStringLiteral("stix"))}, QPoint(300, 300));
        QTRY_VERIFY(popup->isVisible());
        QStringList problems = auditWindow(popup);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));

        Q_EMIT windows->mainWindow()->tagToolbars()->tagHovered(QStringLiteral("<TABLE>"));
        QTRY_VERIFY(windows->tagTip()->isVisible());
        QAccessibleInterface *tip = accessibleOf(windows->tagTip()->descriptionLabel());
        QVERIFY(hasGreekLetter(tip->text(QAccessible::Name)));
        problems = auditWindow(windows->tagTip());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void helpWindowsAreNamed()
    {
        ProgramWindows windows;
        windows.contactWindow()->showContact(false);
        windows.presentationWindow()->show();
        windows.aboutWindow()->show();
        for (QWidget *window : {static_cast<QWidget *>(windows.contactWindow()),
                                static_cast<QWidget *>(windows.presentationWindow()),
                                static_cast<QWidget *>(windows.aboutWindow())}) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QStringList problems = auditWindow(window);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        }
        // A topic of the presentation is chosen through its entry's action.
        QAccessibleInterface *list = accessibleOf(windows.presentationWindow()->topicList());
        QVERIFY(list->childCount() > 1);
        QAccessibleInterface *entry = list->child(1);
        QVERIFY(entry->actionInterface());
        entry->actionInterface()->doAction(entry->actionInterface()->actionNames().first());
        QTRY_VERIFY(!windows.presentationWindow()->explanationPane()->toPlainText().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    registerPreviewScheme();
    QApplication app(argc, argv);
    setUpApplication(app);
    QAccessible::setActive(true);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
