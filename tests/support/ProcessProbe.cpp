#include "tests/support/ProcessProbe.h"

#include "common/UniqueHandle.h"

#include <tlhelp32.h>

namespace testsupport {

std::vector<DWORD> ProcessProbe::Named(const std::wstring& exeName) {
    std::vector<DWORD> ids;
    UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        if (lstrcmpiW(entry.szExeFile, exeName.c_str()) == 0) ids.push_back(entry.th32ProcessID);
    }
    return ids;
}

}  // namespace testsupport
