#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// Looks at the processes of the running system (under Wine: of the prefix's
// server).
class ProcessProbe {
public:
    // Ids of the processes whose executable has this file name (any case).
    static std::vector<DWORD> Named(const std::wstring& exeName);
};

}  // namespace testsupport
