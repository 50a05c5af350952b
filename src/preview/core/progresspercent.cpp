#include "preview/core/progresspercent.h"

#include <algorithm>
#include <cstdint>

std::optional<int> progressPercent(int progress, int progressMax, int barMinimum, int barMaximum)
{
    if (progress == -1 || progress > progressMax || progressMax <= 0)
        return std::nullopt;
    const std::int64_t percent = std::int64_t(progress) * 100 / progressMax;
    return int(std::clamp<std::int64_t>(percent, barMinimum, std::max(barMinimum, barMaximum)));
}
