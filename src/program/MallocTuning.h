#pragma once

namespace av {

// Has every thread share two malloc arenas instead of one each: the program's few threads
// (picture decoding, fontconfig, sound, the display's) allocate little, but an arena of its own
// keeps a thread's freed memory resident. Large blocks (drawn pages, decoded pictures) always
// get pages of their own, given back when freed, instead of glibc moving them into the heap
// after the first is freed, where they stay resident. Call before any thread starts.
void tuneMalloc();

// Blocks from this size up get pages of their own.
constexpr int OwnPagesFrom = 256 * 1024;

} // namespace av
