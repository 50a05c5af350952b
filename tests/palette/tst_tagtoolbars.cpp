#include "palettehost.h"
#include "widgettestmain.h"

#include "palette/core/tagbuttons.h"
#include "palette/tagtoolbars.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QToolButton>
#include <QtTest>

namespace {

// The names of every accessible object under an interface, as a screen reader walking the tree finds them.
void collectAccessibleNames(QAccessibleInterface *iface, QSet<QString> &names, int depth = 0)
{
    if (!iface || depth > 20)
        return;
    if (iface->role() == QAccessible::PushButton)
        names.insert(iface->text(QAccessible::Name));
    for (int i = 0; i < iface->childCount(); ++i)
        collectAccessibleNames(iface->child(i), names, depth + 1);
}

QList<const TagButton *> rowButtons(int row)
{
    QList<const TagButton *> entries;
    for (const TagButton &entry : TagButtons::all())
        if (entry.row == row)
            entries.append(&entry);
    return entries;
}

} // namespace

class TestTagToolbars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsFollowTheTable();
    void widthsFollowTheWindow_data();
    void widthsFollowTheWindow();
    void clickReportsTheCaptionReadAtClickTime();
    void mouseMovesAndLeavesAreReported();
    void screenReaderReachesEveryButton();
};

void TestTagToolbars::buttonsFollowTheTable()
{
    PaletteHost host;
    QCOMPARE(host.toolbars->buttons().size(), TagButtons::all().size());
    for (const TagButton &entry : TagButtons::all()) {
        QToolButton *button = host.toolbars->button(entry.objectName);
        QVERIFY2(button, qPrintable(entry.objectName));
        QCOMPARE(button->parentWidget(), host.rows[entry.row - 1]);
        QCOMPARE(button->text(), entry.caption);
        QVERIFY(button->autoRaise());
        QCOMPARE(button->height(), 20);
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pointSize(), 8);
    }
}

void TestTagToolbars::widthsFollowTheWindow_data()
{
    QTest::addColumn<int>("firstWidth");
    QTest::addColumn<int>("resizedWidth");
    QTest::newRow("narrower") << 1280 << 800;
    QTest::newRow("wider") << 800 << 1366;
}

void TestTagToolbars::widthsFollowTheWindow()
{
    QFETCH(int, firstWidth);
    QFETCH(int, resizedWidth);
    PaletteHost host;
    host.resize(firstWidth, 500);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.toolbars->layoutWidths(host.frameGeometry().width());
    host.resize(resizedWidth, 500);
    const int w = host.frameGeometry().width();
    host.toolbars->layoutWidths(w);

    // Rows 6 and 7 are hidden, yet their buttons already have their widths.
    for (const TagButton &entry : TagButtons::all())
        if (entry.row >= 6 && entry.placement != TagPlacement::Fill)
            QCOMPARE(host.toolbars->button(entry.objectName)->width(), w / entry.divisor);

    host.rows[5]->show();
    host.rows[6]->show();
    host.toolbarArea->resize(host.toolbarArea->width(), 7 * 22);
    QCoreApplication::processEvents();

    for (int row = 1; row <= TagButtons::RowCount; ++row) {
        // The rows span the window's client width; the widths are shares of its outer width.
        const int rowWidth = host.rows[row - 1]->width();
        QCOMPARE(rowWidth, host.width());
        int left = 0;
        int right = rowWidth;
        QToolButton *fill = nullptr;
        const QList<const TagButton *> entries = rowButtons(row);
        for (const TagButton *entry : entries) {
            QToolButton *button = host.toolbars->button(entry->objectName);
            const QString where = QStringLiteral("%1 at %2").arg(entry->caption).arg(w);
            QVERIFY2(button->isVisible(), qPrintable(where));
            if (entry->placement == TagPlacement::Left) {
                QCOMPARE(button->width(), w / entry->divisor);
                QVERIFY2(button->x() == left, qPrintable(where));
                left += button->width();
            } else if (entry->placement == TagPlacement::Fill) {
                fill = button;
            }
        }
        for (auto it = entries.crbegin(); it != entries.crend() && (*it)->placement == TagPlacement::Right;
             ++it) {
            QToolButton *button = host.toolbars->button((*it)->objectName);
            QCOMPARE(button->width(), w / (*it)->divisor);
            QVERIFY2(button->x() + button->width() == right, qPrintable((*it)->caption));
            right -= button->width();
        }
        if (fill) {
            QCOMPARE(fill->x(), left);
            QCOMPARE(fill->x() + fill->width(), right);
        } else {
            QVERIFY(left <= rowWidth);
        }
    }
}

void TestTagToolbars::clickReportsTheCaptionReadAtClickTime()
{
    PaletteHost host;
    host.resize(1024, 500);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.toolbars->layoutWidths(1024);
    QSignalSpy clicks(host.toolbars, &TagToolbars::tagClicked);
    QToolButton *table = host.toolbars->button(QStringLiteral("SpeedButton55"));
    QTest::mouseClick(table, Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toString(), QStringLiteral("<TABLE>"));

    table->setText(QStringLiteral("<CAPTION>"));
    QTest::mouseClick(table, Qt::LeftButton);
    QCOMPARE(clicks.at(1).at(0).toString(), QStringLiteral("<CAPTION>"));
}

void TestTagToolbars::mouseMovesAndLeavesAreReported()
{
    PaletteHost host;
    host.resize(1024, 500);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.toolbars->layoutWidths(1024);
    QSignalSpy hovered(host.toolbars, &TagToolbars::tagHovered);
    QSignalSpy left(host.toolbars, &TagToolbars::tagLeft);

    QTest::mouseMove(host.toolbars->button(QStringLiteral("SpeedButton45")));
    QTRY_VERIFY(!hovered.isEmpty());
    QCOMPARE(hovered.last().at(0).toString(), QStringLiteral("<DIV>"));
    QVERIFY(left.isEmpty());

    QTest::mouseMove(host.toolbars->button(QStringLiteral("SpeedButton104")));
    QTRY_COMPARE(hovered.last().at(0).toString(), QStringLiteral("<A>"));
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.at(0).at(0).toString(), QStringLiteral("<DIV>"));
}

void TestTagToolbars::screenReaderReachesEveryButton()
{
    PaletteHost host;
    host.resize(1024, 500);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSet<QString> names;
    collectAccessibleNames(QAccessible::queryAccessibleInterface(&host), names);
    for (const TagButton &entry : TagButtons::all())
        QVERIFY2(names.contains(entry.caption), qPrintable(entry.caption));
}

VELMARK_WIDGET_TEST_MAIN(TestTagToolbars)

#include "tst_tagtoolbars.moc"
