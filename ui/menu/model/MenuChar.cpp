// The menu-character search; see MenuChar.h.
#include "ui/menu/model/MenuChar.h"

namespace tessel {

namespace {

unsigned char AsciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool IsLead(LeadBytePredicate isLeadByte, unsigned char c) { return isLeadByte != nullptr && isLeadByte(c); }

// True when the caption holds '&' followed by the (lowered, single-byte)
// key character, both at character boundaries.
bool CaptionHasMnemonic(const std::string& caption, unsigned char key, LeadBytePredicate isLeadByte) {
    const std::size_t n = caption.size();
    std::size_t i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(caption[i]);
        if (IsLead(isLeadByte, c)) {
            // A lead byte at the very end stands alone; it ends the text.
            i += 2;
            continue;
        }
        if (c == '&' && i + 1 < n) {
            const auto next = static_cast<unsigned char>(caption[i + 1]);
            if (!IsLead(isLeadByte, next) && AsciiLower(next) == key) return true;
        }
        ++i;
    }
    return false;
}

}  // namespace

int FindMenuCharPosition(std::uint32_t character, const std::vector<std::string>& captions,
                         LeadBytePredicate isLeadByte) {
    const auto low = static_cast<unsigned char>(character & 0xFF);
    if (low == 0 || IsLead(isLeadByte, low)) return -1;
    const unsigned char key = AsciiLower(low);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (CaptionHasMnemonic(captions[i], key, isLeadByte)) return static_cast<int>(i);
    }
    return -1;
}

std::uint32_t MenuCharAnswer(std::uint32_t character, std::uint32_t flags, const std::vector<std::string>& captions,
                             LeadBytePredicate isLeadByte) {
    if ((flags & kMenuCharPopupFlag) == 0) return 0;
    const int position = FindMenuCharPosition(character, captions, isLeadByte);
    if (position < 0) return 0;
    return (static_cast<std::uint32_t>(position) & 0xFFFF) | kMenuCharExecute;
}

}  // namespace tessel
