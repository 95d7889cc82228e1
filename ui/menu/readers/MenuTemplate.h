// Reading menu resource templates (RT_MENU) into a tree of items, bounded by
// the size of the resource: a template that is cut short, claims more than
// it holds, leaves a caption unterminated or nests too deeply is refused
// as a whole, so the menu that loads it stays as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

namespace tessel {

// Captions are UTF-16: the platform's wide strings where wchar_t has 16
// bits (Windows), char16_t strings elsewhere (the native fuzzing build).
#if WCHAR_MAX <= 0xFFFF
using CaptionString = std::wstring;
#else
using CaptionString = std::u16string;
#endif

// Item flags carried by templates that the parser itself interprets.
constexpr std::uint32_t kMfPopup = 0x10;
constexpr std::uint32_t kMfEnd = 0x80;
constexpr std::uint32_t kMfSeparator = 0x800;

// Deepest nesting of popups accepted below the top level.
constexpr int kMaxMenuTemplateDepth = 32;

struct MenuTemplateItem {
    // MF_ flags of the item without the end-of-level mark; popups keep
    // MF_POPUP. Extended templates give their type and state bits here.
    std::uint32_t flags = 0;
    // Command id; 0 for popups and separators.
    std::uint32_t id = 0;
    // Help id of an extended popup; 0 otherwise.
    std::uint32_t helpId = 0;
    // The caption as stored (may be empty).
    CaptionString caption;
    // Items of a popup, in order; empty for other items.
    std::vector<MenuTemplateItem> children;

    bool IsPopup() const { return (flags & kMfPopup) != 0; }
};

enum class MenuTemplateError {
    None,
    HeaderTruncated,  // fewer than 4 bytes, or the header extension runs past the end
    ItemTruncated,    // an item, caption or level runs past the end
    NestingTooDeep,   // more than kMaxMenuTemplateDepth popup levels
    UnknownVersion,   // neither the standard (0) nor the extended (1) form
};

struct MenuTemplateResult {
    MenuTemplateError error = MenuTemplateError::None;
    bool extended = false;                // read as the extended (MENUEX) form
    std::vector<MenuTemplateItem> items;  // the top level
    std::size_t bytesUsed = 0;            // up to the end of the last item read, padding excluded

    bool ok() const { return error == MenuTemplateError::None; }
};

// Reads a menu template of size bytes at data. Never reads outside
// [data, data + size). Bytes after the top level's last item (resource
// padding) are ignored. On failure the result holds no items.
MenuTemplateResult ParseMenuTemplate(const void* data, std::size_t size);

// Short English name of an error, for test messages and diagnostics.
const char* MenuTemplateErrorName(MenuTemplateError error);

}  // namespace tessel
