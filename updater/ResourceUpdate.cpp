#include "updater/ResourceUpdate.h"

#include "persist/UpdateRequest.h"

ResourceUpdate::ResourceUpdate(const char* path) : m_update(BeginUpdateResourceA(path, FALSE))
{
}

ResourceUpdate::~ResourceUpdate()
{
    if (m_update != nullptr)
        EndUpdateResourceA(m_update, TRUE);
}

bool ResourceUpdate::PutDword(const char* type, WORD id, WORD language, std::uint32_t value)
{
    DwordBytes bytes = EncodeDword(value);
    return UpdateResourceA(m_update, type, MAKEINTRESOURCEA(id), language, bytes.bytes,
                           sizeof(bytes.bytes)) != FALSE;
}

bool ResourceUpdate::Commit()
{
    HANDLE update = m_update;
    m_update = nullptr;
    return EndUpdateResourceA(update, FALSE) != FALSE;
}
