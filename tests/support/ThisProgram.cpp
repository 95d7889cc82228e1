#include "tests/support/ThisProgram.h"

#include <windows.h>

#include <vector>

#include "tests/support/CodePage.h"

namespace testsupport {

std::wstring ThisProgram::Beside(const std::wstring& relative) {
    // Test programs live deep in build folders; MAX_PATH is not a limit here.
    std::vector<wchar_t> module(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()))) == module.size())
        module.resize(module.size() * 2);
    const std::wstring self(module.data(), length);
    const std::wstring joined = self.substr(0, self.find_last_of(L"\\/") + 1) + relative;
    const DWORD needed = GetFullPathNameW(joined.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return joined;
    std::vector<wchar_t> full(needed);
    const DWORD fullLength = GetFullPathNameW(joined.c_str(), needed, full.data(), nullptr);
    return fullLength != 0 && fullLength < needed ? std::wstring(full.data(), fullLength) : joined;
}

std::string ThisProgram::Beside(const std::string& ansiRelative) { return ToAnsi(Beside(FromAnsi(ansiRelative))); }

}  // namespace testsupport
