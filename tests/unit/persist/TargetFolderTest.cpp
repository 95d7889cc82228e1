#include "TargetFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool NoLeadBytes(unsigned char)
{
    return false;
}

// Lead bytes of code page 936.
bool Gbk(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

std::string FolderOf(const std::string& path, LeadBytePredicate isLeadByte = NoLeadBytes)
{
    char out[260];
    if (!TargetFolderOf(path.c_str(), isLeadByte, out, sizeof(out)))
        return "<too long>";
    return out;
}

}  // namespace

TEST(TargetFolder, IsEverythingUpToTheLastSeparator)
{
    EXPECT_EQ(FolderOf("C:\\Tools\\Zorvane.exe"), "C:\\Tools\\");
    EXPECT_EQ(FolderOf("C:\\Zorvane.exe"), "C:\\");
    EXPECT_EQ(FolderOf("\\\\server\\share\\Zorvane.exe"), "\\\\server\\share\\");
    EXPECT_EQ(FolderOf("C:/Tools/Zorvane.exe"), "C:/Tools/");
    EXPECT_EQ(FolderOf("C:Zorvane.exe"), "C:");
    EXPECT_EQ(FolderOf("C:\\Tools\\"), "C:\\Tools\\");
}

TEST(TargetFolder, BareFileNameLivesInTheCurrentFolder)
{
    EXPECT_EQ(FolderOf("Zorvane.exe"), ".");
    EXPECT_EQ(FolderOf(""), ".");
    EXPECT_EQ(FolderPrefixLength("Zorvane.exe", NoLeadBytes), 0u);
}

TEST(TargetFolder, TrailBytesThatLookLikeABackslashDoNotSplit)
{
    // Paths in code page 936: 表 is B1 ED, and 荺 is C7 5C, whose trail byte
    // is a backslash.
    EXPECT_EQ(FolderOf("C:\\\xB1\xED\\Zorvane.exe", Gbk), "C:\\\xB1\xED\\");
    EXPECT_EQ(FolderOf("C:\\Tools\\\xC7\x5C.exe", Gbk), "C:\\Tools\\");
    EXPECT_EQ(FolderOf("C:\\\xC7\x5C\\Zorvane.exe", Gbk), "C:\\\xC7\x5C\\");
    // Byte-wise the same path would split inside the character.
    EXPECT_EQ(FolderOf("C:\\Tools\\\xC7\x5C.exe", NoLeadBytes), "C:\\Tools\\\xC7\x5C");
}

TEST(TargetFolder, ALeadByteAtTheEndDoesNotReadPastTheString)
{
    EXPECT_EQ(FolderOf("C:\\Tools\\\xC7", Gbk), "C:\\Tools\\");
}

TEST(TargetFolder, RefusesAnOutputThatIsTooSmall)
{
    char out[9];
    EXPECT_FALSE(TargetFolderOf("C:\\Tools\\Zorvane.exe", NoLeadBytes, out, sizeof(out)));
    char fits[10];
    ASSERT_TRUE(TargetFolderOf("C:\\Tools\\Zorvane.exe", NoLeadBytes, fits, sizeof(fits)));
    EXPECT_EQ(std::string(fits), "C:\\Tools\\");
    char one[1];
    EXPECT_FALSE(TargetFolderOf("Zorvane.exe", NoLeadBytes, one, sizeof(one)));
}
