// Colour arithmetic of the flat button, kept apart from any drawing so it can
// be checked exhaustively.
#pragma once
#include <windows.h>

namespace flatbutton {

// Moves all three channels by the same amount, the largest that keeps every
// channel inside 0..255 (toward shift's sign, at most |shift|). The top byte
// of the result is 0.
COLORREF ShiftColor(COLORREF color, int shift);

// The grey level of a colour: G x 0.587 + B x 0.114 + R x 0.299, summed in
// that order in double precision and truncated toward zero.
BYTE GrayLevel(COLORREF color);

}  // namespace flatbutton
