#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

using Bytes = std::vector<unsigned char>;

// Whole files read and written at once, to compare a file before and after
// a program has had it.
class FileContents {
public:
    // Everything in the file, read while others may still write or delete
    // it; empty when it cannot be opened.
    static Bytes Read(const std::wstring& path);
    static Bytes Read(const std::string& ansiPath);
    // Replaces the file with exactly these bytes.
    static bool Write(const std::wstring& path, const void* data, size_t size);
    static bool Write(const std::string& ansiPath, const Bytes& bytes);
    static bool Exists(const std::string& ansiPath);
};

}  // namespace testsupport
