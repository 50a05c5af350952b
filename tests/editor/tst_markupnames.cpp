// Which letters of a document are tag and attribute names: the content of elements that hold text, script
// sections, CDATA in SVG and MathML and the rest as a browser's tokenizer reads them, checked case by case,
// against an HTML5 parser of its own (Gumbo) on generated documents, and for the two properties the refresh
// relies on: letter case and blanks at the start of lines never change which letters are names.
#include "editor/core/markupnames.h"
#include "gumboreference.h"
#include "markupgenerator.h"

#include <QTest>

namespace {

// The runs of marked letters, in order; a run ends at the end of its line.
QStringList markedRuns(const QStringList &lines)
{
    const QBitArray names = markupNamePositions(lines);
    QStringList runs;
    qsizetype position = 0;
    for (const QString &line : lines) {
        QString run;
        for (qsizetype i = 0; i <= line.size(); ++i, ++position) {
            if (i < line.size() && names.testBit(position)) {
                run += line.at(i);
            } else if (!run.isEmpty()) {
                runs.append(run);
                run.clear();
            }
        }
        --position;
    }
    return runs;
}

QString withOtherCase(QChar c)
{
    return c.isUpper() ? c.toLower() : c.toUpper();
}

} // namespace

class MarkupNamesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesAsABrowserReadsThem_data();
    void namesAsABrowserReadsThem();
    void agreesWithAnHtmlParser();
    void letterCaseAndLeadingBlanksChangeNoName();
};

void MarkupNamesTest::namesAsABrowserReadsThem_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("names");

    const auto row = [](const char *name, const QStringList &lines, const QStringList &names) {
        QTest::newRow(name) << lines << names;
    };
    row("tags and attributes", {"<P class=x>Text</P>"}, {"P", "class", "P"});
    row("attributes across lines", {"<a", "HREF=x>", "<b"}, {"a", "HREF", "b"});
    row("values and odd names", {"<a b=c d = \"e\" =f g>"}, {"a", "b", "d", "f", "g"});
    row("= starts an attribute name", {"<p =x=y>"}, {"p", "x"});
    row("only letters a to z change case", {"<a\u03A3b c\u0394=1>"}, {"a", "b", "c"});
    row("a control character parts names",
        {"<b\x01"
         "class=x>"},
        {"b", "class"});
    // Elements whose content is text.
    row("textarea", {"<textarea><b>x</b><B>y</B></textarea>"}, {"textarea", "textarea"});
    row("title, with a near miss", {"<TITLE><b>a</titlex></TITLE >"}, {"TITLE", "TITLE"});
    row("title across lines", {"<title>", "<b>", "</title>", "<i>"}, {"title", "title", "i"});
    row("style", {"<style>p<b{}</style>"}, {"style", "style"});
    row("xmp", {"<xmp><b>x</b></xmp>"}, {"xmp", "xmp"});
    row("iframe", {"<iframe><b>x</b></iframe>"}, {"iframe", "iframe"});
    row("noembed", {"<noembed><b>x</b></noembed>"}, {"noembed", "noembed"});
    row("noframes", {"<noframes><b>x</b></noframes>"}, {"noframes", "noframes"});
    row("noscript", {"<noscript><b>x</b></noscript>"}, {"noscript", "noscript"});
    row("plaintext to the end", {"<plaintext><b>x</b></plaintext>", "<i>"}, {"plaintext"});
    row("a self-closing title still holds text", {"<title/><b>x</title>"}, {"title", "title"});
    // Script sections.
    row("script", {"<script>if(a<b)x='<i>'</script ><b>"}, {"script", "script", "b"});
    row("script end tag must end its name", {"<script>x</scriptx><i></script>"}, {"script", "script"});
    row("escaped section ends at the end tag", {"<script><!--</script><b>"}, {"script", "script", "b"});
    row("double-escaped end tag is text", {"<script><!--<script></script><b>x</b><B>y</B>--></script><i>"},
        {"script", "script", "i"});
    row("double escape closed by -->", {"<script><!--<script>--></script><b>"}, {"script", "script", "b"});
    row("double escape closed by its end tag", {"<script><!--<script></script>--></script><b>"},
        {"script", "script", "b"});
    // Comments and declarations.
    row("comment ending --!>", {"<!-- <b> --!> <i>"}, {"i"});
    row("empty comments", {"<!--> <b> <!---> <i>"}, {"b", "i"});
    row("--!> right after <!-- ends nothing", {"<!--!> <b> --> <i>"}, {"i"});
    row("declaration and processing instruction", {"<!DOCTYPE html><?x <b> ?><i>"}, {"i"});
    row("no tag", {"</ b></>< b><1><\u03A3>a < b"}, {});
    // SVG and MathML.
    row("CDATA in svg", {"<svg><![CDATA[ <p>x</p> <P>X</P> ]]></svg>"}, {"svg", "svg"});
    row("CDATA outside svg is a comment to >", {"<![CDATA[ <p>x</p> ]]>"}, {"p"});
    row("CDATA in a MathML text point", {"<math><mi><![CDATA[<b>]]></mi></math>"},
        {"math", "mi", "mi", "math"});
    row("svg title holds markup", {"<svg><title><b>x</b></title></svg>"},
        {"svg", "title", "b", "b", "title", "svg"});
    row("svg style holds markup", {"<svg><style><i>x</i></style>"}, {"svg", "style", "i", "i", "style"});
    row("svg desc reads HTML", {"<svg><desc><textarea><b>x</b></textarea></desc></svg>"},
        {"svg", "desc", "textarea", "textarea", "desc", "svg"});
    row("an HTML tag ends svg", {"<svg><p><textarea><b>x</b></textarea>"},
        {"svg", "p", "textarea", "textarea"});
    row("end tag of svg", {"<svg></svg><textarea><b>x</b></textarea>"},
        {"svg", "svg", "textarea", "textarea"});
    row("end tag of an enclosing element", {"<div><svg></div><textarea><b>"},
        {"div", "svg", "div", "textarea"});
    row("</p> ends svg", {"<p><svg></p><textarea><b>"}, {"p", "svg", "p", "textarea"});
    row("stray end tag leaves svg open", {"<svg></x><title><b>"}, {"svg", "x", "title", "b"});
    row("annotation-xml reading HTML", {"<math><annotation-xml encoding=\"Text/HTML\"><textarea><b>"},
        {"math", "annotation", "xml", "encoding", "textarea"});
    row("annotation-xml reading MathML", {"<math><annotation-xml><textarea><b>x</b>"},
        {"math", "annotation", "xml", "textarea", "b", "b"});
}

void MarkupNamesTest::namesAsABrowserReadsThem()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, names);
    QCOMPARE(markedRuns(lines), names);
}

void MarkupNamesTest::agreesWithAnHtmlParser()
{
    // Every name letter the parser reports is marked, and changing the case of every marked letter leaves the
    // parser's tree as it was: no text, value or comment letter is marked.
    for (quint32 seed = 0; seed < 1500; ++seed) {
        for (const bool foreign : {false, true}) {
            MarkupGenerator generator(seed);
            MarkupGenerator::Settings settings;
            settings.foreign = foreign;
            const QString text = generator.generate(settings);
            const QBitArray names = markupNamePositions(text.split(u'\n'));
            const GumboReading reading = readWithGumbo(text);
            QString recased = text;
            qsizetype position = 0;
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text.at(i) == u'\n')
                    continue;
                const bool marked = names.testBit(position++);
                if (reading.nameLetters.testBit(i) && !marked)
                    QFAIL(qPrintable(QStringLiteral("seed %1: the name letter at %2 is not marked in\n%3")
                                         .arg(seed)
                                         .arg(i)
                                         .arg(text)));
                if (marked)
                    recased.replace(i, 1, withOtherCase(text.at(i)));
            }
            if (readWithGumbo(recased).tree != reading.tree)
                QFAIL(qPrintable(
                    QStringLiteral("seed %1: a marked letter is no name in\n%2").arg(seed).arg(text)));
        }
    }
}

void MarkupNamesTest::letterCaseAndLeadingBlanksChangeNoName()
{
    for (quint32 seed = 0; seed < 300; ++seed) {
        MarkupGenerator generator(seed);
        const QStringList lines = generator.generate({}).split(u'\n');
        const QBitArray names = markupNamePositions(lines);

        // Marked letters in another case, or as the Kelvin sign and the long s that fold like k and s.
        QStringList recased = lines;
        qsizetype position = 0;
        for (QString &line : recased) {
            for (QChar &c : line) {
                if (names.testBit(position++)) {
                    const QChar folded = c.toCaseFolded();
                    c = folded == u'k'   ? QChar(0x212A)
                        : folded == u's' ? QChar(0x017F)
                                         : withOtherCase(c).at(0);
                }
            }
        }
        QCOMPARE(markupNamePositions(recased), names);

        // Every other line's leading blanks replaced by three spaces, as the re-indentation does.
        QStringList reindented = lines;
        QBitArray expected(names.size() + 3 * lines.size());
        qsizetype from = 0;
        qsizetype to = 0;
        for (int i = 0; i < lines.size(); ++i) {
            qsizetype skipped = 0;
            if (i % 2 == 1) {
                while (skipped < lines.at(i).size() && lines.at(i).at(skipped).unicode() <= 32)
                    ++skipped;
                reindented[i] = QStringLiteral("   ") + lines.at(i).mid(skipped);
                to += 3;
            }
            for (qsizetype k = 0; k < lines.at(i).size(); ++k, ++from)
                if (k >= skipped)
                    expected.setBit(to++, names.testBit(from));
        }
        expected.resize(to);
        QCOMPARE(markupNamePositions(reindented), expected);
    }
}

QTEST_GUILESS_MAIN(MarkupNamesTest)
#include "tst_markupnames.moc"
