// The persisted hotkey, in the hotkey control's encoding: modifiers uses
// HOTKEYF_SHIFT 0x01, HOTKEYF_CONTROL 0x02, HOTKEYF_ALT 0x04, HOTKEYF_EXT 0x08;
// virtualKey is the virtual-key code. Only the low bytes carry information,
// but values read from resources are kept whole.
#pragma once
#include <cstdint>

struct HotkeySetting {
    std::uint32_t modifiers;
    std::uint32_t virtualKey;

    bool operator==(const HotkeySetting& o) const { return modifiers == o.modifiers && virtualKey == o.virtualKey; }
    bool operator!=(const HotkeySetting& o) const { return !(*this == o); }
};

// What the program ships with, F7 without modifiers; also what it falls back
// to when its own resources are missing or short.
constexpr HotkeySetting kShippedHotkey = {0x00, 0x76};
