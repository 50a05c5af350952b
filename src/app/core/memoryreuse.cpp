#include "app/core/memoryreuse.h"

#include <cstdlib> // defines __GLIBC__ with the C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
// Free memory at the top of the heap beyond this goes back to the system.
constexpr int KeptFreeBytes = 128 * 1024 * 1024;
} // namespace

void keepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    // Blocks of any size come from the heap (a block mapped on its own would be unmapped when freed), and the
    // heap keeps up to KeptFreeBytes of free memory at its top.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, KeptFreeBytes);
#endif
}
