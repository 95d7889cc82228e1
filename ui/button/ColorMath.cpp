#include "ColorMath.h"

#include <algorithm>

namespace flatbutton {

COLORREF ShiftColor(COLORREF color, int shift) {
    const int channels[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    int d = shift;
    for (int c : channels) {
        if (shift > 0) d = std::min(d, c + shift <= 255 ? shift : 255 - c);
        else d = std::max(d, c + shift >= 0 ? shift : -c);
    }
    return RGB(channels[0] + d, channels[1] + d, channels[2] + d);
}

BYTE GrayLevel(COLORREF color) {
    double sum = GetGValue(color) * 0.587;
    sum += GetBValue(color) * 0.114;
    sum += GetRValue(color) * 0.299;
    return static_cast<BYTE>(sum);
}

}  // namespace flatbutton
