#include "updater/ResourceUpdate.h"

#include "persist/UpdateRequest.h"

ResourceUpdate::ResourceUpdate(const char* path) : m_update(BeginUpdateResourceA(path, FALSE)) {}

bool ResourceUpdate::PutDword(const char* type, WORD id, WORD language, std::uint32_t value) {
    DwordBytes bytes = EncodeDword(value);
    return UpdateResourceA(m_update.get(), type, MAKEINTRESOURCEA(id), language, bytes.bytes, sizeof(bytes.bytes)) !=
           FALSE;
}

bool ResourceUpdate::Commit() { return EndUpdateResourceA(m_update.release(), FALSE) != FALSE; }
