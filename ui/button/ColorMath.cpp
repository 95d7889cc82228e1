#include "ui/button/ColorMath.h"

#include <algorithm>

namespace flatbutton {

COLORREF ShiftColor(COLORREF color, int shift) {
    const int channels[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    int d = shift;
    for (int c : channels) {
        if (shift > 0)
            d = std::min(d, c + shift <= 255 ? shift : 255 - c);
        else
            d = std::max(d, c + shift >= 0 ? shift : -c);
    }
    return RGB(channels[0] + d, channels[1] + d, channels[2] + d);
}

BYTE GrayLevel(COLORREF color) {
    // Every step is stored as a double: x87 code would otherwise keep the
    // sum in extended precision, where it falls just short of whole values
    // (white came out 254 in an optimised 32-bit build).
    volatile double sum = GetGValue(color) * 0.587;
    volatile double term = GetBValue(color) * 0.114;
    sum = sum + term;
    term = GetRValue(color) * 0.299;
    sum = sum + term;
    return static_cast<BYTE>(sum);
}

}  // namespace flatbutton
