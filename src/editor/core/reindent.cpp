#include "editor/core/reindent.h"

#include "editor/core/tagscan.h"

namespace {
const QString ThreeSpaces = QStringLiteral("   ");
}

QStringView withoutLeadingBlanks(QStringView line)
{
    qsizetype first = 0;
    while (first < line.size() && line.at(first).unicode() <= 32)
        ++first;
    return line.mid(first);
}

int columnAfterReindent(QStringView before, QStringView after, int column)
{
    const int oldIndent = int(before.size() - withoutLeadingBlanks(before).size());
    const int newIndent = int(after.size() - withoutLeadingBlanks(after).size());
    if (column >= oldIndent)
        return column - oldIndent + newIndent;
    return qMin(column, newIndent);
}

QString reindentedLine(QStringView line)
{
    return ThreeSpaces + withoutLeadingBlanks(line).toString();
}

QString standardReindented(QStringView previousLine, const QString &line)
{
    if (beginsWithLt(previousLine) && !beginsWithLt(line))
        return reindentedLine(line);
    return line;
}

QString templateReindentedLine(QStringView line)
{
    const QStringView stripped = withoutLeadingBlanks(line);
    if (beginsWithLt(stripped))
        return stripped.toString();
    return ThreeSpaces + stripped.toString();
}

QStringList templateReindented(const QStringList &lines, bool endsWithLineBreak)
{
    QStringList result;
    result.reserve(lines.size() + 1);
    for (const QString &line : lines)
        result.append(templateReindentedLine(line));
    // The rule for line i also re-indents line i + 1 when line i begins with "<" and line i + 1 does not; for
    // lines already visited that changes nothing, so only the empty line that ends the text is left to do.
    if (endsWithLineBreak && !result.isEmpty() && beginsWithLt(result.constLast()))
        result.append(ThreeSpaces);
    return result;
}
