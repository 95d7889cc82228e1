// Pictures of the owner-drawn menu: bitmap and toolbar resources read within
// their size, pictures added to image lists with their faded and shadow
// copies, and the table of pictures shared by all menus of the process.
// TesselMenu's picture operations are these, applied to its own settings
// and to the process-wide list.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/Afx.h"
#include "framework/CBitmap.h"
#include "framework/CImageList.h"

namespace tessel {

// Resource type of toolbar resources.
constexpr WORD kRtToolbar = 241;
// Flags of the menu's image lists: device-dependent colour with a mask.
constexpr UINT kMenuImageListFlags = ILC_COLORDDB | ILC_MASK;

// Colour-table entries of a bitmap: biClrUsed, else by depth (2, 16, 256).
int DibColorCount(const BITMAPINFOHEADER* header);

// A 16-colour bitmap resource (low 16 bits of id) with black, the two grays
// and white replaced by the current 3-D colours, compatible with the screen.
// Empty when there is no such resource, it is not of 16 colours, or its
// data is shorter than its header says.
CBitmap LoadMappedBitmap(UINT id);

// Picture index of list drawn on a button-face ground into a new bitmap of
// width x height compatible with dc (the screen when null). False, and out
// untouched, when the list has no such picture.
bool RenderIconToBitmap(HDC dc, HIMAGELIST list, int index, int width, int height, CBitmap& out);

// The command's picture in a toolbar resource (low 16 bits of toolbarId)
// that has a bitmap of the same id. True when the command is on it; index
// is set only when the picture's index is above 0.
bool FindToolbarPicture(UINT commandId, UINT toolbarId, int& index);

struct PictureOptions {
    int iconWidth = 16;
    int iconHeight = 15;
    bool imageIsIcon = false;   // pictures are HICONs, not bitmap resource ids
    bool useMaskColor = false;  // mask with maskColor instead of button face
    COLORREF maskColor = RGB(192, 192, 192);
    bool effects = false;  // add faded and shadow copies (XP style with effects)
    bool xpLook = false;   // colour of the shadow copies
};

// Adds a picture (bitmap resource id, or HICON with imageIsIcon) to list;
// with effects, then a faded and a shadow copy of the list's picture 0.
bool AddPictureToList(HIMAGELIST list, UINT_PTR picture, const PictureOptions& options);

// Puts picture index of source into shared under command id, with its
// effect copies when options.effects: replaces the command's pictures in
// place when it has some, else appends. ids runs parallel to shared's
// pictures. Returns the command's first index, or -1 when the source
// picture cannot be taken.
int AddSharedPicture(CImageList& shared, std::vector<std::int32_t>& ids, HIMAGELIST source, int index, std::int32_t id,
                     const PictureOptions& options);

}  // namespace tessel
