#include "app/window/large_block_release.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

void ReleaseLargeBlocksWhenFreed()
{
#if defined(M_MMAP_THRESHOLD)
    // Setting the threshold fixes it, which is what stops it from rising.
    constexpr int kSeparateMappingBytes = 256 * 1024;
    mallopt(M_MMAP_THRESHOLD, kSeparateMappingBytes);
#endif
}
