// One resource-update session on an executable file, from the open to the
// commit. Both programs write resources this way: the save flow its request
// into the updater, the updater the hotkey into the program.
#pragma once
#include <windows.h>

#include "common/UniqueHandle.h"

class ResourceUpdate {
public:
    // Opens path for updating, keeping its existing resources, or, with
    // dropExisting, writing only what is put. False when it cannot be opened
    // (missing, not an executable, held), when path is null, or when an
    // update is open already.
    bool Open(const char* path, bool dropExisting = false);
    // Adds or replaces resource (type, id, language) with size bytes of data.
    bool Put(const char* type, WORD id, WORD language, const void* data, DWORD size);
    // Writes every change to the file; the update is closed either way.
    bool Commit();

private:
    // An update that ends uncommitted is discarded: the file stays as it was.
    struct DiscardTraits {
        using Handle = HANDLE;
        static HANDLE Empty() { return nullptr; }
        static bool IsOwned(HANDLE update) { return update != nullptr; }
        static void Close(HANDLE update) { ::EndUpdateResourceA(update, TRUE); }
    };
    UniqueHandle<DiscardTraits> m_update;
};
