#include "tests/support/TestFolder.h"

#include "tests/support/WaitUntil.h"

#include <utility>

namespace e2e {

namespace {

bool RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
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
        const std::wstring candidate = std::wstring(temp) + L"zorvane-e2e-" +
                                       std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(++sequence);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            m_path = candidate;
            return;
        }
    }
}

TestFolder::~TestFolder() { Remove(5000); }

TestFolder::TestFolder(TestFolder&& other) noexcept : m_path(std::exchange(other.m_path, {})) {}

std::wstring TestFolder::File(const std::wstring& name) const { return m_path + L"\\" + name; }

bool TestFolder::CopyIn(const std::wstring& source, const std::wstring& name) const {
    return Valid() && CopyFileW(source.c_str(), File(name).c_str(), TRUE);
}

bool TestFolder::WriteBytes(const std::wstring& name, const std::string& bytes) const {
    if (!Valid()) return false;
    const HANDLE file = CreateFileW(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool TestFolder::MakeDirectory(const std::wstring& name) const {
    return Valid() && CreateDirectoryW(File(name).c_str(), nullptr);
}

bool TestFolder::Exists(const std::wstring& name) const {
    return Valid() && GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TestFolder::Remove(DWORD timeoutMs) {
    if (!Valid()) return true;
    const std::wstring path = m_path;
    if (!WaitUntil([&] { return RemoveTree(path); }, timeoutMs)) return false;
    m_path.clear();
    return true;
}

}  // namespace e2e
