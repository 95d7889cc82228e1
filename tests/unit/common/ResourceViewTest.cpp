// The resource view on the test program's own resources (CommonTest.rc).
#include "common/ResourceView.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ResourceView, FindsAResourceOfAnyLanguageInTheExecutable) {
    const ResourceView view = FindModuleResource(nullptr, MAKEINTRESOURCEA(1), RT_RCDATA);
    ASSERT_TRUE(view);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(view.data), view.size), "view");
}

TEST(ResourceView, AMissingResourceIsANullView) {
    EXPECT_FALSE(FindModuleResource(nullptr, MAKEINTRESOURCEA(2), RT_RCDATA));
    EXPECT_FALSE(FindModuleResource(nullptr, MAKEINTRESOURCEA(1), RT_BITMAP));
}

}  // namespace
