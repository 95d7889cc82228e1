#include "TargetFolder.h"

std::size_t FolderPrefixLength(const char* path, LeadBytePredicate isLeadByte)
{
    std::size_t prefix = 0;
    for (std::size_t i = 0; path[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte)) {
            if (path[i + 1] == '\0')
                break;
            ++i;
            continue;
        }
        if (byte == '\\' || byte == '/' || byte == ':')
            prefix = i + 1;
    }
    return prefix;
}

bool TargetFolderOf(const char* path, LeadBytePredicate isLeadByte, char* out, std::size_t outSize)
{
    std::size_t length = FolderPrefixLength(path, isLeadByte);
    const char* folder = path;
    if (length == 0) {
        folder = ".";
        length = 1;
    }
    if (length + 1 > outSize)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        out[i] = folder[i];
    out[length] = '\0';
    return true;
}
