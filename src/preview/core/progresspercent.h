#pragma once

#include <optional>

// The position the download progress bar takes for one progress notification of the browser: Progress × 100 /
// ProgressMax, truncated to a whole number and held inside the bar's range [barMinimum, barMaximum] (a bar
// whose maximum a refresh left below 100 shows its maximum). No value means the bar keeps its position: the
// finished download's Progress of -1, a Progress above ProgressMax, and a ProgressMax of 0 or less, for which
// there is no percentage. The product is taken in 64 bits, so large byte counts cannot overflow into a wrong
// position.
std::optional<int> progressPercent(int progress, int progressMax, int barMinimum, int barMaximum);
