#pragma once

#include "core/programcolours.h"

#include <QString>
#include <QVector>

// One line of a presentation topic with the colour it is shown in (0x00BBGGRR). Every line is bold.
struct PresentationLine
{
    QString text;
    quint32 colour;
};

// A topic of the program presentation: its entry in the topic list and the lines of its explanation.
struct PresentationTopic
{
    QString entry;
    QVector<PresentationLine> lines;
};

// Colours of the presentation texts.
namespace PresentationColours {
constexpr quint32 darkRed = ProgramColours::DarkRed; // headings and prose
constexpr quint32 black = ProgramColours::Black;     // list introductions, the events introduction
constexpr quint32 purple = ProgramColours::Purple;   // list members and their explanations
} // namespace PresentationColours

// The 22 topics of the program presentation, in the order of the topic list. Entries that begin with "  - "
// are sub-topics of the entry above them.
const QVector<PresentationTopic> &presentationTopics();
