#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Every resource of an executable file, keyed "type/name/language" (ids as
// "#n"), with its bytes.
using ResourceMap = std::map<std::string, Bytes>;

ResourceMap ReadResources(const std::string& path);
std::string ResourceKey(const char* type, WORD id, WORD language);

// Adds or replaces HOTKEY resources of language 2052 in path.
bool WriteHotkeyResources(const std::string& path, const std::vector<std::pair<WORD, Bytes>>& resources);

Bytes ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const Bytes& bytes);
bool FileExists(const std::string& path);
