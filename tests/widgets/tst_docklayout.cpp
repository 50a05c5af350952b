// The docking layout: edges served in docking order, fill takes the rest, hidden children take no space,
// resizing a docked child re-docks it.
#include "widgets/docklayout.h"
#include "widgettestmain.h"

#include <QtTest>

class DockLayoutTest : public QObject
{
    Q_OBJECT

    static QWidget *child(QWidget *parent, int w, int h)
    {
        auto *c = new QWidget(parent);
        c->resize(w, h);
        return c;
    }

private Q_SLOTS:
    void edgesAndFill()
    {
        QWidget host;
        host.resize(300, 200);
        QWidget *top1 = child(&host, 0, 20), *top2 = child(&host, 0, 10);
        QWidget *bottom1 = child(&host, 0, 30), *bottom2 = child(&host, 0, 5);
        QWidget *fill = child(&host, 0, 0);
        dockInto(&host, top1, DockAlign::Top);
        dockInto(&host, bottom1, DockAlign::Bottom);
        dockInto(&host, fill, DockAlign::Fill);
        dockInto(&host, top2, DockAlign::Top);
        dockInto(&host, bottom2, DockAlign::Bottom);
        host.show();
        QCOMPARE(top1->geometry(), QRect(0, 0, 300, 20));
        QCOMPARE(top2->geometry(), QRect(0, 20, 300, 10));
        QCOMPARE(bottom1->geometry(), QRect(0, 170, 300, 30));
        QCOMPARE(bottom2->geometry(), QRect(0, 165, 300, 5));
        QCOMPARE(fill->geometry(), QRect(0, 30, 300, 135));

        top2->hide();
        QTRY_COMPARE(fill->geometry(), QRect(0, 20, 300, 145));
        bottom1->resize(300, 50);
        QCOMPARE(bottom2->geometry(), QRect(0, 145, 300, 5));
        QCOMPARE(fill->geometry(), QRect(0, 20, 300, 125));
    }

    void laterLeftTakesTheLeftEnd()
    {
        QWidget host;
        host.resize(200, 20);
        QWidget *a = child(&host, 50, 0), *b = child(&host, 30, 0), *r1 = child(&host, 20, 0),
                *r2 = child(&host, 10, 0), *fill = child(&host, 0, 0);
        dockInto(&host, a, DockAlign::Left);
        dockInto(&host, b, DockAlign::Left);
        dockInto(&host, r1, DockAlign::Right);
        dockInto(&host, r2, DockAlign::Right);
        dockInto(&host, fill, DockAlign::Fill);
        host.show();
        QCOMPARE(b->geometry(), QRect(0, 0, 30, 20));
        QCOMPARE(a->geometry(), QRect(30, 0, 50, 20));
        QCOMPARE(r1->geometry(), QRect(180, 0, 20, 20));
        QCOMPARE(r2->geometry(), QRect(170, 0, 10, 20));
        QCOMPARE(fill->geometry(), QRect(80, 0, 90, 20));
    }

    void redockingMovesToTheEndOfTheOrder()
    {
        QWidget host;
        host.resize(100, 100);
        QWidget *low = child(&host, 0, 10), *high = child(&host, 0, 20);
        dockInto(&host, low, DockAlign::Bottom);
        dockInto(&host, high, DockAlign::Bottom);
        host.show();
        QCOMPARE(low->y(), 90);
        DockLayout *layout = dockLayoutOf(&host);
        layout->dock(low, DockAlign::None);
        layout->dock(low, DockAlign::Bottom);
        QCOMPARE(high->y(), 80);
        QCOMPARE(low->y(), 70);
        layout->placeAfter(high, low);
        QCOMPARE(low->y(), 90);
        QCOMPARE(high->y(), 70);
    }
};

VELMARK_WIDGET_TEST_MAIN(DockLayoutTest)
#include "tst_docklayout.moc"
