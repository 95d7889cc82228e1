#include "updater/TemporaryFile.h"

TemporaryFile::~TemporaryFile() {
    if (m_owned) DeleteFileA(m_path);
}

bool TemporaryFile::CreateIn(const char* folder) {
    if (GetTempFileNameA(folder, "brk", 0, m_path) == 0) return false;
    m_owned = true;
    return true;
}
