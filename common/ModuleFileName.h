// The path of a loaded module, read whole, and where its name begins. The
// programs hand it to interfaces that take ANSI paths of at most MAX_PATH
// bytes, so a longer path is reported, never cut: a cut path names another
// file, in another folder.
#pragma once
#include <windows.h>

#include <stddef.h>

class ModuleFileName {
public:
    // Reads the path of module (null: the executable). False, with nothing
    // read, when it did not fit or could not be read at all.
    bool Read(HMODULE module);

    const char* Full() const { return m_path; }
    // What follows the folder's last separator.
    const char* Name() const { return m_path + m_folderLength; }

    // The reading itself, into a buffer of size bytes: the path's length,
    // zero-terminated in buffer, or 0 with buffer empty when the path needed
    // more than size - 2 bytes or could not be read.
    static DWORD ReadInto(HMODULE module, char* buffer, DWORD size);

private:
    // One byte more than a path of MAX_PATH may take: see ReadInto.
    char m_path[MAX_PATH + 1] = {};
    size_t m_folderLength = 0;
};
