// The updater's folder for its copy of the target; the split itself is
// tested with the code pages in tests/unit/common.
#include "updater/TargetFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool NoLeadBytes(unsigned char) { return false; }

std::string FolderOf(const std::string& path) {
    char out[260];
    if (!TargetFolderOf(path.c_str(), NoLeadBytes, out, sizeof(out))) return "<too long>";
    return out;
}

}  // namespace

TEST(TargetFolder, IsEverythingUpToTheLastSeparatorOrTheCurrentFolder) {
    EXPECT_EQ(FolderOf("C:\\Tools\\Zorvane.exe"), "C:\\Tools\\");
    EXPECT_EQ(FolderOf("C:Zorvane.exe"), "C:");
    EXPECT_EQ(FolderOf("Zorvane.exe"), ".");
    EXPECT_EQ(FolderOf(""), ".");
}

TEST(TargetFolder, RefusesAnOutputThatIsTooSmall) {
    char out[9];
    EXPECT_FALSE(TargetFolderOf("C:\\Tools\\Zorvane.exe", NoLeadBytes, out, sizeof(out)));
    char fits[10];
    ASSERT_TRUE(TargetFolderOf("C:\\Tools\\Zorvane.exe", NoLeadBytes, fits, sizeof(fits)));
    EXPECT_EQ(std::string(fits), "C:\\Tools\\");
    char one[1];
    EXPECT_FALSE(TargetFolderOf("Zorvane.exe", NoLeadBytes, one, sizeof(one)));
}
