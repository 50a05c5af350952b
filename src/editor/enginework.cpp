#include "editor/enginework.h"

EngineWork &engineWork()
{
    thread_local EngineWork work;
    return work;
}
