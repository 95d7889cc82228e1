#include "updater/TargetFolder.h"

bool TargetFolderOf(const char* path, LeadBytePredicate isLeadByte, char* out, std::size_t outSize) {
    std::size_t length = FolderPrefixLength(path, isLeadByte);
    const char* folder = path;
    if (length == 0) {
        folder = ".";
        length = 1;
    }
    if (length + 1 > outSize) return false;
    for (std::size_t i = 0; i < length; ++i) out[i] = folder[i];
    out[length] = '\0';
    return true;
}
