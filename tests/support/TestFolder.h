#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// A fresh, uniquely named folder under the temp directory, removed with
// everything in it when the object goes. Programs under test are copied in,
// so each test sees an executable with no neighbours but its own.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(TestFolder&& other) noexcept;
    TestFolder& operator=(TestFolder&&) = delete;
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    bool Valid() const { return !m_path.empty(); }
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const;
    // The same path in the ANSI code page, for suites written against the
    // ANSI interfaces.
    std::string File(const std::string& name) const;

    bool CopyIn(const std::wstring& source, const std::wstring& name) const;
    bool WriteBytes(const std::wstring& name, const std::string& bytes) const;
    bool MakeDirectory(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;
    // Names of the files and folders directly inside, sorted.
    std::vector<std::wstring> FileNames() const;

    // Removes the folder and its contents; files of a program that has just
    // ended may stay locked for a moment, hence the bounded retry.
    bool Remove(DWORD timeoutMs);

private:
    std::wstring m_path;
};

}  // namespace testsupport
