#pragma once

#include <windows.h>

// Writes everything readable from source, from its current position on, to
// the file destination (replacing its contents) and flushes it to disk.
bool CopyIntoFile(HANDLE source, const char* destination);

// Forces a file's contents to disk, so that a rename cannot expose a file
// whose data never arrived.
bool FlushFileToDisk(const char* path);
