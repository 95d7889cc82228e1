#include "tests/support/TestFolder.h"

#include "common/UniqueHandle.h"
#include "tests/support/CodePage.h"
#include "tests/support/FileContents.h"
#include "tests/support/WaitUntil.h"

#include <algorithm>
#include <utility>

namespace testsupport {

namespace {

// The files and folders directly inside folder.
std::vector<WIN32_FIND_DATAW> EntriesOf(const std::wstring& folder) {
    std::vector<WIN32_FIND_DATAW> entries;
    WIN32_FIND_DATAW data;
    const UniqueFindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (!find) return entries;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") entries.push_back(data);
    } while (FindNextFileW(find.get(), &data));
    return entries;
}

bool RemoveTree(const std::wstring& path) {
    for (const WIN32_FIND_DATAW& entry : EntriesOf(path)) {
        const std::wstring child = path + L"\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(child);
        } else {
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(child.c_str());
        }
    }
    return RemoveDirectoryW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TestFolder::TestFolder() {
    wchar_t temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return;
    static unsigned sequence = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring candidate = std::wstring(temp) + L"zorvane-test-" + std::to_wstring(GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(++sequence);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            m_path = candidate;
            return;
        }
    }
}

// A program a test's updater restarted may still be on its way out.
TestFolder::~TestFolder() { Remove(kActionTimeoutMs); }

TestFolder::TestFolder(TestFolder&& other) noexcept : m_path(std::exchange(other.m_path, {})) {}

std::wstring TestFolder::File(const std::wstring& name) const { return m_path + L"\\" + name; }

std::string TestFolder::File(const std::string& name) const { return ToAnsi(File(FromAnsi(name))); }

bool TestFolder::CopyIn(const std::wstring& source, const std::wstring& name) const {
    return Valid() && CopyFileW(source.c_str(), File(name).c_str(), TRUE);
}

bool TestFolder::WriteBytes(const std::wstring& name, const std::string& bytes) const {
    return Valid() && FileContents::Write(File(name), bytes.data(), bytes.size());
}

bool TestFolder::MakeDirectory(const std::wstring& name) const {
    return Valid() && CreateDirectoryW(File(name).c_str(), nullptr);
}

bool TestFolder::Exists(const std::wstring& name) const {
    return Valid() && GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> TestFolder::FileNames() const {
    std::vector<std::wstring> names;
    if (!Valid()) return names;
    for (const WIN32_FIND_DATAW& entry : EntriesOf(m_path)) names.push_back(entry.cFileName);
    std::sort(names.begin(), names.end());
    return names;
}

bool TestFolder::Remove(DWORD timeoutMs) {
    if (!Valid()) return true;
    const std::wstring path = m_path;
    if (!WaitUntil([&] { return RemoveTree(path); }, timeoutMs)) return false;
    m_path.clear();
    return true;
}

}  // namespace testsupport
