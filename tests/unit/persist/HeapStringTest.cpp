// The updater's copy of the target path from its request resource.
#include "updater/HeapString.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

TEST(HeapString, CopiesExactlyTheBytesAskedForAndEndsThem) {
    // The path resource has no terminating zero; the block the copy gets
    // may have held other bytes, as one just freed here did.
    for (int i = 0; i < 16; ++i) {
        void* used = std::malloc(4);
        ASSERT_NE(used, nullptr);
        std::memset(used, 'x', 4);
        std::free(used);
        HeapString copy;
        ASSERT_TRUE(HeapString::CopyOf("abcdef", 3, copy));
        EXPECT_STREQ(copy.c_str(), "abc");
    }
}
