#include "ui/button/ButtonIcons.h"

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "ui/button/ColorMath.h"

namespace flatbutton {

bool MeasureIcon(ButtonIcon& record) {
    ICONINFO info = {};
    if (!::GetIconInfo(record.icon.Get(), &info)) return false;
    record.width = info.xHotspot * 2;
    record.height = info.yHotspot * 2;
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    return true;
}

HICON LoadButtonIcon(UINT id) {
    return static_cast<HICON>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id & 0xFFFF), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
}

HICON MakeGrayIcon(HICON icon) {
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return nullptr;
    CBitmap color(info.hbmColor);
    CBitmap mask(info.hbmMask);
    CClientDC screen(nullptr);
    CDC source, target;
    if (screen.GetSafeHdc() == nullptr || !source.CreateCompatibleDC(screen) || !target.CreateCompatibleDC(screen))
        return nullptr;
    BITMAP bm = {};
    if (!color.GetBitmap(&bm)) return nullptr;

    const int w = static_cast<int>(info.xHotspot * 2);
    const int h = static_cast<int>(info.yHotspot * 2);
    CBitmap gray;
    if (!gray.CreateBitmap(w, h, bm.bmPlanes, bm.bmBitsPixel, nullptr)) return nullptr;
    {
        CSelectGuard fromColor(source, color);
        CSelectGuard intoGray(target, gray);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                COLORREF c = source.GetPixel(x, y);
                // Black stays black: the new bitmap starts black.
                if (c != 0) {
                    BYTE level = GrayLevel(c);
                    target.SetPixel(x, y, RGB(level, level, level));
                }
            }
        }
    }
    ICONINFO made = {};
    made.fIcon = TRUE;
    made.hbmMask = mask;
    made.hbmColor = gray;
    return ::CreateIconIndirect(&made);
}

}  // namespace flatbutton
