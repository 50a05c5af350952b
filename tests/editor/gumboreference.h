#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QString>

// What an HTML5 parser of its own (Gumbo) makes of a document, for tests that hold the name lexer against it.
struct GumboReading
{
    // One bit per character of the text: the letters a to z and A to Z of the tag and attribute names that
    // the parser reports for the elements it builds.
    QBitArray nameLetters;
    // The document tree it builds (elements with their namespace, names and attributes, text, comments and
    // the doctype), written out so that two readings compare as strings.
    QByteArray tree;
};

GumboReading readWithGumbo(const QString &text);
