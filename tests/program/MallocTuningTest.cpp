#include "program/MallocTuning.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <malloc.h>

using namespace av;

namespace {

[[maybe_unused]] size_t pagesOfTheirOwn() {
    return mallinfo2().hblkhd;
}

} // namespace

// A drawn page freed must give its memory back, however many came before it: glibc would
// otherwise serve every later one from the heap, where freed pages stay resident.
TEST(MallocTuning, LargeBlocksKeepPagesOfTheirOwnAfterOthersWereFreed) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer has an allocator of its own";
#else
    tuneMalloc();
    constexpr size_t Page = 2 * 1024 * 1024;
    for (int round = 0; round < 3; ++round) {
        const size_t before = pagesOfTheirOwn();
        void* block = std::malloc(Page);
        ASSERT_NE(block, nullptr);
        std::memset(block, 1, Page);
        EXPECT_GE(pagesOfTheirOwn(), before + Page) << "round " << round;
        std::free(block);
        EXPECT_EQ(pagesOfTheirOwn(), before) << "round " << round;
    }
    // Small blocks still come from the heap.
    const size_t before = pagesOfTheirOwn();
    void* small = std::malloc(OwnPagesFrom / 2);
    EXPECT_EQ(pagesOfTheirOwn(), before);
    std::free(small);
#endif
}
