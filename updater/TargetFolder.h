#pragma once

#include <cstddef>

// Tells whether a byte starts a double-byte character in the ANSI code page;
// the trail byte that follows may look like a backslash (code page 936).
using LeadBytePredicate = bool (*)(unsigned char byte);

// Length of the folder part of path, up to and including its last separator
// ('\\', '/' or a drive's ':'); 0 for a bare file name.
std::size_t FolderPrefixLength(const char* path, LeadBytePredicate isLeadByte);

// Writes the folder that holds path, zero-terminated, or "." for a bare file
// name. False when it does not fit into outSize bytes.
bool TargetFolderOf(const char* path, LeadBytePredicate isLeadByte, char* out, std::size_t outSize);
