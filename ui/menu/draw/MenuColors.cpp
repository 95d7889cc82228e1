// Colour arithmetic of the owner-drawn menu; see MenuColors.h.
#include "ui/menu/draw/MenuColors.h"

namespace tessel {

namespace {

int LightenChannel(int c, double factor) {
    // Each step is stored as a double: a 32-bit x87 build would otherwise
    // keep 64-bit intermediates, and 250 x 0.3 + 5 would truncate to 79
    // instead of 80. The product of an 8-bit integer and a double is exact
    // in x87 precision, so the store rounds it once, as a double unit would;
    // the sum is exact there too except for tiny products, which cannot move
    // the truncated result.
    volatile double product = (255 - c) * factor;
    volatile double sum = product + c;
    return static_cast<int>(sum);
}

}  // namespace

Color LightenColor(Color color, double factor) {
    if (!(factor > 0.0 && factor <= 1.0)) return color;
    return MakeColor(LightenChannel(RedOf(color), factor), LightenChannel(GreenOf(color), factor),
                     LightenChannel(BlueOf(color), factor));
}

Color ClassicBackground(const MenuSysColors& sys, bool xpLook) { return xpLook ? sys.btnFace : sys.menu; }

Color ClassicCheckedPictureFill(Color background) { return LightenColor(background, kCheckedBoxFactor); }

Color ClassicCheckBoxFill(const MenuSysColors& sys, bool xpLook, bool selected) {
    const Color base = ClassicBackground(sys, xpLook);
    return selected ? base : LightenColor(base, kCheckedBoxFactor);
}

Color XpCheckBoxFill(Color frame) { return LightenColor(frame, kXpCheckBoxFactor); }

XpColors ComputeXpColors(const MenuSysColors& sys, bool xpLook) {
    XpColors c;
    c.window = sys.window;
    c.face = xpLook ? sys.btnFace : LightenColor(sys.btnFace, 0.25);
    c.highlight = sys.highlight;
    c.selFill = LightenColor(sys.highlight, xpLook ? 0.7 : 0.85);
    c.checkedFill = LightenColor(sys.highlight, kXpCheckBoxFactor);
    return c;
}

Color XpCaptionColor(const MenuSysColors& sys, bool xpLook, bool grayed, bool selected) {
    if (!grayed) return sys.menuText;
    if (xpLook || selected) return sys.grayText;
    return LightenColor(sys.grayText, 0.4);
}

Color ShadowPictureColor(Color btnShadow, bool xpLook) {
    return xpLook ? btnShadow : LightenColor(btnShadow, kClassicShadowFactor);
}

}  // namespace tessel
