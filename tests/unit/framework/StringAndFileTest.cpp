#include <gtest/gtest.h>

#include <string>

#include "framework/CFileFind.h"
#include "framework/CString.h"
#include "tests/support/FileContents.h"
#include "tests/support/TestFolder.h"
#include "tests/unit/framework/FrameworkTestIds.h"

namespace {

TEST(CStringTest, SlicesClampToTheString) {
    CString s("C:\\Tools\\Zorvane.exe");
    EXPECT_EQ(s.ReverseFind('\\'), 8);
    EXPECT_STREQ(s.Left(2), "C:");
    EXPECT_STREQ(s.Mid(9), "Zorvane.exe");
    EXPECT_STREQ(s.Mid(9, 7), "Zorvane");
    EXPECT_STREQ(s.Left(-3), "");
    EXPECT_STREQ(s.Left(99), s);
    EXPECT_STREQ(s.Mid(99), "");
    EXPECT_STREQ(s.Mid(3, -1), "");
    EXPECT_EQ(s.ReverseFind('#'), -1);
    EXPECT_EQ(s.Find('\\', 3), 8);
    EXPECT_EQ(s.Find('\\', 99), -1);
}

TEST(CStringTest, LoadsChineseStringsInTheAnsiCodePage) {
    CString s;
    ASSERT_TRUE(s.LoadString(IDS_TEST_CHINESE));
    wchar_t wide[16] = {};
    ::MultiByteToWideChar(CP_ACP, 0, s, -1, wide, 16);
    EXPECT_STREQ(wide, L"热键置顶");
    ASSERT_EQ(::GetACP(), 936u) << "tests run with the Chinese ANSI code page";
    EXPECT_EQ(s.GetLength(), 8) << "four double-byte characters";
    CString missing("keep");
    EXPECT_FALSE(missing.LoadString(9999));
    EXPECT_TRUE(missing.IsEmpty());
}

TEST(FileFindTest, FindsExistingFilesOnly) {
    testsupport::TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    const std::string path = folder.File("zv_filefind_probe.txt");
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile(path.c_str()));
    ASSERT_TRUE(testsupport::FileContents::Write(path, testsupport::Bytes{}));
    EXPECT_TRUE(finder.FindFile(path.c_str()));
    EXPECT_STREQ(finder.GetFileName(), "zv_filefind_probe.txt");
    EXPECT_FALSE(finder.IsDirectory());
    EXPECT_FALSE(finder.FindNextFile());
    finder.Close();
    EXPECT_FALSE(finder.FindFile(""));
}

}  // namespace
