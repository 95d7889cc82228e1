// The menu-character search behind WM_MENUCHAR: which position of a popup
// a typed character chooses, found in the items' ANSI captions. Captions
// may hold double-byte characters; the search never matches inside one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/menu/model/OsVersion.h"

namespace tessel {

constexpr std::uint32_t kMenuCharPopupFlag = 0x10;      // MF_POPUP in WM_MENUCHAR's flags
constexpr std::uint32_t kMenuCharExecute = 0x00020000;  // MNC_EXECUTE in the high word

// Position of the first caption that holds "&" followed by the character,
// compared without regard to ASCII letter case; -1 when none does. A
// doubled "&&" followed by the character counts as well. Only the low byte
// of the character is used; a lead byte of a double-byte character matches
// nothing. isLeadByte tells the code page's lead bytes (null: single-byte).
int FindMenuCharPosition(std::uint32_t character, const std::vector<std::string>& captions,
                         LeadBytePredicate isLeadByte);

// The WM_MENUCHAR answer: 0 (MNC_IGNORE) unless flags name a popup and a
// caption matches; then MNC_EXECUTE with the position in the low word.
std::uint32_t MenuCharAnswer(std::uint32_t character, std::uint32_t flags, const std::vector<std::string>& captions,
                             LeadBytePredicate isLeadByte);

}  // namespace tessel
