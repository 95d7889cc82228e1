#pragma once

#include <windows.h>

// A uniquely named file that is deleted again unless Release() is called
// once it has been moved to where it belongs.
class TemporaryFile {
public:
    TemporaryFile() = default;
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Creates an empty file with a fresh name in folder.
    bool CreateIn(const char* folder);
    const char* path() const { return m_path; }
    void Release() { m_owned = false; }

private:
    char m_path[MAX_PATH] = {};
    bool m_owned = false;
};
