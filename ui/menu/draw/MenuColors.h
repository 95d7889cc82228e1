// Colour arithmetic of the owner-drawn menu: the lightening helper and the
// colours the classic and XP item drawing derive from the system colours.
// Colours are COLORREF values (0x00BBGGRR) held in 32-bit integers.
#pragma once

#include <cstdint>

namespace tessel {

using Color = std::uint32_t;

constexpr Color MakeColor(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

// Moves each channel toward 255 by the fraction factor, truncating. A factor
// outside (0, 1] returns the colour unchanged (top byte included); any other
// result has a zero top byte.
Color LightenColor(Color color, double factor);

// Factors the menu's looks use.
constexpr double kFadedPictureFactor = 0.3;
constexpr double kClassicShadowFactor = 0.49;
constexpr double kCheckedBoxFactor = 0.6;
constexpr double kXpCheckBoxFactor = 0.85;

// The system colours the item drawing reads, as GetSysColor gives them.
struct MenuSysColors {
    Color menu = 0;           // COLOR_MENU
    Color menuText = 0;       // COLOR_MENUTEXT
    Color window = 0;         // COLOR_WINDOW
    Color btnFace = 0;        // COLOR_BTNFACE
    Color btnShadow = 0;      // COLOR_BTNSHADOW
    Color btnHighlight = 0;   // COLOR_BTNHIGHLIGHT
    Color highlight = 0;      // COLOR_HIGHLIGHT
    Color highlightText = 0;  // COLOR_HIGHLIGHTTEXT
    Color grayText = 0;       // COLOR_GRAYTEXT
};

// Background of the classic look: button face under the XP look, else the
// menu colour.
Color ClassicBackground(const MenuSysColors& sys, bool xpLook);

// Fill of the classic picture square of a checked item without selection.
Color ClassicCheckedPictureFill(Color background);

// Fill of the classic check box: the background lightened unless selected.
Color ClassicCheckBoxFill(const MenuSysColors& sys, bool xpLook, bool selected);

// Fill of the XP check box around a mark, from its frame colour.
Color XpCheckBoxFill(Color frame);

// Colours of the XP look.
struct XpColors {
    Color window = 0;       // item background
    Color face = 0;         // picture-column tint
    Color highlight = 0;    // borders of selection and checked pictures
    Color selFill = 0;      // selection fill
    Color checkedFill = 0;  // fill behind a checked picture
};
XpColors ComputeXpColors(const MenuSysColors& sys, bool xpLook);

// Caption colour of an XP item.
Color XpCaptionColor(const MenuSysColors& sys, bool xpLook, bool grayed, bool selected);

// Colour of the one-colour shadow picture.
Color ShadowPictureColor(Color btnShadow, bool xpLook);

}  // namespace tessel
