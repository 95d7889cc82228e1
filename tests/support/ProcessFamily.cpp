#include "tests/support/ProcessFamily.h"

#include <tlhelp32.h>

#include <vector>

#include "common/UniqueHandle.h"

namespace e2e {

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
            if (m_members.count(e.th32ParentProcessID) && m_members.insert(e.th32ProcessID).second) added = true;
        }
    }
    for (const PROCESSENTRY32W& e : entries)
        if (m_members.count(e.th32ProcessID)) return true;
    return false;
}

}  // namespace e2e
