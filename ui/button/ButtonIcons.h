// The flat button's icons: loaded from the application's resources, measured
// by their hot spot, and the grey copy that stands in for a normal icon.
#pragma once
#include <windows.h>

#include "framework/CIcon.h"

struct ButtonIcon {
    CIcon icon;  // owned
    DWORD width = 0;
    DWORD height = 0;
};

namespace flatbutton {

// Icon id of the application's resources, or null.
HICON LoadButtonIcon(UINT id);

// Sets record's size from its icon's hot spot, which sits in the middle: half
// the size. False when the icon cannot be read.
bool MeasureIcon(ButtonIcon& record);

// A grey copy of icon (same mask), or null; the caller owns it.
HICON MakeGrayIcon(HICON icon);

}  // namespace flatbutton
