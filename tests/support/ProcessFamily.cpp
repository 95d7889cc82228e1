#include "tests/support/ProcessFamily.h"

#include <tlhelp32.h>

#include <vector>

#include "common/UniqueHandle.h"

namespace testsupport {

namespace {

std::vector<PROCESSENTRY32W> AllProcesses() {
    std::vector<PROCESSENTRY32W> entries;
    UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return entries;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        entries.push_back(entry);
    return entries;
}

bool StillRunning(const UniqueKernelHandle& process) {
    return process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

// False also while the image is not known yet.
bool ImageInWindowsFolder(HANDLE process) {
    wchar_t image[MAX_PATH * 2];
    DWORD length = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process, 0, image, &length)) return false;
    wchar_t windows[MAX_PATH];
    const UINT folderLength = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    return folderLength > 0 && folderLength < MAX_PATH && length > folderLength && image[folderLength] == L'\\' &&
           CompareStringOrdinal(image, static_cast<int>(folderLength), windows, static_cast<int>(folderLength), TRUE) ==
               CSTR_EQUAL;
}

}  // namespace

void ProcessFamily::Add(DWORD pid) {
    if (m_members.count(pid) != 0) return;
    Member member;
    member.process.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    m_members.emplace(pid, std::move(member));
}

bool ProcessFamily::Counts(Member& member) {
    if (!member.process || member.fromWindowsFolder) return false;
    member.fromWindowsFolder = ImageInWindowsFolder(member.process.get());
    return !member.fromWindowsFolder;
}

bool ProcessFamily::AnyRunning() {
    const std::vector<PROCESSENTRY32W> entries = AllProcesses();
    if (entries.empty()) return true;  // cannot tell: assume the worst
    // Grandchildren may be listed before their parents: repeat until no
    // member is added.
    for (bool added = true; added;) {
        added = false;
        for (const PROCESSENTRY32W& e : entries) {
            // A parent never held open may have passed its id on already.
            const auto parent = m_members.find(e.th32ParentProcessID);
            if (parent != m_members.end() && Counts(parent->second) && m_members.count(e.th32ProcessID) == 0) {
                Add(e.th32ProcessID);
                added = true;
            }
        }
    }
    for (auto& member : m_members)
        if (Counts(member.second) && StillRunning(member.second.process)) return true;
    return false;
}

std::string ProcessFamily::DescribeRunning() {
    const std::vector<PROCESSENTRY32W> entries = AllProcesses();
    std::string text;
    for (auto& member : m_members) {
        if (!Counts(member.second) || !StillRunning(member.second.process)) continue;
        std::string name = "?";
        DWORD parent = 0;
        for (const PROCESSENTRY32W& e : entries) {
            if (e.th32ProcessID != member.first) continue;
            name.clear();
            for (const wchar_t* c = e.szExeFile; *c; ++c) name.push_back(*c < 128 ? static_cast<char>(*c) : '?');
            parent = e.th32ParentProcessID;
        }
        if (!text.empty()) text += ", ";
        text += name + " (" + std::to_string(member.first) + ", " + std::to_string(parent) + ")";
    }
    return text.empty() ? "none" : text;
}

}  // namespace testsupport
