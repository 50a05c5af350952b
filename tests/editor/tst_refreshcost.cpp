// The refresh engine's work, counted rather than timed: it must grow in step with the document for every
// shape of document (doubling the document at most about doubles the work), and a document that is hard on
// a refresh may cost only a few times an ordinary document of the same size.
#include "documentgenerator.h"
#include "editor/core/refreshengine.h"
#include "editor/core/tagscan.h"

#include <QTest>

using Generator = QString (*)(int);
Q_DECLARE_METATYPE(Generator)

namespace {

// Work per character may grow by a little more than doubling between n and 2n (sorting, hashing), no more.
constexpr double GrowthLimit = 2.3;
// Work per character of tag text may grow by this much when the tag texts grow.
constexpr double PerLengthGrowthLimit = 1.15;
// A hard document may cost this many times an ordinary one of the same size.
constexpr double HardLimit = 4.0;

QString ordinaryLines(int lines)
{
    return DocumentGenerator::ordinaryDocument(lines, 7);
}

EngineWork workOf(const QString &text)
{
    QStringList lines = text.split(u'\n');
    const bool endsWithLineBreak = lines.size() > 1 && lines.constLast().isEmpty();
    if (endsWithLineBreak)
        lines.removeLast();
    return runRefresh(lines, RefreshOptions(), endsWithLineBreak).work;
}

QByteArray describe(const EngineWork &work)
{
    return QByteArray("characters ") + QByteArray::number(work.characters) + " candidates " +
           QByteArray::number(work.candidates) + " covers " + QByteArray::number(work.covers) +
           " paint steps " + QByteArray::number(work.paintSteps);
}

} // namespace

class TestRefreshCost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void growsInStepWithTheDocument_data() { addFamilies(); }
    void growsInStepWithTheDocument();
    void hardDocumentCostsAboutAnOrdinaryOne_data() { addFamilies(); }
    void hardDocumentCostsAboutAnOrdinaryOne();
    void laggingTagTextsCostInStepWithTheirLength_data();
    void laggingTagTextsCostInStepWithTheirLength();

private:
    // Each family of document at a size n.
    static void addFamilies();
};

void TestRefreshCost::addFamilies()
{
    QTest::addColumn<Generator>("generate");
    QTest::addColumn<int>("n");
    QTest::newRow("ordinary lines") << Generator(ordinaryLines) << 1000;
    QTest::newRow("one-line script with many <") << Generator(DocumentGenerator::oneLineScript) << 1000;
    QTest::newRow("many < without >") << Generator(DocumentGenerator::lessThansOnly) << 50000;
    QTest::newRow("distinct tag names") << Generator(DocumentGenerator::distinctTagNames) << 2000;
    QTest::newRow("distinct tags within tags")
        << Generator(DocumentGenerator::distinctTagsWithinTags) << 2000;
    QTest::newRow("one long line") << Generator(DocumentGenerator::oneLongLine) << 100000;
    QTest::newRow("minified library") << Generator(DocumentGenerator::minifiedLibrary) << 40000;
}

void TestRefreshCost::growsInStepWithTheDocument()
{
    QFETCH(Generator, generate);
    QFETCH(int, n);
    const EngineWork single = workOf(generate(n));
    const EngineWork doubled = workOf(generate(2 * n));
    QVERIFY(single.total() > 0);
    const double growth = double(doubled.total()) / double(single.total());
    QVERIFY2(growth <= GrowthLimit, QByteArray("work grew " + QByteArray::number(growth) + " times from " +
                                               describe(single) + " to " + describe(doubled))
                                        .constData());
}

void TestRefreshCost::hardDocumentCostsAboutAnOrdinaryOne()
{
    QFETCH(Generator, generate);
    QFETCH(int, n);
    const QString hard = generate(n);
    const EngineWork hardWork = workOf(hard);
    const EngineWork ordinaryWork = workOf(DocumentGenerator::ordinaryOfSize(int(hard.size())));
    const double ratio = double(hardWork.total()) / double(ordinaryWork.total());
    QVERIFY2(ratio <= HardLimit, QByteArray("a hard document cost " + QByteArray::number(ratio) +
                                            " times an ordinary one: " + describe(hardWork) + " against " +
                                            describe(ordinaryWork))
                                     .constData());
}

void TestRefreshCost::laggingTagTextsCostInStepWithTheirLength_data()
{
    QTest::addColumn<Generator>("generate");
    QTest::addColumn<int>("n");
    // Many "<" and one ">" at the end of the line: every other "<" is paired with that ">".
    QTest::newRow("< then one >") << Generator(DocumentGenerator::lessThansThenOneGreaterThan) << 1000;
    // A pasted loop script without blanks, whose only ">" are those of its script tags: every third "<" is
    // paired with the last one, and each such tag text is an unbalanced entry quoted in a warning.
    QTest::newRow("loop script") << Generator(DocumentGenerator::oneLineLoopScript) << 500;
}

void TestRefreshCost::laggingTagTextsCostInStepWithTheirLength()
{
    // When "<" are paired with a ">" far behind them, the tag texts overlap, and together they are about the
    // square of the line long. The entries of the balance check are made of their letters, so the work may
    // grow with their length, but with nothing more: doubling the line at most about quadruples the work.
    // Comparing every entry with every other one would grow it eightfold.
    QFETCH(Generator, generate);
    QFETCH(int, n);
    const auto tagTextLength = [](const QString &line) {
        qint64 length = 0;
        for (const TagSpan &span : scanTags(line))
            length += span.length;
        return length;
    };
    const QString single = generate(n);
    const QString doubled = generate(2 * n);
    const double perLength = double(workOf(single).total()) / double(tagTextLength(single) + single.size());
    const double doubledPerLength =
        double(workOf(doubled).total()) / double(tagTextLength(doubled) + doubled.size());
    const double growth = doubledPerLength / perLength;
    QVERIFY2(growth <= PerLengthGrowthLimit,
             QByteArray("work per character of tag text grew " + QByteArray::number(growth) + " times")
                 .constData());
}

QTEST_GUILESS_MAIN(TestRefreshCost)
#include "tst_refreshcost.moc"
