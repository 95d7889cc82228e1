#include "common/ResourceUpdate.h"

bool ResourceUpdate::Open(const char* path, bool dropExisting) {
    if (path == nullptr || m_update) return false;
    m_update.reset(::BeginUpdateResourceA(path, dropExisting ? TRUE : FALSE));
    return static_cast<bool>(m_update);
}

bool ResourceUpdate::Put(const char* type, WORD id, WORD language, const void* data, DWORD size) {
    if (!m_update) return false;
    // The call only reads the data; its parameter is not const.
    return ::UpdateResourceA(m_update.get(), type, MAKEINTRESOURCEA(id), language, const_cast<void*>(data), size) !=
           FALSE;
}

bool ResourceUpdate::Commit() {
    if (!m_update) return false;
    return ::EndUpdateResourceA(m_update.release(), FALSE) != FALSE;
}
