// Ownership moves and ends with the owner: counted on traits that record
// each close, then on real kernel handles.
#include "common/UniqueHandle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<int> g_closed;

struct CountingTraits {
    using Handle = int;
    static int Empty() { return 0; }
    static bool IsOwned(int handle) { return handle != 0; }
    static void Close(int handle) { g_closed.push_back(handle); }
};
using Counted = UniqueHandle<CountingTraits>;

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { g_closed.clear(); }
};

TEST_F(UniqueHandleTest, MovesPassOwnershipAndCloseWhatWasOwnedBefore) {
    {
        Counted first(1);
        Counted second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), 1);
        Counted third(3);
        third = std::move(second);
        EXPECT_EQ(g_closed, std::vector<int>{3}) << "the target's own handle closes at once";
        EXPECT_EQ(third.get(), 1);
        third = std::move(third);
        EXPECT_EQ(third.get(), 1) << "a move onto itself keeps the handle";
    }
    EXPECT_EQ(g_closed, (std::vector<int>{3, 1})) << "each handle closes exactly once";
}

TEST_F(UniqueHandleTest, ResetClosesAndReleaseHandsOverUnclosed) {
    Counted owner(1);
    owner.reset(2);
    EXPECT_EQ(g_closed, std::vector<int>{1});
    EXPECT_EQ(owner.release(), 2);
    EXPECT_FALSE(owner);
    owner.reset();
    EXPECT_EQ(g_closed, std::vector<int>{1}) << "nothing owned, nothing closed";
}

TEST(KernelHandle, NeitherFailureValueIsOwnedAndARealHandleIsClosed) {
    EXPECT_FALSE(UniqueKernelHandle(nullptr));
    EXPECT_FALSE(UniqueKernelHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(UniqueFindHandle());
    UniqueKernelHandle event(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    const HANDLE raw = event.get();
    DWORD flags = 0;
    ASSERT_TRUE(::GetHandleInformation(raw, &flags));
    event.reset();
    EXPECT_FALSE(::GetHandleInformation(raw, &flags)) << "the event is still open";
}

}  // namespace
