#include "editor/core/refreshengine.h"
#include "editor/core/reindent.h"
#include "editor/core/tagscan.h"
#include "goldenfile.h"
#include "literalmodel.h"

#include <QtTest>

namespace {

// The welcome document the main window starts with; the author credit is any text without "<".
const QStringList WelcomeDocument = goldenLines(QStringLiteral("welcomedocument.html"));

// The simple page template, each line followed by a line break.
const QStringList SimplePage = {
    "<HTML>",
    "  <HEAD>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-7\" />",
    "<TITLE>",
    "      Η πρώτη μου ιστοσελίδα",
    "</TITLE>",
    "</HEAD>",
    "<BODY>",
    "      Εδω μπορείς να γράψεις το περιεχόμενο της ιστοσελίδας σου",
    "</BODY>",
    "</HTML>",
};

RefreshOptions standardOptions(bool ticked = true)
{
    return RefreshOptions{Reindent::Standard, ticked, true, true, true};
}

RefreshOptions paintOnly(Reindent reindent)
{
    return RefreshOptions{reindent, true, true, false, false};
}

// The look of every character of a line: its colour, or 0 for the base look.
QVector<quint32> coloursOf(const QString &line, const QVector<LookRun> &runs)
{
    QVector<quint32> colours(line.size(), BaseColour);
    for (const LookRun &run : runs) {
        for (int i = run.start; i < run.start + run.length; ++i)
            colours[i] = run.bold ? run.colour : 0xFFFFFFFF;
    }
    return colours;
}

// Runs both the refresh engine and the literal model, checks they agree, and returns the engine's result.
RefreshResult refreshed(const QStringList &lines, const RefreshOptions &options,
                        bool endsWithLineBreak = false)
{
    const RefreshResult fast = runRefresh(lines, options, endsWithLineBreak);
    const RefreshResult literal = runLiteralRefresh(lines, options, endsWithLineBreak);
    [&] {
        QCOMPARE(fast.lines, literal.lines);
        QCOMPARE(fast.endsWithLineBreak, literal.endsWithLineBreak);
        QCOMPARE(fast.looks.size(), literal.looks.size());
        for (int i = 0; i < fast.looks.size(); ++i)
            QVERIFY2(fast.looks.at(i) == literal.looks.at(i),
                     qPrintable(QStringLiteral("looks of line %1").arg(i)));
        QCOMPARE(fast.tagCount, literal.tagCount);
        QCOMPARE(fast.report.highlights, literal.report.highlights);
        QCOMPARE(fast.highlightCaret.line, literal.highlightCaret.line);
        QCOMPARE(fast.highlightCaret.column, literal.highlightCaret.column);
    }();
    return fast;
}

// Whether every character inside a tag text is painted in `colour` and every other character is base.
bool onlyTagTextsPainted(const RefreshResult &result, quint32 colour)
{
    for (int i = 0; i < result.lines.size(); ++i) {
        const QString &line = result.lines.at(i);
        QVector<quint32> expected(line.size(), BaseColour);
        for (const TagSpan &span : scanTags(line)) {
            for (int c = span.start; c < span.start + span.length; ++c)
                expected[c] = colour;
        }
        if (coloursOf(line, result.looks.at(i)) != expected)
            return false;
    }
    return true;
}

} // namespace

class RefreshModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardReindentation_data();
    void standardReindentation();
    void welcomeDocumentStandardCycle();
    void welcomeDocumentStartUp();
    void untickedSwitchLeavesOnlyUnbalancedTagsRed();
    void letterCase_data();
    void letterCase();
    void paintingKeepsThePagesWords_data();
    void paintingKeepsThePagesWords();
    void reindentedLineLosesEarlierPaint();
    void looksDoNotDependOnHistory_data();
    void looksDoNotDependOnHistory();
    void occurrencesNeverOverlap();
    void simplePageTemplateRule();
    void highlightLeavesCaretAfterLastOccurrence();
    void emptyDocument();
};

void RefreshModelTest::standardReindentation_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("reindented");

    QTest::newRow("empty line below <BODY>")
        << QStringList{"<BODY>", "", "</BODY>"} << QStringList{"<BODY>", "   ", "</BODY>"};
    QTest::newRow("spaces then < below a tag line")
        << QStringList{"<P>", "      <B>x</B>"} << QStringList{"<P>", "   <B>x</B>"};
    QTest::newRow("text below a tag line") << QStringList{"<P>", "text"} << QStringList{"<P>", "   text"};
    QTest::newRow("tab and spaces stripped") << QStringList{"<P>", "\t  x"} << QStringList{"<P>", "   x"};
    QTest::newRow("tag line below a tag line") << QStringList{"<P>", "<B>"} << QStringList{"<P>", "<B>"};
    QTest::newRow("line above does not begin with <")
        << QStringList{"  <P>", "x", "text", "     more"} << QStringList{"  <P>", "x", "text", "     more"};
    QTest::newRow("only the line directly below")
        << QStringList{"<A>", "b", "c"} << QStringList{"<A>", "   b", "c"};
    QTest::newRow("three spaces already") << QStringList{"<A>", "   b"} << QStringList{"<A>", "   b"};
}

void RefreshModelTest::standardReindentation()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, reindented);

    const RefreshResult first = refreshed(lines, standardOptions());
    QCOMPARE(first.lines, reindented);
    // Running the cycle again changes nothing more.
    const RefreshResult second = refreshed(first.lines, standardOptions());
    QCOMPARE(second.lines, reindented);
    QCOMPARE(second.looks, first.looks);
}

void RefreshModelTest::welcomeDocumentStandardCycle()
{
    const RefreshResult result = refreshed(WelcomeDocument, standardOptions());

    QStringList expected = WelcomeDocument;
    expected[1] = "   <HEAD>";
    QCOMPARE(result.lines, expected);
    QCOMPARE(result.tagCount, 27);
    QVERIFY(result.report.warnings.isEmpty());
    QVERIFY(onlyTagTextsPainted(result, TagColour));
}

void RefreshModelTest::welcomeDocumentStartUp()
{
    const RefreshResult result =
        refreshed(WelcomeDocument, RefreshOptions{Reindent::None, true, false, false, false});

    QCOMPARE(result.lines, WelcomeDocument);
    QCOMPARE(result.tagCount, 27);
    QVERIFY(onlyTagTextsPainted(result, TagColour));
}

void RefreshModelTest::untickedSwitchLeavesOnlyUnbalancedTagsRed()
{
    const QStringList lines = {"<HTML>", "<p>one", "<B>two</B>", "<>", "</HTML>"};
    const RefreshResult result =
        refreshed(lines, RefreshOptions{Reindent::Standard, false, false, true, true});

    QCOMPARE(result.lines, (QStringList{"<HTML>", "<P>one", "<B>two</B>", "<>", "</HTML>"}));
    QCOMPARE(result.looks, (QVector<QVector<LookRun>>{{}, {{0, 3, WarningColour, true}}, {}, {}, {}}));
    QCOMPARE(result.report.highlights, QStringList{"<P>"});
    QCOMPARE(result.tagCount, 6);
}

void RefreshModelTest::letterCase_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("painted");

    // The walk starts at the last line: its paint sets the letter case that every later read sees.
    QTest::newRow("across lines") << QStringList{"<td>", "<TD>", "<Td>"}
                                  << QStringList{"<Td>", "<Td>", "<Td>"};
    QTest::newRow("within a line") << QStringList{"<b><B>x"} << QStringList{"<b><b>x"};
    QTest::newRow("a tag inside another tag's text")
        << QStringList{"<A<b>", "<B>"} << QStringList{"<A<B>", "<B>"};
    // "<" before a letter outside A-Z starts no tag: the paint colours it but leaves its letters.
    QTest::newRow("Greek letters after < are text") << QStringList{"<Σ>", "<ς>"} << QStringList{"<Σ>", "<ς>"};
}

void RefreshModelTest::letterCase()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, painted);

    const RefreshResult result = refreshed(lines, paintOnly(Reindent::None));
    QCOMPARE(result.lines, painted);
    QVERIFY(onlyTagTextsPainted(result, TagColour));
}

void RefreshModelTest::paintingKeepsThePagesWords_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("refreshed");

    // Tag and attribute names may take the letter case of the paint; script and style content, text between
    // tags, attribute values and comments keep every letter.
    QTest::newRow("script content") << QStringList{"<script>if(a<b){}</script>"}
                                    << QStringList{"<SCRIPT>if(a<b){}</SCRIPT>"};
    QTest::newRow("style content") << QStringList{"<style>p<b{Color:Red}</style>"}
                                   << QStringList{"<STYLE>p<b{Color:Red}</style>"};
    QTest::newRow("text between tags")
        << QStringList{"<p>1 < 2 <i>yes</i></p>"} << QStringList{"<P>1 < 2 <I>yes</I></P>"};
    QTest::newRow("attribute values") << QStringList{"<img src=\"Photo.JPG\">", "<IMG SRC=\"photo.jpg\">"}
                                      << QStringList{"<IMG SRC=\"Photo.JPG\">", "<IMG SRC=\"photo.jpg\">"};
    QTest::newRow("value across lines, unquoted value")
        << QStringList{"<a title='One", "Two' id=Big>", "<A TITLE='one", "two' ID=big>"}
        << QStringList{"<a title='One", "   Two' id=Big>", "<A TITLE='one", "   two' ID=big>"};
    QTest::newRow("comment") << QStringList{"<!-- <b>Keep</b> -->", "<B>keep</B>"}
                             << QStringList{"<!-- <b>Keep</b> -->", "<B>keep</B>"};
    // Elements whose content a browser reads as text, everything after "<plaintext>", script sections that
    // hide an end tag, and CDATA in SVG keep their letters; the names around them still take the paint's
    // case.
    for (const char *element : {"textarea", "title", "xmp", "iframe", "noembed", "noframes", "noscript"}) {
        const QString line = QStringLiteral("<%1><b>x</b><B>y</B></%1>").arg(QLatin1String(element));
        QTest::addRow("%s content", element) << QStringList{line} << QStringList{line};
    }
    // (The balance check's highlights write unbalanced tags' names in capitals.)
    QTest::newRow("after plaintext") << QStringList{"<plaintext><b>x</b><B>y</B>", "<b>"}
                                     << QStringList{"<PLAINTEXT><b>x</b><B>y</B>", "<b>"};
    QTest::newRow("double-escaped script")
        << QStringList{"<script><!--<script></script><b>x</b><B>y</B>--></script>"}
        << QStringList{"<script><!--<script></script><b>x</b><B>y</B>--></SCRIPT>"};
    QTest::newRow("CDATA in svg") << QStringList{"<svg><![CDATA[ <p>x</p> <P>X</P> ]]></svg>"}
                                  << QStringList{"<svg><![CDATA[ <p>x</p> <P>X</P> ]]></svg>"};
    QTest::newRow("names around textarea") << QStringList{"<p>a<textarea><B></textarea></P>", "<P>b</p>"}
                                           << QStringList{"<P>a<textarea><B></textarea></p>", "<P>b</p>"};
}

void RefreshModelTest::paintingKeepsThePagesWords()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, refreshed);

    const RefreshResult result = ::refreshed(lines, standardOptions());
    QCOMPARE(result.lines, refreshed);
}

void RefreshModelTest::reindentedLineLosesEarlierPaint()
{
    // Line 1 pairs its "<" with stray ">" only and paints nothing itself; the "<b>" in it is painted by line
    // 2 first and then returns to the base look when line 1 is re-indented.
    const QStringList lines = {"<X>", " >x<b> <c>", "<b>"};
    const RefreshResult result = refreshed(lines, paintOnly(Reindent::Standard));

    QCOMPARE(result.lines, (QStringList{"<X>", "   >x<b> <c>", "<b>"}));
    QCOMPARE(result.looks,
             (QVector<QVector<LookRun>>{{{0, 3, TagColour, true}}, {}, {{0, 3, TagColour, true}}}));
}

void RefreshModelTest::looksDoNotDependOnHistory_data()
{
    QTest::addColumn<QStringList>("lines");

    // Line 1 is re-indented below a tag line; it pairs its "<" with a stray ">" and paints nothing itself,
    // while line 2 paints the "<B>" in it first.
    QTest::newRow("line to be re-indented") << QStringList{"<P></P>", ">a<B>", "<B></B>"};
    QTest::newRow("line already re-indented") << QStringList{"<P></P>", "   >a<B>", "<B></B>"};
}

void RefreshModelTest::looksDoNotDependOnHistory()
{
    QFETCH(QStringList, lines);

    const RefreshResult once = refreshed(lines, standardOptions());
    QCOMPARE(once.lines, (QStringList{"<P></P>", "   >a<B>", "<B></B>"}));
    QCOMPARE(once.looks.at(1), QVector<LookRun>{});
    RefreshResult again = once;
    for (int i = 0; i < 9; ++i)
        again = refreshed(again.lines, standardOptions());
    QCOMPARE(again.lines, once.lines);
    QCOMPARE(again.looks, once.looks);
}

void RefreshModelTest::occurrencesNeverOverlap()
{
    // Line 0 pairs every "<" with a stray ">" and paints nothing itself. Line 1 paints "<b><b>", which occurs
    // in line 0 once: the search goes on after that occurrence, not inside it.
    const QStringList lines = {"> > > <B><B><B>", "<x<b><b>"};
    const RefreshResult result = refreshed(lines, paintOnly(Reindent::None));

    QCOMPARE(result.lines, (QStringList{"> > > <b><b><B>", "<x<b><b>"}));
    QCOMPARE(result.looks.at(0), (QVector<LookRun>{{6, 6, TagColour, true}}));
}

void RefreshModelTest::simplePageTemplateRule()
{
    const QStringList expected = goldenLines(QStringLiteral("simplepage-reindented.html"));
    QCOMPARE(templateReindented(SimplePage, true), expected);
    QCOMPARE(templateReindented(SimplePage, false), expected.mid(0, 11));

    const RefreshResult result = refreshed(SimplePage, paintOnly(Reindent::Template), true);
    QCOMPARE(result.lines, expected);
    QVERIFY(!result.endsWithLineBreak);
    QCOMPARE(result.tagCount, 9);
    QVERIFY(onlyTagTextsPainted(result, TagColour));
}

void RefreshModelTest::highlightLeavesCaretAfterLastOccurrence()
{
    const RefreshResult result = refreshed({"<P>", "x <p> y", "<B></B>"}, standardOptions(false));

    QCOMPARE(result.lines, (QStringList{"<P>", "   x <P> y", "<B></B>"}));
    QCOMPARE(result.highlightCaret.line, 1);
    QCOMPARE(result.highlightCaret.column, 8);
}

void RefreshModelTest::emptyDocument()
{
    const RefreshResult result = refreshed({}, standardOptions());
    QVERIFY(result.lines.isEmpty());
    QCOMPARE(result.tagCount, 0);
    QVERIFY(result.report.warnings.isEmpty());
    QCOMPARE(result.highlightCaret.line, -1);
}

QTEST_GUILESS_MAIN(RefreshModelTest)
#include "tst_refreshmodel.moc"
