#pragma once

#include "editor/core/balancecheck.h"

class CodePane;

// Writes the balance check's warnings into the message pane `RichEdit2`, one line each in its colour, bold,
// replacing what the pane held. One edit, so a long list costs one layout.
void writeWarningLines(CodePane *pane, const QList<BalanceWarning> &warnings);
