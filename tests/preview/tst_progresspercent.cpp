#include "preview/core/progresspercent.h"

#include <QTest>

class TestProgressPercent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void barPosition_data();
    void barPosition();
};

void TestProgressPercent::barPosition_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("progressMax");
    QTest::addColumn<int>("barMinimum");
    QTest::addColumn<int>("barMaximum");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<int>("position");

    QTest::newRow("50 of 200") << 50 << 200 << 0 << 100 << true << 25;
    QTest::newRow("truncated, not rounded") << 2 << 3 << 0 << 100 << true << 66;
    QTest::newRow("complete") << 200 << 200 << 0 << 100 << true << 100;
    QTest::newRow("40 % on a bar left at 9") << 40 << 100 << 0 << 9 << true << 9;
    QTest::newRow("below the bar's minimum") << 5 << 100 << 10 << 100 << true << 10;
    QTest::newRow("byte counts whose product overflows 32 bits")
        << 30'000'000 << 60'000'000 << 0 << 100 << true << 50;
    QTest::newRow("download finished (-1)") << -1 << 100 << 0 << 100 << false << 0;
    QTest::newRow("progress above its maximum") << 201 << 200 << 0 << 100 << false << 0;
    QTest::newRow("maximum 0") << 0 << 0 << 0 << 100 << false << 0;
    QTest::newRow("negative maximum") << -3 << -2 << 0 << 100 << false << 0;
}

void TestProgressPercent::barPosition()
{
    QFETCH(int, progress);
    QFETCH(int, progressMax);
    QFETCH(int, barMinimum);
    QFETCH(int, barMaximum);
    QFETCH(bool, changes);
    QFETCH(int, position);

    const std::optional<int> result = progressPercent(progress, progressMax, barMinimum, barMaximum);
    QCOMPARE(result.has_value(), changes);
    if (changes)
        QCOMPARE(*result, position);
}

QTEST_APPLESS_MAIN(TestProgressPercent)

#include "tst_progresspercent.moc"
