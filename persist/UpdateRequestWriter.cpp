#include "persist/UpdateRequestWriter.h"

#include <cstring>

#include "persist/UpdateRequest.h"

UpdateRequestWriter::~UpdateRequestWriter() {
    if (m_update != nullptr) ::EndUpdateResourceA(m_update, TRUE);
}

bool UpdateRequestWriter::Open(const char* path) {
    if (m_update != nullptr) return false;
    m_update = ::BeginUpdateResourceA(path, FALSE);
    return m_update != nullptr;
}

bool UpdateRequestWriter::AddRequest(std::uint32_t modifiers, std::uint32_t virtualKey, const char* targetPath) {
    if (m_update == nullptr) return false;
    UpdateRequestPayloads payloads;
    if (!BuildUpdateRequestPayloads(modifiers, virtualKey, targetPath, std::strlen(targetPath), payloads)) return false;
    bool allAdded = true;
    for (std::size_t i = 0; i < UpdateRequest::kPayloadCount; ++i) {
        RequestPayload payload = PayloadAt(payloads, i);
        if (!::UpdateResourceA(m_update, UpdateRequest::kResourceType, MAKEINTRESOURCEA(payload.id),
                               contract::kHotkeyLanguage, const_cast<void*>(payload.data), payload.size))
            allAdded = false;
    }
    return allAdded;
}

bool UpdateRequestWriter::Commit() {
    if (m_update == nullptr) return false;
    HANDLE update = m_update;
    m_update = nullptr;
    return ::EndUpdateResourceA(update, FALSE) != FALSE;
}
