#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The fuzzer's bytes as text: UTF-8, invalid sequences becoming replacement characters, as an opened file's
// text would.
inline QString textOf(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The text's lines, the way the code pane holds them: split at every line break, the empty line after a final
// break not counted.
inline QStringList linesOf(const QString &text, bool *endsWithLineBreak)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(u'\r', u'\n');
    QStringList lines = normalised.split(u'\n');
    *endsWithLineBreak = lines.size() > 1 && lines.constLast().isEmpty();
    if (*endsWithLineBreak || (lines.size() == 1 && lines.constLast().isEmpty()))
        lines.removeLast();
    return lines;
}

// Stops the run when a property the fuzz target checks does not hold.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            std::abort();                                                                                    \
    } while (false)
