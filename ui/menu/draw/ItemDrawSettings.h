// What the two item-drawing routines read besides the DRAWITEMSTRUCT: the
// menu's picture settings, the shared pictures and the look in force. A
// TesselMenu fills it from its members and the process-wide state for each
// item it draws.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/Afx.h"
#include "ui/menu/model/SystemDetection.h"

namespace tessel {

struct ItemDrawSettings {
    int iconWidth = 16;
    int iconHeight = 15;
    bool embossedDisabledIcons = false;
    HIMAGELIST checkImages = nullptr;  // borrowed: the menu's check-mark pictures
    int selectedCheckBitmapId = -1;
    int checkBitmapId = -1;
    HIMAGELIST sharedImages = nullptr;                          // borrowed
    const std::vector<std::int32_t>* sharedImageIds = nullptr;  // borrowed, parallel to it
    bool selectDisabledClassic = true;
    bool selectDisabledXP = false;
    bool xpIconEffects = true;
    SystemLook look;
};

}  // namespace tessel
