#pragma once

#include <string>

namespace testsupport {

// Where the driver finds the programs under test: the path the build
// passes, unless a --zorvane=PATH argument overrides it. Paths may be given
// in Unix form: under Wine the whole Unix tree is reachable as drive Z:.
class E2eConfig {
public:
    static void SetAppPath(const std::string& path);
    static const std::wstring& AppPath();

    // Converts a Unix absolute path to the Windows path Wine maps it to;
    // anything else is taken as a Windows path already.
    static std::wstring ToWindowsPath(const std::string& path);

    // Pure part of the conversion: "/a/b" -> "Z:\a\b"; other paths unchanged
    // apart from slashes.
    static std::wstring DriveZPath(const std::string& path);
};

}  // namespace testsupport
