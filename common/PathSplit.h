// Splitting a path into folder and file name in the ANSI code page. In the
// double-byte code pages (932, 936, 950) many characters end in the byte
// 0x5C, a backslash: a byte-wise search for the last separator would cut
// such a character in two.
#pragma once
#include <stddef.h>

// Tells whether a byte starts a double-byte character.
using LeadBytePredicate = bool (*)(unsigned char byte);

// The lead bytes of the system's ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

// Length of the folder part of path, up to and including its last separator
// ('\\', '/' or a drive's ':'); 0 for a bare file name. The byte after a
// lead byte is never a separator; a lead byte at the very end stands alone.
size_t FolderPrefixLength(const char* path, LeadBytePredicate isLeadByte);
