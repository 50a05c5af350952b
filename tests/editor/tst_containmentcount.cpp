// The containment count of the balance check: per searched text, the summed weights of the texts that hold
// it, each holding text counted once, against a plain substring search over every pair.
#include "editor/core/containmentcount.h"

#include <QTest>

namespace {

QVector<int> plainHoldings(const QStringList &searched, const QStringList &texts, const QVector<int> &weights)
{
    QVector<int> counts;
    for (const QString &wanted : searched) {
        int count = 0;
        for (int i = 0; i < texts.size(); ++i) {
            if (!wanted.isEmpty() && texts.at(i).contains(wanted))
                count += weights.at(i);
        }
        counts.append(count);
    }
    return counts;
}

} // namespace

class TestContainmentCount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countsAsASubstringSearchDoes_data();
    void countsAsASubstringSearchDoes();
    void overlappingTagTextsOfOneLine();
};

void TestContainmentCount::countsAsASubstringSearchDoes_data()
{
    QTest::addColumn<QStringList>("searched");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVector<int>>("weights");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("tags") << QStringList{"<P>", "<B>", "</P>"} << QStringList{"<P>", "</P>", "<B>"}
                          << QVector<int>{2, 1, 3} << QVector<int>{2, 3, 1};
    // "<P>" stands inside "</P>" nowhere, but "P>" would: only whole heads match.
    QTest::newRow("a head must match whole")
        << QStringList{"<A>", "<A>B>"} << QStringList{"<<A>B>", "<A>", "x<A>B>y"} << QVector<int>{1, 1, 1}
        << QVector<int>{3, 2};
    QTest::newRow("held twice counts once")
        << QStringList{"<I>"} << QStringList{"<I><I>"} << QVector<int>{5} << QVector<int>{5};
    QTest::newRow("a searched text without >")
        << QStringList{"<P", "P", "<P>"} << QStringList{"</P>", "<P", "<PP>"} << QVector<int>{1, 1, 1}
        << QVector<int>{2, 3, 0};
    QTest::newRow("one searched text twice")
        << QStringList{"<B>", "<B>"} << QStringList{"<B>"} << QVector<int>{4} << QVector<int>{4, 4};
    QTest::newRow("empty texts") << QStringList{"", "<>"} << QStringList{"", "<>"} << QVector<int>{1, 1}
                                 << QVector<int>{0, 1};
    QTest::newRow("a head longer than the text")
        << QStringList{"<ABC>D>"} << QStringList{"<ABC>D"} << QVector<int>{1} << QVector<int>{0};
    QTest::newRow("letter case counts")
        << QStringList{"<p>"} << QStringList{"<P>", "<p>"} << QVector<int>{1, 1} << QVector<int>{1};
}

void TestContainmentCount::countsAsASubstringSearchDoes()
{
    QFETCH(QStringList, searched);
    QFETCH(QStringList, texts);
    QFETCH(QVector<int>, weights);
    QFETCH(QVector<int>, expected);
    QCOMPARE(plainHoldings(searched, texts, weights), expected);
    QCOMPARE(ContainmentCount(searched).holdings(texts, weights), expected);
}

void TestContainmentCount::overlappingTagTextsOfOneLine()
{
    // A loop script's tag texts: each "<" of a comparison runs to the script's end, so every text holds every
    // shorter one.
    QString line = QStringLiteral("<script>");
    for (int k = 0; k < 60; ++k)
        line += QStringLiteral("for(i=0;i<%1;i++)x();").arg(k);
    line += QStringLiteral("</script>");
    QStringList texts;
    for (qsizetype at = line.indexOf(u'<', 1); at >= 0; at = line.indexOf(u'<', at + 1))
        texts.append(line.mid(at));
    const QVector<int> weights(texts.size(), 1);
    QCOMPARE(ContainmentCount(texts).holdings(texts, weights), plainHoldings(texts, texts, weights));
}

QTEST_GUILESS_MAIN(TestContainmentCount)
#include "tst_containmentcount.moc"
