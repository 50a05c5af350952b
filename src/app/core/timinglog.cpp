#include "app/core/timinglog.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <ctime>

void noteMoment(const char *name)
{
    static const QByteArray path = qgetenv("VELMARK_TIMING_LOG");
    if (path.isEmpty())
        return;
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (std::FILE *log = std::fopen(path.constData(), "a")) {
        std::fprintf(log, "%s %lld\n", name, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fclose(log);
    }
}
