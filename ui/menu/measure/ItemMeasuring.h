// WM_MEASUREITEM for the owner-drawn menu: the caption's width as the
// system's menu font measures it, plus the picture column.
#pragma once

#include "framework/Afx.h"
#include "framework/CFont.h"
#include "ui/menu/model/OsVersion.h"

class TesselMenuItem;

namespace tessel {

struct MeasureSettings {
    int iconWidth = 16;
    int iconHeight = 15;
    bool xpStyleActive = false;
    bool xpIconEffects = true;
    OsVersionCode os = OsOtherNT;
    int cyMenu = 19;        // GetSystemMetrics(SM_CYMENU)
    HWND window = nullptr;  // borrowed: whose DC measures (the desktop when null)
};

// Fills itemWidth and itemHeight for record (null measures as an empty
// caption).
void MeasureMenuItem(const TesselMenuItem* record, const MeasureSettings& settings, MEASUREITEMSTRUCT* mis);

// The menu font of the system's non-client metrics; empty when unavailable.
CFont CreateMenuFont();

}  // namespace tessel
