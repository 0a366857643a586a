#include "program/MallocTuning.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <malloc.h>

using namespace av;

namespace {

[[maybe_unused]] size_t pagesOfTheirOwn() {
    return mallinfo2().hblkhd;
}

// Exits 0 when every large block had pages of its own and gave them back when freed, and small
// blocks still came from the heap; else says which did not and exits 1.
[[maybe_unused]] [[noreturn]] void checkLargeBlocks() {
    tuneMalloc();
    constexpr size_t Page = 2 * 1024 * 1024;
    int faults = 0;
    const auto fault = [&](const char* what, int round) {
        std::fprintf(stderr, "round %d: %s\n", round, what);
        ++faults;
    };
    for (int round = 0; round < 3; ++round) {
        const size_t before = pagesOfTheirOwn();
        void* block = std::malloc(Page);
        if (block == nullptr) std::exit(2);
        std::memset(block, 1, Page);
        if (pagesOfTheirOwn() < before + Page) fault("the block came from the heap", round);
        std::free(block);
        if (pagesOfTheirOwn() != before) fault("its pages were kept once it was freed", round);
    }
    const size_t before = pagesOfTheirOwn();
    void* small = std::malloc(OwnPagesFrom / 2);
    if (pagesOfTheirOwn() != before) {
        std::fprintf(stderr, "a small block had pages of its own\n");
        ++faults;
    }
    std::free(small);
    std::exit(faults == 0 ? 0 : 1);
}

} // namespace

// A drawn page freed must give its memory back, however many came before it: glibc would
// otherwise serve every later one from the heap, where freed pages stay resident.
TEST(MallocTuning, LargeBlocksKeepPagesOfTheirOwnAfterOthersWereFreed) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer has an allocator of its own";
#else
    // In a process of its own, started afresh, as the program tunes malloc before it draws
    // anything: space freed by tests run before in this one would serve the block from the heap.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(checkLargeBlocks(), ::testing::ExitedWithCode(0), "");
#endif
}
