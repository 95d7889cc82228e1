#include "ModulePath.h"

std::string ModulePathPart(const std::string& fullPath, unsigned flags) {
    // Drive: "X:" at the start.
    size_t dirStart = fullPath.size() >= 2 && fullPath[1] == ':' ? 2 : 0;
    size_t lastSeparator = fullPath.find_last_of("\\/");
    size_t nameStart = lastSeparator == std::string::npos || lastSeparator < dirStart ? dirStart : lastSeparator + 1;

    std::string directory = fullPath.substr(0, nameStart);
    if (directory.empty() || directory.back() != '\\') directory += '\\';
    std::string fileName = fullPath.substr(nameStart);

    if (flags & ModulePathDirectory) return directory;
    if (flags & ModulePathFileName) return fileName;
    if (flags & ModulePathFull) return directory + fileName;
    return directory;
}
