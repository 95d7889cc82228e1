#include "app/ModulePath.h"

std::string ModulePathPart(const std::string& fullPath, unsigned flags, LeadBytePredicate isLeadByte) {
    const size_t nameStart = FolderPrefixLength(fullPath.c_str(), isLeadByte);

    // The folder part ends in a separator of its own, never in a trail byte.
    std::string directory = fullPath.substr(0, nameStart);
    if (directory.empty() || directory.back() != '\\') directory += '\\';
    std::string fileName = fullPath.substr(nameStart);

    if (flags & ModulePathDirectory) return directory;
    if (flags & ModulePathFileName) return fileName;
    if (flags & ModulePathFull) return directory + fileName;
    return directory;
}
