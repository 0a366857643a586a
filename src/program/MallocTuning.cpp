#include "MallocTuning.h"

#include <malloc.h>

namespace av {

void tuneMalloc() {
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 2);
#endif
#ifdef M_MMAP_THRESHOLD
    // Setting it at all also stops glibc raising it as large blocks are freed.
    mallopt(M_MMAP_THRESHOLD, OwnPagesFrom);
#endif
}

} // namespace av
