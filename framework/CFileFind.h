// File search. One search at a time; the search handle is closed with the
// object or by the next FindFile.
#pragma once
#include "framework/Afx.h"
#include "framework/CString.h"

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // True when something matches pattern (a path, wildcards allowed); the
    // first match is then current.
    bool FindFile(const char* pattern);
    // Moves to the next match; false when there is none.
    bool FindNextFile();
    void Close();

    CString GetFileName() const { return CString(m_data.cFileName); }
    bool IsDirectory() const { return (m_data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

private:
    HANDLE m_find = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_data = {};
};
