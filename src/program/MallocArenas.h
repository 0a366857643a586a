#pragma once

namespace av {

// Has every thread share two malloc arenas instead of one each: the program's few threads
// (picture decoding, fontconfig, sound, the display's) allocate little, but an arena of its own
// keeps a thread's freed memory resident. Call before any thread starts.
void shareMallocArenas();

} // namespace av
