// Conversions between the menu's UTF-16 captions and the ANSI text that the
// ANSI menu functions take and give. A missing caption (null) is kept apart
// from an empty one where the caption record needs it.
#pragma once

#include <optional>
#include <string>

namespace tessel {

// ANSI to UTF-16 in the given code page (the system's ANSI code page by
// default). Null gives nullopt; "" gives an empty string. Bytes the code
// page cannot map convert as the system converts them.
std::optional<std::wstring> AnsiToWide(const char* text, unsigned int codePage = 0);

// UTF-16 to ANSI in the given code page (the system's ANSI code page by
// default). Null and "" both give an empty string. The output is sized by
// the system first, so no caption is ever cut or left unterminated,
// whatever the code page needs per character.
std::string WideToAnsi(const wchar_t* text, unsigned int codePage = 0);

}  // namespace tessel
