#include "tests/unit/persist/UpdaterTestFolder.h"

#include "tests/support/WaitUntil.h"

#include <windows.h>

#include <algorithm>

namespace {

int g_folderCount = 0;

bool RemoveEverythingIn(const TestFolder& folder)
{
    bool removed = true;
    for (const std::string& name : folder.FileNames()) {
        const std::string path = folder.Join(name);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(path.c_str()) && !RemoveDirectoryA(path.c_str()))
            removed = false;
    }
    return removed && RemoveDirectoryA(folder.path().c_str());
}

}  // namespace

TestFolder::TestFolder()
{
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH)
        return;
    m_path = std::string(temp) + "brisklet-" + std::to_string(GetCurrentProcessId()) + "-"
             + std::to_string(GetTickCount()) + "-" + std::to_string(++g_folderCount) + "\\";
    m_created = CreateDirectoryA(m_path.c_str(), nullptr) != FALSE;
}

TestFolder::~TestFolder()
{
    if (!m_created)
        return;
    // A program the updater restarted may still be on its way out.
    e2e::WaitUntil([this] { return RemoveEverythingIn(*this); }, 10000);
}

std::vector<std::string> TestFolder::FileNames() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}
