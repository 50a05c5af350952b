#pragma once

#include "editor/charlook.h"

#include <QTextCharFormat>
#include <QVector>

class CodePane;

// The base look of the code pane: black, 11 points, the pane's face, not bold, on white.
QTextCharFormat baseLookFormat();
// The base look in the face of this pane.
QTextCharFormat baseLookOf(const CodePane *pane);
// The look of a painted run: its colour, bold.
QTextCharFormat paintedLookFormat(quint32 colour);
// Gives the whole document the base look, then each line its painted runs.
void applyLooks(CodePane *pane, const QVector<QVector<LookRun>> &looks);
