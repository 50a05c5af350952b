#include "documentgenerator.h"

namespace {

const QStringList TagNames = {QStringLiteral("p"),  QStringLiteral("b"),     QStringLiteral("td"),
                              QStringLiteral("tr"), QStringLiteral("table"), QStringLiteral("font"),
                              QStringLiteral("h2"), QStringLiteral("title"), QStringLiteral("a"),
                              QStringLiteral("br"), QStringLiteral("img"),   QStringLiteral("li")};
const QStringList Attributes = {QStringLiteral(" border=\"1\""), QStringLiteral(" color=\"#4f598e\""),
                                QStringLiteral(" size=\"4\" "), QStringLiteral(" align=center")};
const QStringList Addresses = {QStringLiteral(" href=\"http://www.example.gr/a.htm\""),
                               QStringLiteral(" src=\"https://media.example.com/v//x.jpg\"")};
const QStringList Words = {QStringLiteral("text"),   QStringLiteral("Velmark"), QStringLiteral("html"),
                           QStringLiteral("lesson"), QStringLiteral("page"),    QStringLiteral("a"),
                           QStringLiteral("TD"),     QStringLiteral("p")};
const QStringList GreekWords = {QStringLiteral("σελίδα"), QStringLiteral("ΠΙΝΑΚΑΣ"), QStringLiteral("ς"),
                                QStringLiteral("Σ")};
const QStringList IrregularPieces = {QStringLiteral("<"),
                                     QStringLiteral(">"),
                                     QStringLiteral("<>"),
                                     QStringLiteral("<! -- x -->"),
                                     QStringLiteral("<!-- σχόλιο -->"),
                                     QStringLiteral("<<x>"),
                                     QStringLiteral("<a<b>"),
                                     QStringLiteral("< p>"),
                                     QStringLiteral("<META charset=\"x\">"),
                                     QStringLiteral("<Σ>"),
                                     QStringLiteral("<ς>"),
                                     QStringLiteral("</σ>"),
                                     QStringLiteral("x > y"),
                                     QStringLiteral("<!>"),
                                     QStringLiteral("<//>"),
                                     QStringLiteral("<<b><b>"),
                                     QStringLiteral("<B><b><B>")};

} // namespace

DocumentGenerator::DocumentGenerator(quint32 seed) : m_random(seed) {}

bool DocumentGenerator::chance(int percent)
{
    return below(100) < percent;
}

int DocumentGenerator::below(int bound)
{
    return int(m_random.bounded(bound));
}

QString DocumentGenerator::pick(const QStringList &choices)
{
    return choices.at(below(int(choices.size())));
}

QStringList DocumentGenerator::generate(const Settings &settings)
{
    QStringList lines;
    lines.reserve(settings.lineCount);
    for (int i = 0; i < settings.lineCount; ++i)
        lines.append(lineOf(settings));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.last() = QStringLiteral("</HTML>");
    return lines;
}

QString DocumentGenerator::lineOf(const Settings &settings)
{
    if (settings.irregular && chance(8))
        return chance(50) ? QString() : indentation(true);

    // Lines without tags now and then; otherwise around the wanted number of tags, mixed with words.
    int tags = settings.tagsPerLine;
    if (settings.irregular)
        tags = chance(15) ? 0 : below(2 * settings.tagsPerLine + 1);
    const int length = settings.lineLength - 4 + below(9);
    QString line = indentation(settings.irregular);
    int placed = 0;
    while (placed < tags || line.size() < length) {
        if (placed < tags && (line.size() >= length || chance(50))) {
            line += tag(settings.irregular);
            ++placed;
        } else {
            line += word(settings.irregular) + u' ';
        }
    }
    return line;
}

QString DocumentGenerator::tag(bool irregular)
{
    if (irregular && chance(20))
        return irregularPiece();
    const QString name = tagName(irregular);
    if (chance(45)) {
        if (irregular && chance(10))
            return QStringLiteral("</") + name +
                   (chance(50) ? QStringLiteral(" >") : pick(Attributes) + u'>');
        return QStringLiteral("</") + name + u'>';
    }
    QString attributes;
    if (chance(25))
        attributes = pick(Attributes);
    else if (irregular && chance(10))
        attributes = pick(Addresses);
    return u'<' + name + attributes + u'>';
}

QString DocumentGenerator::tagName(bool irregular)
{
    const QString name = pick(TagNames);
    const int caseStyle = below(irregular ? 4 : 2);
    if (caseStyle == 0)
        return name;
    if (caseStyle == 1)
        return name.toUpper();
    if (caseStyle == 2)
        return name.at(0).toUpper() + name.mid(1);
    QString mixed = name;
    for (QChar &c : mixed) {
        if (chance(50))
            c = c.toUpper();
    }
    return mixed;
}

QString DocumentGenerator::irregularPiece()
{
    return pick(IrregularPieces);
}

QString DocumentGenerator::word(bool irregular)
{
    return irregular && chance(15) ? pick(GreekWords) : pick(Words);
}

QString DocumentGenerator::indentation(bool irregular)
{
    QString indent(chance(40) ? 0 : below(7), u' ');
    if (irregular && chance(10))
        indent.prepend(u'\t');
    return indent;
}

QString DocumentGenerator::ordinaryDocument(int lines, quint32 seed)
{
    DocumentGenerator generator(seed);
    Settings settings;
    settings.lineCount = lines;
    settings.lineLength = 40;
    settings.tagsPerLine = 2;
    return generator.generate(settings).join(QLatin1Char('\n'));
}

QString DocumentGenerator::ordinaryOfSize(int characters)
{
    return ordinaryDocument(qMax(1, characters / 42), 7);
}

QString DocumentGenerator::oneLineScript(int lessThans)
{
    QString line = QStringLiteral("<script>");
    for (int i = 0; line.count(u'<') < lessThans; ++i)
        line +=
            QStringLiteral("for(i=0;i<n;i++){if(a[i]<b)s+='<td>'+i;else t=x<y?1:2;} ").left(i % 3 ? 44 : 60);
    return line + QStringLiteral("</script>");
}

QString DocumentGenerator::oneLineLoopScript(int comparisons)
{
    QString line = QStringLiteral("<script>");
    for (int k = 0; k < comparisons; ++k)
        line += QStringLiteral("for(i=0;i<%1;i++)x();").arg(k);
    return line + QStringLiteral("</script>");
}

QString DocumentGenerator::minifiedLibrary(int characters)
{
    // Pieces as a minifier writes them, about as often as they come in a library: most are code without a
    // blank, some begin with a keyword and a blank, a few hold markup or a regular expression.
    static const QStringList pieces = {
        QStringLiteral("function(e,t){"),
        QStringLiteral("return "),
        QStringLiteral("var n=e.length,r=0;"),
        QStringLiteral("for(;r<n;r++)"),
        QStringLiteral("if(t.call(e[r],r,e[r])===!1)break;"),
        QStringLiteral("n>0&&n-1 in e"),
        QStringLiteral("}"),
        QStringLiteral("typeof e"),
        QStringLiteral("===\"string\"?"),
        QStringLiteral("e.nodeType===1&&"),
        QStringLiteral("(i=t.exec(e))?"),
        QStringLiteral("\"<div>\""),
        QStringLiteral("\"</div>\""),
        QStringLiteral("\"<input type='checkbox'/>\""),
        QStringLiteral("\"<select multiple='multiple'><option value=''></option></select>\""),
        QStringLiteral("/^<([a-z][^\\/\\0>:\\x20\\t\\r\\n\\f]*)[\\x20\\t\\r\\n\\f]*\\/?>/i"),
        QStringLiteral("a.compareDocumentPosition(b)&4?-1:1;"),
        QStringLiteral("o<s&&"),
        QStringLiteral("a[o]>b[o]"),
        QStringLiteral("new RegExp(\"^\"+r+\"*\")"),
        QStringLiteral("else "),
        QStringLiteral("in "),
        QStringLiteral("this.each(function(){S(this).remove()})"),
        QStringLiteral("e.style.display=\"none\";"),
        QStringLiteral("w.fn.extend({"),
        QStringLiteral("css:function(e,t){"),
        QStringLiteral("u>1?"),
        QStringLiteral("i=i<0?i+n:i;"),
    };
    DocumentGenerator generator(11);
    QString line;
    while (line.size() < characters)
        line += generator.pick(pieces);
    return line;
}

QString DocumentGenerator::lessThansOnly(int count)
{
    return QString(count, u'<');
}

QString DocumentGenerator::lessThansThenOneGreaterThan(int count)
{
    return QString(count, u'<') + u'>';
}

QString DocumentGenerator::distinctTagNames(int count)
{
    QStringList lines;
    QString line;
    for (int i = 0; i < count; ++i) {
        line += QStringLiteral("<tag%1>").arg(i) + QStringLiteral("x ");
        if (i % 4 == 3) {
            lines.append(line);
            line.clear();
        }
    }
    lines.append(line);
    return lines.join(u'\n');
}

QString DocumentGenerator::distinctTagsWithinTags(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("<i<b%1> x").arg(i));
    return lines.join(u'\n');
}

QString DocumentGenerator::oneLongLine(int characters)
{
    DocumentGenerator generator(7);
    Settings settings;
    settings.lineCount = qMax(1, characters / 42);
    settings.irregular = false;
    return generator.generate(settings).join(QLatin1Char(' '));
}
