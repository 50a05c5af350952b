#include "documentgenerator.h"
#include "editor/core/balancecheck.h"
#include "editor/core/refreshengine.h"
#include "editor/core/tagcollector.h"
#include "literalmodel.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

QString describeRuns(const QVector<LookRun> &runs)
{
    QStringList parts;
    for (const LookRun &run : runs)
        parts.append(QStringLiteral("%1+%2:%3%4")
                         .arg(run.start)
                         .arg(run.length)
                         .arg(run.colour)
                         .arg(run.bold ? "b" : ""));
    return parts.join(u' ');
}

// The first difference between two refresh results, or an empty text when they agree.
QString firstDifference(const RefreshResult &fast, const RefreshResult &literal)
{
    if (fast.lines.size() != literal.lines.size())
        return QStringLiteral("line count %1 vs %2").arg(fast.lines.size()).arg(literal.lines.size());
    for (int i = 0; i < fast.lines.size(); ++i) {
        if (fast.lines.at(i) != literal.lines.at(i))
            return QStringLiteral("line %1: \"%2\" vs \"%3\"")
                .arg(i)
                .arg(fast.lines.at(i), literal.lines.at(i));
    }
    if (fast.endsWithLineBreak != literal.endsWithLineBreak)
        return QStringLiteral("final line break");
    if (fast.looks.size() != literal.looks.size())
        return QStringLiteral("look line count %1 vs %2").arg(fast.looks.size()).arg(literal.looks.size());
    for (int i = 0; i < fast.looks.size(); ++i) {
        if (fast.looks.at(i) != literal.looks.at(i))
            return QStringLiteral("looks of line %1 \"%2\": %3 vs %4")
                .arg(i)
                .arg(fast.lines.at(i), describeRuns(fast.looks.at(i)), describeRuns(literal.looks.at(i)));
    }
    if (fast.tagCount != literal.tagCount)
        return QStringLiteral("tag count %1 vs %2").arg(fast.tagCount).arg(literal.tagCount);
    if (!(fast.report.warnings == literal.report.warnings))
        return QStringLiteral("warnings");
    if (fast.report.highlights != literal.report.highlights)
        return QStringLiteral("highlights: %1 vs %2")
            .arg(fast.report.highlights.join(u' '), literal.report.highlights.join(u' '));
    if (fast.highlightCaret.line != literal.highlightCaret.line ||
        fast.highlightCaret.column != literal.highlightCaret.column)
        return QStringLiteral("caret %1:%2 vs %3:%4")
            .arg(fast.highlightCaret.line)
            .arg(fast.highlightCaret.column)
            .arg(literal.highlightCaret.line)
            .arg(literal.highlightCaret.column);
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(RefreshOptions)

class RefreshDifferentialTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fastEngineEqualsLiteralModel_data();
    void fastEngineEqualsLiteralModel();
    void longTagTextsEqualLiteralModel();
    void balanceCheckEqualsLiteralCheck();
};

void RefreshDifferentialTest::fastEngineEqualsLiteralModel_data()
{
    QTest::addColumn<RefreshOptions>("options");
    QTest::addColumn<bool>("irregular");
    QTest::addColumn<int>("maxLines");

    // The option sets of the refresh cycle's variants.
    const struct
    {
        const char *name;
        RefreshOptions options;
    } variants[] = {
        {"standard, switch ticked", {Reindent::Standard, true, true, true, true}},
        {"standard, switch unticked", {Reindent::Standard, false, true, true, true}},
        {"switch variant, ticked", {Reindent::Standard, true, false, true, true}},
        {"switch variant, unticked", {Reindent::Standard, false, false, true, true}},
        {"assignment template", {Reindent::None, true, true, true, true}},
        {"simple page template", {Reindent::Template, true, true, false, false}},
        {"start-up", {Reindent::None, true, false, false, false}},
    };
    for (const auto &variant : variants) {
        QTest::newRow(qPrintable(QStringLiteral("%1, irregular").arg(variant.name)))
            << variant.options << true << 25;
        QTest::newRow(qPrintable(QStringLiteral("%1, regular").arg(variant.name)))
            << variant.options << false << 60;
    }
}

void RefreshDifferentialTest::fastEngineEqualsLiteralModel()
{
    QFETCH(RefreshOptions, options);
    QFETCH(bool, irregular);
    QFETCH(int, maxLines);

    for (quint32 seed = 1; seed <= 150; ++seed) {
        DocumentGenerator generator(seed);
        DocumentGenerator::Settings settings;
        settings.lineCount = 1 + int(seed % quint32(maxLines));
        settings.lineLength = 20 + int(seed % 40);
        settings.tagsPerLine = 1 + int(seed % 3);
        settings.irregular = irregular;
        const QStringList lines = generator.generate(settings);
        const bool endsWithLineBreak = seed % 2 == 0;

        const QString difference = firstDifference(runRefresh(lines, options, endsWithLineBreak),
                                                   runLiteralRefresh(lines, options, endsWithLineBreak));
        QVERIFY2(difference.isEmpty(),
                 qPrintable(QStringLiteral("seed %1: %2\n%3").arg(seed).arg(difference, lines.join(u'\n'))));
    }
}

void RefreshDifferentialTest::longTagTextsEqualLiteralModel()
{
    // Lines with more "<" than ">", so that tag texts lag behind and grow long, made of a stretch repeated
    // in other letter cases: long tag texts then occur several times, alike or differing only in case.
    const QStringList pieces = {QStringLiteral("<a"), QStringLiteral("<B"), QStringLiteral("<"),
                                QStringLiteral("b>"), QStringLiteral("x"),  QStringLiteral(" "),
                                QStringLiteral("/"),  QStringLiteral(">"),  QStringLiteral("<<")};
    for (quint32 seed = 1; seed <= 60; ++seed) {
        QRandomGenerator random(seed);
        QStringList lines;
        for (int line = 0, count = 1 + int(random.bounded(3)); line < count; ++line) {
            QString stretch;
            while (stretch.size() < 60 + int(random.bounded(120)))
                stretch += pieces.at(int(random.bounded(int(pieces.size()))));
            QString text;
            for (int copy = 0, copies = 2 + int(random.bounded(3)); copy < copies; ++copy) {
                const int style = int(random.bounded(3));
                text += style == 0 ? stretch : style == 1 ? stretch.toUpper() : stretch.toLower();
            }
            lines.append(text);
        }
        for (const bool skipEmptyPairTags : {true, false}) {
            const RefreshOptions options{Reindent::Standard, true, skipEmptyPairTags, true, true};
            const QString difference =
                firstDifference(runRefresh(lines, options), runLiteralRefresh(lines, options, false));
            QVERIFY2(
                difference.isEmpty(),
                qPrintable(QStringLiteral("seed %1: %2\n%3").arg(seed).arg(difference, lines.join(u'\n'))));
        }
    }
}

void RefreshDifferentialTest::balanceCheckEqualsLiteralCheck()
{
    // Short tag texts over a few characters, so that entries often hold one another, hold "<" and ">" of
    // their own, or differ only in letter case.
    const QString alphabet = QStringLiteral("<>/ aAb");
    for (quint32 seed = 1; seed <= 3000; ++seed) {
        QRandomGenerator random(seed);
        TagCollector collector;
        QStringList texts;
        const int count = 1 + int(random.bounded(14));
        for (int i = 0; i < count; ++i) {
            QString text = random.bounded(3) == 0 ? QStringLiteral("</") : QStringLiteral("<");
            const int length = int(random.bounded(6));
            for (int c = 0; c < length; ++c)
                text += alphabet.at(int(random.bounded(int(alphabet.size()))));
            text += u'>';
            texts.append(text);
            collector.add(text);
        }
        const BalanceReport fast = checkBalance(collector);
        const BalanceReport literal = literalBalanceCheck(collector);
        QVERIFY2(fast.warnings == literal.warnings && fast.highlights == literal.highlights,
                 qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(texts.join(QStringLiteral(" | ")))));
    }
}

QTEST_GUILESS_MAIN(RefreshDifferentialTest)
#include "tst_refreshdifferential.moc"
