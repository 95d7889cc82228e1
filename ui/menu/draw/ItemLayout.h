// Where the owner-drawn menu paints the parts of an item, in the classic
// and in the XP look: selection bar, picture square, check box, caption
// rectangle, separator line, and which picture variants go where. Plain
// rectangles in, plain rectangles out; the drawing code only paints them.
#pragma once

#include <string>
#include <vector>

#include "ui/menu/pictures/PictureEffects.h"

namespace tessel {

// Same member order as the platform's RECT.
struct ItemRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
inline bool operator==(const ItemRect& a, const ItemRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const ItemRect& a, const ItemRect& b) { return !(a == b); }

// Halves toward minus infinity.
int FloorHalf(int value);

// A grayed item loses its selection unless the look lets disabled items be
// selected.
bool EffectiveSelected(bool selected, bool grayed, bool selectDisabled);

// What an item shows in its picture column. pictureFlag is the flag of the
// chosen picture (-1 = none); selected is the state after
// EffectiveSelected.
struct PictureState {
    bool useCheckImages = false;  // check-mark pictures stand in for a picture
    bool hasPicture = false;
    bool selectedPicture = false;  // picture of a selected, enabled item
    bool disabledPicture = false;  // picture of a grayed item
    bool usesColumn = false;       // anything is painted in the column
};
PictureState DerivePictureState(int pictureFlag, bool checked, bool selected, bool grayed, int selectedCheckBitmapId,
                                int checkBitmapId);

// Which image list and picture an item shows.
enum class PictureSource { Own, Shared };
struct PictureChoice {
    PictureSource source = PictureSource::Own;
    int index = -1;
    int flag = -1;
    bool hasEffects = false;  // faded and shadow variants exist (XP only)
    int fadedIndex = -1;
    int shadowIndex = -1;
};

// Classic look: the item's own picture, or the shared one when it has no
// own picture flag and a shared index.
PictureChoice ChooseClassicPicture(int ownFlag, int ownIndex, int sharedIndex);

// XP look: as the classic one, but the shared picture needs the own index
// unset too; effect variants follow the picture in its list. ownListCount
// is the number of pictures in the item's own list, or -1 without a list.
PictureChoice ChooseXpPicture(int ownFlag, int ownIndex, int ownListCount, int sharedIndex, bool xpIconEffects,
                              bool sharedHasEffects);

struct ClassicLayout {
    ItemRect highlight;  // the selection bar
    int dy = 0;          // vertical offset of the picture square
    ItemRect inner;      // picture square, inner frame
    ItemRect outer;      // picture square, outer frame
    PixelPoint picture;  // top-left of the picture
    ItemRect checkBox;   // hand-drawn check box
    ItemRect text;       // caption rectangle
};

// barBesideColumn: the item uses the picture column or is checked, so the
// selection bar starts right of the column.
ClassicLayout ComputeClassicLayout(const ItemRect& item, int iconWidth, int iconHeight, bool barBesideColumn,
                                   bool hasTab);

// The rectangle whose top edge carries the classic separator's etched line.
ItemRect ClassicSeparatorLine(const ItemRect& item);

struct XpLayout {
    int pad = 0;
    int columnWidth = 0;
    ItemRect column;  // the tinted picture column
    int dx = 0;
    int dy = 0;
    ItemRect box;        // the box around a picture inside the column
    PixelPoint picture;  // resting place of the picture
    ItemRect checkBox;   // 16 x 16 check box
    ItemRect text;       // caption rectangle
};
XpLayout ComputeXpLayout(const ItemRect& item, int iconWidth, int iconHeight, bool xpIconEffects, bool hasTab);

// The rectangle whose top edge carries the XP separator's etched line: it
// starts pad pixels right of the column.
ItemRect XpSeparatorLine(const ItemRect& item, int columnWidth, int pad);

// Top-left of the mark inside a check box: the radio dot at (5, 4), the
// check mark at (4, 4) in the classic box and (5, 4) in the XP box.
PixelPoint CheckMarkOrigin(const ItemRect& box, bool radio, bool xpBox);

// Picture drawing of an enabled XP item, in painting order.
enum class PictureVariant { Normal, Faded, Shadow };
struct PictureDraw {
    PictureVariant variant = PictureVariant::Normal;
    int x = 0;
    int y = 0;
};
std::vector<PictureDraw> XpPictureDraws(PixelPoint rest, bool selected, bool checked, bool hasEffects);

// A caption split for drawing: the label before the first TAB, the
// accelerator text after the last TAB.
struct CaptionParts {
    std::string label;
    std::string accelerator;
    bool hasTab = false;
};
CaptionParts SplitCaption(const std::string& caption);

// How the classic look inks a caption.
enum class CaptionInk {
    Normal,      // the menu text colour, or the highlight text colour when selected
    Engraved,    // highlight colour shifted by (1, 1), then the gray text colour
    Background,  // the background colour, on the selection bar
};
CaptionInk ClassicCaptionInk(bool grayed, bool selected);

}  // namespace tessel
