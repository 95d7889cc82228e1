#include "updater/OwnResource.h"

ResourceBytes FindOwnResource(WORD id, const char* type)
{
    ResourceBytes bytes;
    HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (info == nullptr)
        return bytes;
    HGLOBAL loaded = LoadResource(nullptr, info);
    if (loaded == nullptr)
        return bytes;
    const void* data = LockResource(loaded);
    if (data == nullptr)
        return bytes;
    // Module resources live as long as the module; nothing to free.
    bytes.data = data;
    bytes.size = SizeofResource(nullptr, info);
    return bytes;
}
