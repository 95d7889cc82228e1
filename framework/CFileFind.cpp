#include "framework/CFileFind.h"

bool CFileFind::FindFile(const char* pattern) {
    Close();
    if (pattern == nullptr || *pattern == '\0') return false;
    m_find = ::FindFirstFileA(pattern, &m_data);
    return m_find != INVALID_HANDLE_VALUE;
}

bool CFileFind::FindNextFile() { return m_find != INVALID_HANDLE_VALUE && ::FindNextFileA(m_find, &m_data) != FALSE; }

void CFileFind::Close() {
    if (m_find != INVALID_HANDLE_VALUE) ::FindClose(m_find);
    m_find = INVALID_HANDLE_VALUE;
}
