#include "tests/support/ProcessFamily.h"

#include <tlhelp32.h>

#include <vector>

#include "common/UniqueHandle.h"

namespace testsupport {

void ProcessFamily::Add(DWORD pid) {
    if (m_members.count(pid) == 0) m_members.emplace(pid, UniqueKernelHandle(OpenProcess(SYNCHRONIZE, FALSE, pid)));
}

bool ProcessFamily::AnyRunning() {
    UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return true;  // cannot tell: assume the worst
    std::vector<PROCESSENTRY32W> entries;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        entries.push_back(entry);
    // Grandchildren may be listed before their parents: repeat until no
    // member is added.
    for (bool added = true; added;) {
        added = false;
        for (const PROCESSENTRY32W& e : entries) {
            // A parent never held open may have passed its id on already.
            const auto parent = m_members.find(e.th32ParentProcessID);
            if (parent != m_members.end() && parent->second && m_members.count(e.th32ProcessID) == 0) {
                Add(e.th32ProcessID);
                added = true;
            }
        }
    }
    for (const auto& member : m_members)
        if (member.second && WaitForSingleObject(member.second.get(), 0) == WAIT_TIMEOUT) return true;
    return false;
}

}  // namespace testsupport
