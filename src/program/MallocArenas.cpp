#include "MallocArenas.h"

#include <malloc.h>

namespace av {

void shareMallocArenas() {
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 2);
#endif
}

} // namespace av
