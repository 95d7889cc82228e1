#include "common/PathSplit.h"

#include <windows.h>

bool IsAnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

size_t FolderPrefixLength(const char* path, LeadBytePredicate isLeadByte) {
    size_t prefix = 0;
    for (size_t i = 0; path[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte)) {
            if (path[i + 1] == '\0') break;
            ++i;
            continue;
        }
        if (byte == '\\' || byte == '/' || byte == ':') prefix = i + 1;
    }
    return prefix;
}
