#pragma once

#include <string>

namespace testsupport {

// Where the running test program lies, to find what the build put near it.
class ThisProgram {
public:
    // relative, which may climb with "..", resolved against the program's
    // folder into a full path.
    static std::wstring Beside(const std::wstring& relative);
    static std::string Beside(const std::string& ansiRelative);
};

}  // namespace testsupport
