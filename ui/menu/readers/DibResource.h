// Reading the header of a bitmap resource (RT_BITMAP, a device-independent
// bitmap without file header) within its size, and the mapping of a
// 16-colour toolbar bitmap's grays, black and white to the current 3-D
// system colours.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/menu/draw/MenuColors.h"

namespace tessel {

// Colour-table entries of a DIB: biClrUsed when set, else 2, 16 or 256 for
// 1, 4 or 8 bits per pixel, else 0.
int DibColorCount(std::uint32_t clrUsed, std::uint16_t bitCount);

struct DibResourceInfo {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t clrUsed = 0;
    int colorCount = 0;                // DibColorCount of the header
    std::size_t colorTableOffset = 0;  // right after the header
    std::size_t bitsOffset = 0;        // right after the colour table
};

enum class DibError {
    None,
    HeaderTruncated,  // not even the header (40 bytes, or its own size) fits
    BadHeaderSize,    // the header claims fewer than 40 bytes (old core headers included)
    TableTruncated,   // the colour table runs past the end
    TooManyColors,    // a colour count no DIB of this depth can use
};

struct DibResult {
    DibError error = DibError::None;
    DibResourceInfo info;

    bool ok() const { return error == DibError::None; }
};

// Reads the header and locates the colour table, never outside the size.
DibResult ParseDibResource(const void* data, std::size_t size);

// The 3-D colours a toolbar bitmap's palette is mapped to.
struct ToolbarSysColors {
    Color btnText = 0;       // replaces black
    Color btnShadow = 0;     // replaces RGB(128, 128, 128)
    Color btnFace = 0;       // replaces RGB(192, 192, 192)
    Color btnHighlight = 0;  // replaces white
};

// One colour-table entry (as a COLORREF) after mapping; others stay.
Color MapToolbarColor(Color entry, const ToolbarSysColors& sys);

// Colour-table entries are RGBQUADs (blue, green, red, reserved); these
// convert one from and to a COLORREF.
Color RgbQuadToColor(std::uint32_t quad);
std::uint32_t ColorToRgbQuad(Color color);

}  // namespace tessel
