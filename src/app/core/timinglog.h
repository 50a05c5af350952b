#pragma once

// Moments of the program's life for benchmarks that watch it from outside, as a pupil sees it. Only when the
// environment variable VELMARK_TIMING_LOG names a file is each moment appended to it, one line each:
// "<name> <nanoseconds of the system's monotonic clock>".
void noteMoment(const char *name);
