#pragma once

#include <string>
#include <vector>

// A fresh, uniquely named folder under the system's temporary folder,
// removed with everything in it when the object goes.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    bool created() const { return m_created; }
    const std::string& path() const { return m_path; }  // ends in a backslash
    std::string Join(const std::string& name) const { return m_path + name; }
    // Names of the files directly inside, sorted.
    std::vector<std::string> FileNames() const;

private:
    std::string m_path;
    bool m_created = false;
};
