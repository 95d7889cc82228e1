// Item geometry of the two looks; see ItemLayout.h.
#include "ui/menu/draw/ItemLayout.h"

namespace tessel {

namespace {

int NonNegative(int v) { return v < 0 ? 0 : v; }

}  // namespace

int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

bool EffectiveSelected(bool selected, bool grayed, bool selectDisabled) {
    return selected && (!grayed || selectDisabled);
}

PictureState DerivePictureState(int pictureFlag, bool checked, bool selected, bool grayed, int selectedCheckBitmapId,
                                int checkBitmapId) {
    PictureState s;
    s.useCheckImages = checked && pictureFlag < 0 && ((selected && selectedCheckBitmapId > 0) || checkBitmapId > 0);
    s.hasPicture = pictureFlag != -1 && !s.useCheckImages;
    s.selectedPicture = s.hasPicture && selected && !grayed;
    s.disabledPicture = s.hasPicture && grayed;
    s.usesColumn = s.useCheckImages || s.hasPicture;
    return s;
}

PictureChoice ChooseClassicPicture(int ownFlag, int ownIndex, int sharedIndex) {
    PictureChoice c;
    if (ownFlag < 0 && sharedIndex >= 0) {
        c.source = PictureSource::Shared;
        c.index = sharedIndex;
        c.flag = 0;
    } else {
        c.index = ownIndex;
        c.flag = ownFlag;
    }
    return c;
}

PictureChoice ChooseXpPicture(int ownFlag, int ownIndex, int ownListCount, int sharedIndex, bool xpIconEffects,
                              bool sharedHasEffects) {
    PictureChoice c;
    if (ownFlag < 0 && ownIndex < 0 && sharedIndex >= 0) {
        c.source = PictureSource::Shared;
        c.index = sharedIndex;
        c.flag = 0;
        c.hasEffects = xpIconEffects && sharedHasEffects;
        if (c.hasEffects) {
            c.fadedIndex = sharedIndex + 1;
            c.shadowIndex = sharedIndex + 2;
        }
        return c;
    }
    c.index = ownIndex;
    c.flag = ownFlag;
    c.hasEffects = ownIndex == 0 && xpIconEffects && ownListCount > 2;
    if (c.hasEffects) {
        c.fadedIndex = 1;
        c.shadowIndex = 2;
    }
    return c;
}

ClassicLayout ComputeClassicLayout(const ItemRect& item, int iconWidth, int iconHeight, bool barBesideColumn,
                                   bool hasTab) {
    const int l = item.left;
    const int t = item.top;
    ClassicLayout out;
    out.highlight = item;
    if (barBesideColumn) out.highlight.left = l + iconWidth + 5;
    out.dy = NonNegative((item.bottom - t - iconHeight - 4) / 2);
    const int y = t + out.dy;
    out.inner = {l + 1, y + 1, l + iconWidth + 3, y + iconHeight + 3};
    out.outer = {l, y, l + iconWidth + 4, y + iconHeight + 4};
    out.picture = {l + 2, y + 2};
    out.checkBox = {l + 1, y + 2, l + iconWidth + 1, y + iconHeight + 2};
    out.text = {l + iconWidth + 9, t - 1, hasTab ? item.right - iconWidth : item.right, item.bottom - 1};
    return out;
}

ItemRect ClassicSeparatorLine(const ItemRect& item) {
    ItemRect line = item;
    line.top += FloorHalf(item.bottom - item.top);
    return line;
}

XpLayout ComputeXpLayout(const ItemRect& item, int iconWidth, int iconHeight, bool xpIconEffects, bool hasTab) {
    const int l = item.left;
    const int t = item.top;
    XpLayout out;
    out.pad = xpIconEffects ? 7 : 4;
    out.columnWidth = iconWidth + out.pad;
    out.column = {l, t, l + out.columnWidth, item.bottom};
    out.dy = NonNegative((item.bottom - t - iconHeight + 1) / 2);
    out.dx = NonNegative((out.columnWidth - iconWidth + 1) / 2);
    out.box = {l + 1, t + 1, l + out.columnWidth - 1, item.bottom - 1};
    out.picture = {l + out.dx, t + out.dy};
    const int cy = NonNegative((item.bottom - t - 16 + 1) / 2);
    const int cx = NonNegative((out.columnWidth - 16 + 1) / 2);
    out.checkBox = {l + cx, t + cy, l + cx + 16, t + cy + 16};
    out.text = {l + out.columnWidth + 8, t - 1, hasTab ? item.right - iconWidth : item.right, item.bottom - 1};
    return out;
}

ItemRect XpSeparatorLine(const ItemRect& item, int columnWidth, int pad) {
    ItemRect line = item;
    line.top += FloorHalf(item.bottom - item.top);
    line.left = item.left + columnWidth + pad;
    return line;
}

PixelPoint CheckMarkOrigin(const ItemRect& box, bool radio, bool xpBox) {
    if (radio || xpBox) return {box.left + 5, box.top + 4};
    return {box.left + 4, box.top + 4};
}

std::vector<PictureDraw> XpPictureDraws(PixelPoint rest, bool selected, bool checked, bool hasEffects) {
    const PixelPoint raised{rest.x - 1, rest.y - 1};
    if (checked) return {{PictureVariant::Normal, raised.x, raised.y}};
    if (selected) {
        if (hasEffects) {
            return {{PictureVariant::Shadow, rest.x + 1, rest.y + 1}, {PictureVariant::Normal, raised.x, raised.y}};
        }
        return {{PictureVariant::Normal, rest.x, rest.y}};
    }
    return {{hasEffects ? PictureVariant::Faded : PictureVariant::Normal, rest.x, rest.y}};
}

CaptionParts SplitCaption(const std::string& caption) {
    CaptionParts parts;
    const std::size_t first = caption.find('\t');
    if (first == std::string::npos) {
        parts.label = caption;
        return parts;
    }
    parts.hasTab = true;
    parts.label = caption.substr(0, first);
    parts.accelerator = caption.substr(caption.rfind('\t') + 1);
    return parts;
}

CaptionInk ClassicCaptionInk(bool grayed, bool selected) {
    if (!grayed) return CaptionInk::Normal;
    return selected ? CaptionInk::Background : CaptionInk::Engraved;
}

}  // namespace tessel
