// Gestures and keys a pupil uses without thinking, through the real window: the wheel over the attribute
// bar's boxes, every way of pasting, undo and redo of a whole text, the caret panel after insertions, and the
// usual keys of the menus.
#include "app/core/programtexts.h"
#include "app/mainwindow.h"
#include "editor/codepane.h"
#include "entermainwindow.h"
#include "mainwindowparts.h"
#include "widgettestmain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QtTest>

namespace {

QString tagCount(int count)
{
    return QStringLiteral("Αριθμός Εντολών HTML: %1").arg(count);
}

void turnWheel(QWidget *target, int delta)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

QToolButton *tagButton(MainWindow *window, const QString &caption)
{
    for (QToolButton *button : window->findChildren<QToolButton *>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

} // namespace

class KeysAndGesturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wheelOverClosedBoxesChangesNothing()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.codePane->setSelectionStart(p.codePane->lineIndex(7) + 8);
        tagButton(f, QStringLiteral("<TABLE>"))->click();
        p.menuItem("N31")->trigger();
        p.menuItem("N28")->trigger();
        const QString before = p.codePane->text();
        const QList<QComboBox *> boxes = p.currentBar()->findChildren<QComboBox *>();
        QCOMPARE(boxes.size(), 3);
        for (QComboBox *box : boxes) {
            for (QWidget *target : {static_cast<QWidget *>(box), static_cast<QWidget *>(box->lineEdit())})
                for (int delta : {-120, -120, 120, -120})
                    turnWheel(target, delta);
            QCOMPARE(box->currentIndex(), -1);
        }
        QCOMPARE(p.codePane->text(), before);

        // Opened and chosen from with the keyboard, a box still inserts its item.
        QComboBox *general = p.currentBar()->findChild<QComboBox *>(QStringLiteral("combo1"));
        QVERIFY(general);
        general->showPopup();
        QTRY_VERIFY(general->view()->isVisible());
        QTest::keyClick(general->view(), Qt::Key_Down);
        const QString chosen = general->view()->currentIndex().data().toString();
        QVERIFY(!chosen.isEmpty());
        QTest::keyClick(general->view(), Qt::Key_Return);
        QTRY_COMPARE(p.codePane->line(7), QStringLiteral("  <BODY><TABLE>") + chosen);
    }

    // Every way of pasting is the one paste, with its refresh: the tag count and the warnings follow, and
    // one undo takes back the paste with its refresh.
    void everyPasteRefreshes_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Ctrl+V") << "Ctrl+V";
        QTest::newRow("Shift+Insert") << "Shift+Insert";
        QTest::newRow("context menu") << "N23";
        QTest::newRow("dropped text") << "drop";
    }

    void everyPasteRefreshes()
    {
        QFETCH(QString, way);
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        p.codePane->setDocumentText(QStringLiteral("<P>a</P>"));
        QTest::mouseDClick(p.codePane->viewport(), Qt::LeftButton);
        QCOMPARE(p.documentStatus->panelText(2), tagCount(2));
        QVERIFY(p.messagePane->isHidden());
        const QString before = p.codePane->text();
        p.codePane->setSelectionStart(p.codePane->text().size());

        const QString pasted = QStringLiteral("<B>x");
        QApplication::clipboard()->setText(pasted);
        if (way == QLatin1String("Ctrl+V")) {
            QTest::keyClick(p.codePane, Qt::Key_V, Qt::ControlModifier);
        } else if (way == QLatin1String("Shift+Insert")) {
            QTest::keyClick(p.codePane, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (way == QLatin1String("N23")) {
            p.menuItem("N23")->trigger();
        } else {
            QMimeData data;
            data.setText(pasted);
            const QPoint end = p.codePane->cursorRect().center() + QPoint(40, 0);
            QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(p.codePane->viewport(), &enter);
            QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(p.codePane->viewport(), &move);
            QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(p.codePane->viewport(), &drop);
        }
        QCOMPARE(p.codePane->text(), before + pasted);
        QTRY_COMPARE(p.documentStatus->panelText(2), tagCount(3));
        QVERIFY(!p.messagePane->isHidden());
        QVERIFY(p.messagePane->toPlainText().contains(QStringLiteral("<B>")));

        p.menuItem("N36")->trigger();
        QCOMPARE(p.codePane->text(), before);
    }

    // Undo and redo of a template show the text they bring back in the preview and the counts, as the
    // template did when it came in.
    void undoAndRedoOfAWholeTextShowIt()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        constexpr int loadTimeout = 30000;
        const QString templateTitle = QStringLiteral("Η πρώτη μου ιστοσελίδα");
        QTRY_COMPARE_WITH_TIMEOUT(p.titleBar->panelText(0), ProgramTexts::authorCredit(), loadTimeout);
        const QString welcome = p.codePane->text();
        const QString welcomeCount = p.documentStatus->panelText(2);

        p.menuItem("HTML1")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(p.titleBar->panelText(0), templateTitle, loadTimeout);
        const QString templateText = p.codePane->text();
        const QString templateCount = p.documentStatus->panelText(2);
        QVERIFY(templateCount != welcomeCount);

        p.codePane->setFocus();
        QTest::keyClick(p.codePane, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.codePane->text(), welcome);
        QCOMPARE(p.documentStatus->panelText(2), welcomeCount);
        QTRY_COMPARE_WITH_TIMEOUT(p.titleBar->panelText(0), ProgramTexts::authorCredit(), loadTimeout);

        QTest::keyClick(p.codePane, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(p.codePane->text(), templateText);
        QCOMPARE(p.documentStatus->panelText(2), templateCount);
        QTRY_COMPARE_WITH_TIMEOUT(p.titleBar->panelText(0), templateTitle, loadTimeout);

        // The menu's undo does the same.
        p.menuItem("N36")->trigger();
        QCOMPARE(p.documentStatus->panelText(2), welcomeCount);
        QTRY_COMPARE_WITH_TIMEOUT(p.titleBar->panelText(0), ProgramTexts::authorCredit(), loadTimeout);
    }

    // The caret panel follows the caret wherever an insertion leaves it.
    void caretPanelFollowsEveryInsertion()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        p.codePane->setSelectionStart(p.codePane->lineIndex(7) + 8);
        tagButton(f, QStringLiteral("<TABLE>"))->click();
        QCOMPARE(p.documentStatus->panelText(3), QStringLiteral("Στήλη: 15 - Γραμμή: 7"));
        QToolButton *border = nullptr;
        for (QToolButton *button : p.currentBar()->findChildren<QToolButton *>())
            if (button->text() == QLatin1String(R"(border="")"))
                border = button;
        QVERIFY(border);
        border->click();
        QCOMPARE(p.documentStatus->panelText(3), QStringLiteral("Στήλη: 24 - Γραμμή: 7"));
        p.menuItem("HTML1")->trigger();
        QCOMPARE(p.documentStatus->panelText(3), QStringLiteral("Στήλη: 0 - Γραμμή: 0"));
    }

    void menusShowTheUsualKeys_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("open") << "N2" << QKeySequence(QStringLiteral("Ctrl+O"));
        QTest::newRow("save") << "N3" << QKeySequence(QStringLiteral("Ctrl+S"));
        QTest::newRow("print the page") << "N18" << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("exit") << "N4" << QKeySequence(QStringLiteral("Ctrl+Q"));
        QTest::newRow("undo") << "N36" << QKeySequence(QStringLiteral("Ctrl+Z"));
        QTest::newRow("cut") << "N21" << QKeySequence(QStringLiteral("Ctrl+X"));
        QTest::newRow("copy") << "N22" << QKeySequence(QStringLiteral("Ctrl+C"));
        QTest::newRow("paste") << "N23" << QKeySequence(QStringLiteral("Ctrl+V"));
        QTest::newRow("select all") << "N24" << QKeySequence(QStringLiteral("Ctrl+A"));
        QTest::newRow("refresh") << "refreshKey" << QKeySequence(QStringLiteral("F5"));
    }

    void menusShowTheUsualKeys()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        QAction *action = p.menuItem(item.toLatin1().constData());
        QVERIFY(action);
        QCOMPARE(action->shortcut(), keys);
    }

    // F5 in editing mode refreshes the document and shows it (browsing mode's reload is tried with a page).
    void f5RefreshesTheDocument()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        p.codePane->setDocumentText(QStringLiteral("<P>\n<P>\n</P>"));
        QVERIFY(p.messagePane->isHidden());
        p.codePane->setFocus();
        QTest::keyClick(p.codePane, Qt::Key_F5);
        QCOMPARE(p.documentStatus->panelText(2), tagCount(3));
        QVERIFY(!p.messagePane->isHidden());
    }

    // A warning about a long tag (a one-line script cut at its "<" and ">") quotes only its beginning.
    void warningQuotesALongTagShort()
    {
        auto windows = enterMainWindow();
        MainWindowParts p(windows->mainWindow());
        p.codePane->setDocumentText(u'<' + QString(22000, u'B') + u'>');
        QTest::mouseDClick(p.codePane->viewport(), Qt::LeftButton);
        QCOMPARE(p.messagePane->lineCount(), 1);
        QCOMPARE(p.messagePane->line(0),
                 QStringLiteral("# Προειδοποίηση: Η ετικέτα <%1… έχει εισαχθεί περισσότερο κατά 1 φορές")
                     .arg(QString(199, u'B')));
    }

    // Ctrl+Y redoes what Ctrl+Z took back.
    void ctrlYRedoes()
    {
        auto windows = enterMainWindow();
        MainWindow *f = windows->mainWindow();
        MainWindowParts p(f);
        const QString welcome = p.codePane->text();
        p.codePane->setSelectionStart(p.codePane->lineIndex(7) + 8);
        tagButton(f, QStringLiteral("<TABLE>"))->click();
        const QString withTable = p.codePane->text();
        QTest::keyClick(p.codePane, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.codePane->text(), welcome);
        QTest::keyClick(p.codePane, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(p.codePane->text(), withTable);
    }
};

VELMARK_WIDGET_TEST_MAIN(KeysAndGesturesTest)
#include "tst_keysandgestures.moc"
