#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/SharedContract.h"
#include "tests/support/FileContents.h"

namespace testsupport {

// Reads and writes the resources of an executable file without running it.
// The file is never left mapped: tests replace and delete it.
class ExeResources {
public:
    // Every resource of the file, keyed as Key() makes them, with its bytes.
    using Map = std::map<std::string, Bytes>;

    // The bytes of resource (type, id) in any language; nothing when the file
    // or the resource is missing.
    static std::optional<std::string> Read(const std::wstring& exePath, const char* type, UINT id);
    // A 4-byte little-endian value; nothing unless the resource is exactly 4 bytes.
    static std::optional<DWORD> ReadDword(const std::wstring& exePath, const char* type, UINT id);

    static Map All(const std::string& ansiPath);
    // "type/name/language", ids written "#n".
    static std::string Key(const char* type, WORD id, WORD language);

    // Adds or replaces HOTKEY resources of language 2052, as the program's
    // save does; an empty value is written as a resource of no bytes.
    static bool WriteHotkeys(const std::string& ansiPath, const std::vector<std::pair<WORD, Bytes>>& resources);
    // Stores bytes, valid or damaged, as the program's saved pin rules.
    static bool WriteStoredPinRules(const std::string& ansiPath, const Bytes& stored) {
        return WriteHotkeys(ansiPath, {{contract::kSavedPinRulesId, stored}});
    }
};

}  // namespace testsupport
