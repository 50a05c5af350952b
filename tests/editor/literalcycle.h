#pragma once

#include "editor/core/refreshengine.h"

class CodePane;

// The refresh cycle's line walk done literally on a code pane, one rich-text operation at a time
// (the base look given to the whole text, then per line the re-indentation and one recolouring per tag
// text, then the balance check's highlights, then the caret put back): the oracle the fast cycle is compared
// with. Returns the tag count and the balance report. The recolouring writes whole search texts back, so
// the pane's letters are those the walk reads; the letters the document keeps are the literal model's.
RefreshResult runLiteralCycle(CodePane *pane, const RefreshOptions &options);
