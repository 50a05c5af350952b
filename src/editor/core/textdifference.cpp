#include "editor/core/textdifference.h"

SharedEnds sharedEnds(QStringView was, QStringView now)
{
    SharedEnds shared;
    while (shared.beginning < was.size() && shared.beginning < now.size() &&
           was.at(shared.beginning) == now.at(shared.beginning))
        ++shared.beginning;
    while (shared.end < was.size() - shared.beginning && shared.end < now.size() - shared.beginning &&
           was.at(was.size() - 1 - shared.end) == now.at(now.size() - 1 - shared.end))
        ++shared.end;
    return shared;
}
