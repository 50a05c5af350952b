#pragma once

#include "editor/core/charlook.h"

#include <QTextCharFormat>
#include <QVector>

class CodePane;

// The base look of the code pane: black, 11 points, the pane's face, not bold, on white.
QTextCharFormat baseLookFormat();
// The base look in the face of this pane.
QTextCharFormat baseLookOf(const CodePane *pane);
// The look of a painted run: its colour, bold.
QTextCharFormat paintedLookFormat(quint32 colour);
// Gives every line of the document the base look with its painted runs on it (lines past the end of `looks`
// have none). Only the stretches of characters whose look differs are set; returns their number.
int applyLooks(CodePane *pane, const QVector<QVector<LookRun>> &looks);
