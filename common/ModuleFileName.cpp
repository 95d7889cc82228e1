#include "common/ModuleFileName.h"

#include "common/PathSplit.h"

bool ModuleFileName::Read(HMODULE module) {
    const bool whole = ReadInto(module, m_path, sizeof(m_path)) != 0;
    m_folderLength = whole ? FolderPrefixLength(m_path, IsAnsiLeadByte) : 0;
    return whole;
}

DWORD ModuleFileName::ReadInto(HMODULE module, char* buffer, DWORD size) {
    if (size == 0) return 0;
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length = ::GetModuleFileNameA(module, buffer, size);
    // A cut path fills the buffer (unterminated on XP, with
    // ERROR_INSUFFICIENT_BUFFER later), or, where a double-byte character no
    // longer fitted and was left out whole, stops one byte short of that
    // without any error. So a path must leave a byte to spare.
    if (length == 0 || length + 1 >= size || ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer[0] = '\0';
        return 0;
    }
    return length;
}
