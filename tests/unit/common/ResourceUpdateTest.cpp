// The one owner of a resource update, on a copy of this test program: an
// update ends committed or leaves the file exactly as it was.
#include "common/ResourceUpdate.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/ExeResources.h"
#include "tests/support/FileContents.h"
#include "tests/support/TestFolder.h"

namespace {

using testsupport::Bytes;
using testsupport::ExeResources;
using testsupport::FileContents;

const char kType[] = "HOTKEY";
const WORD kId = 77;
const WORD kLanguage = 2052;
const unsigned char kValue[] = {1, 2, 3, 4};

class ResourceUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.Valid());
        wchar_t self[MAX_PATH] = {};
        ASSERT_NE(::GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
        ASSERT_TRUE(m_folder.CopyIn(self, L"copy.exe"));
        m_copy = m_folder.File(std::string("copy.exe"));
        m_before = FileContents::Read(m_copy);
    }

    testsupport::TestFolder m_folder;
    std::string m_copy;
    Bytes m_before;
};

TEST_F(ResourceUpdateTest, AnUpdateEndedWithoutACommitLeavesTheFileAsItWas) {
    {
        ResourceUpdate update;
        ASSERT_TRUE(update.Open(m_copy.c_str()));
        ASSERT_TRUE(update.Put(kType, kId, kLanguage, kValue, sizeof(kValue)));
    }
    EXPECT_EQ(FileContents::Read(m_copy), m_before);
}

TEST_F(ResourceUpdateTest, ACommitWritesWhatWasPutAndClosesTheUpdate) {
    ResourceUpdate update;
    ASSERT_TRUE(update.Open(m_copy.c_str()));
    ASSERT_TRUE(update.Put(kType, kId, kLanguage, kValue, sizeof(kValue)));
    ASSERT_TRUE(update.Commit());
    EXPECT_EQ(ExeResources::All(m_copy).at(ExeResources::Key(kType, kId, kLanguage)), Bytes({1, 2, 3, 4}));
    EXPECT_FALSE(update.Put(kType, kId, kLanguage, kValue, sizeof(kValue))) << "nothing is open after the commit";
    EXPECT_FALSE(update.Commit());
}

}  // namespace
