// Writing a resource of a loaded module out to a file.
#pragma once
#include <windows.h>

// Writes the bytes of resource (type, id) of module to path, creating the
// folder of path (one level) if needed; a null or empty path fails. With overwrite false an existing file
// is left alone and the call fails. True only when the whole resource was
// written; a file that could not be written whole is removed again, so no
// truncated program is ever left to be started.
bool ExtractResourceToFile(HMODULE module, UINT id, const char* type, const char* path, bool overwrite);
