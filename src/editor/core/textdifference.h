#pragma once

#include <QStringView>

// What differs between two texts: the characters they share at their beginning and at their end. Writing
// only the middle between them keeps a change as small as it can be.
struct SharedEnds
{
    qsizetype beginning = 0; // characters shared at the beginning
    qsizetype end = 0;       // characters shared at the end, not overlapping the beginning in either text
};
SharedEnds sharedEnds(QStringView was, QStringView now);
