#pragma once

#include <QtGlobal>

// How much work the refresh engine did, counted by kind as its loops step (one addition per step, always on):
// tests compare these counts across documents to keep every cost growing in step with the document.
struct EngineWork
{
    qint64 characters = 0; // characters read by passes over lines, tag texts and entries
    qint64 candidates = 0; // texts compared (tag starts, occurrences, entries), one step per comparison
    qint64 covers = 0;     // character covers recorded, marked or consulted
    qint64 paintSteps = 0; // steps taken following letters back through the paints

    qint64 total() const { return characters + candidates + covers + paintSteps; }
};

// The counts of the calling thread, which runRefresh starts afresh and reports in its result. Inline, as the
// engine's innermost loops count every step.
inline thread_local EngineWork engineWorkOfThisThread;
inline EngineWork &engineWork()
{
    return engineWorkOfThisThread;
}
