// A module's own path, read whole or not at all: a path that does not fit,
// with a byte to spare, is reported instead of cut.
#include "common/ModuleFileName.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/UniqueHandle.h"
#include "tests/support/CodePage.h"
#include "tests/support/TestFolder.h"

namespace {

std::string OwnPath() {
    char path[1024] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof(path));
    return length < sizeof(path) ? std::string(path, length) : std::string();
}

// Every buffer size from 0 to the path's length plus one gives nothing; from
// plus two on, the whole path.
void ExpectReadWholeOrNotAtAll(HMODULE module, const std::string& path) {
    const DWORD length = static_cast<DWORD>(path.size());
    for (DWORD size = 0; size <= length + 2; ++size) {
        std::string buffer(length + 2, 'x');
        const DWORD read = ModuleFileName::ReadInto(module, size != 0 ? &buffer[0] : nullptr, size);
        if (size >= length + 2) {
            EXPECT_EQ(read, length);
            EXPECT_STREQ(buffer.c_str(), path.c_str());
        } else {
            EXPECT_EQ(read, 0u) << "size " << size;
            EXPECT_TRUE(size == 0 || buffer[0] == '\0') << "size " << size;
        }
    }
}

TEST(ModuleFileName, APathThatDoesNotFitWithAByteToSpareIsNotRead) {
    const std::string self = OwnPath();
    ASSERT_FALSE(self.empty());
    ExpectReadWholeOrNotAtAll(nullptr, self);
}

TEST(ModuleFileName, ACutDoubleByteCharacterIsNotTakenForTheEndOfThePath) {
    // 置顶 in code page 936: four bytes, two characters.
    testsupport::TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    ASSERT_TRUE(folder.MakeDirectory(L"置顶置顶"));
    wchar_t self[MAX_PATH] = {};
    ASSERT_NE(::GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    const std::wstring copy = folder.File(std::wstring(L"置顶置顶\\置顶.dll"));
    ASSERT_TRUE(::CopyFileW(self, copy.c_str(), TRUE));
    {
        const UniqueModule module(::LoadLibraryExW(copy.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
        ASSERT_TRUE(module);
        ExpectReadWholeOrNotAtAll(module.get(), testsupport::ToAnsi(copy));
        ModuleFileName path;
        ASSERT_TRUE(path.Read(module.get()));
        EXPECT_STREQ(path.Name(), "\xD6\xC3\xB6\xA5.dll");
    }
}

}  // namespace
