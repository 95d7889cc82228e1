#include "persist/ResourceFile.h"

#include <string>

#include "common/PathSplit.h"
#include "common/ResourceView.h"
#include "common/UniqueHandle.h"

namespace {

bool FileExists(const char* path) {
    WIN32_FIND_DATAA data;
    const UniqueFindHandle find(::FindFirstFileA(path, &data));
    return static_cast<bool>(find);
}

}  // namespace

bool ExtractResourceToFile(HMODULE module, UINT id, const char* type, const char* path, bool overwrite) {
    if (path == nullptr || *path == '\0') return false;
    if (!overwrite && FileExists(path)) return false;

    const ResourceView resource = FindModuleResource(module, MAKEINTRESOURCEA(id), type);
    if (!resource) return false;

    const size_t folderLength = FolderPrefixLength(path, IsAnsiLeadByte);
    if (folderLength != 0) {
        const std::string folder(path, folderLength);
        ::CreateDirectoryA(folder.c_str(), nullptr);  // an existing folder is the normal case
    }

    UniqueKernelHandle file(::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                          overwrite ? CREATE_ALWAYS : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const bool whole = ::WriteFile(file.get(), resource.data, static_cast<DWORD>(resource.size), &written, nullptr) &&
                       written == resource.size;
    file.reset();  // a file still open cannot be deleted
    if (!whole) ::DeleteFileA(path);
    return whole;
}
