// The marker on real top-level windows of the test program.
#include "common/InstanceMarker.h"

#include <gtest/gtest.h>

namespace {

class TopLevelWindow {
public:
    TopLevelWindow()
        : m_window(::CreateWindowExA(0, "STATIC", "marker test", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr)) {}
    ~TopLevelWindow() {
        ::RemovePropA(m_window, InstanceMarker::kName);
        ::DestroyWindow(m_window);
    }
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;
    HWND get() const { return m_window; }

private:
    HWND m_window;
};

TEST(InstanceMarker, AMarkedWindowIsFoundFirst) {
    TopLevelWindow unmarked;
    TopLevelWindow marked;
    ASSERT_NE(marked.get(), nullptr);
    EXPECT_EQ(InstanceMarker::FindFirst(), nullptr) << "a marked window is open before the test";
    ASSERT_TRUE(InstanceMarker::Mark(marked.get()));
    EXPECT_TRUE(InstanceMarker::IsMarked(marked.get()));
    EXPECT_FALSE(InstanceMarker::IsMarked(unmarked.get()));
    EXPECT_EQ(InstanceMarker::FindFirst(), marked.get());
}

TEST(InstanceMarker, AnotherValueMarksNothing) {
    TopLevelWindow window;
    for (const UINT_PTR value : {InstanceMarker::kValue - 1, InstanceMarker::kValue + 1}) {
        ASSERT_TRUE(::SetPropA(window.get(), InstanceMarker::kName, reinterpret_cast<HANDLE>(value)));
        EXPECT_FALSE(InstanceMarker::IsMarked(window.get())) << value;
        EXPECT_EQ(InstanceMarker::FindFirst(), nullptr) << value;
    }
}

}  // namespace
