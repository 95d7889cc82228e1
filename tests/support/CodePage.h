#pragma once

#include <string>

namespace testsupport {

// Conversions between the system's ANSI code page and UTF-16, for suites
// that drive the ANSI interfaces of the programs under test.
std::wstring FromAnsi(const std::string& text);
std::string ToAnsi(const std::wstring& text);

}  // namespace testsupport
