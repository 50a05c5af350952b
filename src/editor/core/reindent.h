#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The three-space indentation the refresh cycle gives to lines that follow a tag line.

// The line without its leading characters whose codes are 32 or less (spaces and control characters).
QStringView withoutLeadingBlanks(QStringView line);

// Where a caret at `column` of a line stands once the line was re-indented from `before` to `after`: by the
// same character of its text, so text typed before a refresh stays before the caret; a caret inside the old
// indentation stays inside the new one.
int columnAfterReindent(QStringView before, QStringView after, int column);

// "   " followed by the line without its leading blanks.
QString reindentedLine(QStringView line);

// The standard rule for line i, given line i - 1 above it: when the line above begins with "<" and this line
// does not, the re-indented line; otherwise the line unchanged (the same string, not a copy). Line 0 has no
// line above and never changes.
QString standardReindented(QStringView previousLine, const QString &line);

// The template rule for one line: the line without its leading blanks, with "   " in front unless it then
// begins with "<".
QString templateReindentedLine(QStringView line);

// The template rule over a whole document, walked from the last line to the first. Every line gets the
// one-line template rule. When the text ends with a line break, the empty line after the last line is set to
// three spaces if the last line then begins with "<": that line is appended to the result, and the text no
// longer ends with a line break.
QStringList templateReindented(const QStringList &lines, bool endsWithLineBreak);
