#include "ui/menu/pictures/MenuPictures.h"

#include <cstring>
#include <memory>

#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CIcon.h"
#include "ui/menu/model/MenuResourceLookup.h"
#include "ui/menu/model/SystemDetection.h"
#include "ui/menu/pictures/BitmapEffects.h"
#include "ui/menu/pictures/SharedImages.h"
#include "ui/menu/readers/DibResource.h"
#include "ui/menu/readers/ToolbarResource.h"

namespace tessel {

namespace {

const char* IntName(UINT id) { return MAKEINTRESOURCEA(id & 0xFFFF); }

// Bytes of pixel data the header asks for, or 0 for a form not drawn here.
std::size_t RequiredBitsSize(const BITMAPINFOHEADER& h) {
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biPlanes != 1) return 0;
    const std::uint64_t rows = h.biHeight < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(h.biHeight))
                                              : static_cast<std::uint64_t>(h.biHeight);
    switch (h.biCompression) {
    case BI_RGB:
    case BI_BITFIELDS: {
        const std::uint64_t stride = (static_cast<std::uint64_t>(h.biWidth) * h.biBitCount + 31) / 32 * 4;
        const std::uint64_t total = stride * rows;
        return total > 0x7FFFFFFF ? 0 : static_cast<std::size_t>(total);
    }
    case BI_RLE4:
    case BI_RLE8:
        // Run-length data is read only as far as its stated size.
        return h.biHeight > 0 ? h.biSizeImage : 0;
    default:
        return 0;
    }
}

// A bitmap resource whose header, colour table and pixel data all lie within
// the resource: only such a resource is handed to the system's loader.
struct CheckedDib {
    ResourceView resource;
    DibResourceInfo info;
    BITMAPINFOHEADER header = {};
    std::size_t bitsOffset = 0;
};

bool CheckBitmapResource(UINT id, CheckedDib& out) {
    out.resource = FindMenuResource(IntName(id), MAKEINTRESOURCEA(2));
    if (!out.resource) return false;
    const DibResult dib = ParseDibResource(out.resource.data, out.resource.size);
    if (!dib.ok()) return false;
    out.info = dib.info;
    std::memcpy(&out.header, out.resource.data, sizeof(out.header));
    out.bitsOffset = dib.info.bitsOffset;
    // Three colour masks follow a plain header of a bit-field bitmap.
    if (out.header.biCompression == BI_BITFIELDS && out.header.biSize == sizeof(BITMAPINFOHEADER)) {
        out.bitsOffset += 12;
    }
    if (out.bitsOffset > out.resource.size) return false;
    const std::size_t bits = RequiredBitsSize(out.header);
    return bits != 0 && bits <= out.resource.size - out.bitsOffset;
}

}  // namespace

int DibColorCount(const BITMAPINFOHEADER* header) {
    if (header == nullptr) return 0;
    return tessel::DibColorCount(header->biClrUsed, header->biBitCount);
}

CBitmap LoadMappedBitmap(UINT id) {
    CheckedDib dib;
    if (!CheckBitmapResource(id, dib) || dib.info.colorCount != 16) return CBitmap();

    // Header and colour table copied, so the mapping leaves the resource be.
    std::vector<unsigned char> info(dib.info.bitsOffset);
    std::memcpy(info.data(), dib.resource.data, info.size());

    ToolbarSysColors sys;
    sys.btnText = ::GetSysColor(COLOR_BTNTEXT);
    sys.btnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    sys.btnFace = ::GetSysColor(COLOR_BTNFACE);
    sys.btnHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int i = 0; i < dib.info.colorCount; ++i) {
        unsigned char* entry = info.data() + dib.info.colorTableOffset + 4 * static_cast<std::size_t>(i);
        std::uint32_t quad = 0;
        std::memcpy(&quad, entry, 4);
        quad = ColorToRgbQuad(MapToolbarColor(RgbQuadToColor(quad), sys));
        std::memcpy(entry, &quad, 4);
    }

    CClientDC screen(nullptr);
    const unsigned char* bits = dib.resource.data + dib.bitsOffset;
    return CBitmap(::CreateDIBitmap(screen, &dib.header, CBM_INIT, bits,
                                    reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS));
}

bool RenderIconToBitmap(HDC dc, HIMAGELIST list, int index, int width, int height, CBitmap& out) {
    if (list == nullptr || index < 0 || index >= ::ImageList_GetImageCount(list)) return false;
    CIcon icon(::ImageList_GetIcon(list, index, ILD_NORMAL));
    if (!icon) return false;
    CClientDC screen(nullptr);
    const HDC reference = dc != nullptr ? dc : screen.m_hDC;
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(reference) || !bitmap.CreateCompatibleBitmap(reference, width, height)) {
        return false;
    }
    {
        CSelectGuard bitmapIn(memory, bitmap);
        CBrush face(::GetSysColor(COLOR_BTNFACE));
        ::DrawIconEx(memory, 0, 0, icon.Get(), width, height, 0, face, DI_NORMAL);
    }
    out = std::move(bitmap);
    return true;
}

bool FindToolbarPicture(UINT commandId, UINT toolbarId, int& index) {
    const ResourceView toolbar = FindMenuResource(IntName(toolbarId), MAKEINTRESOURCEA(kRtToolbar));
    // The toolbar loads only with its bitmap.
    if (!toolbar || !FindMenuResource(IntName(toolbarId), MAKEINTRESOURCEA(2))) return false;
    const ToolbarResult parsed = ParseToolbarResource(toolbar.data, toolbar.size);
    if (!parsed.ok()) return false;
    const std::optional<int> found = ToolbarPictureIndex(parsed.toolbar, commandId);
    if (!found) return false;
    if (*found > 0) index = *found;
    return true;
}

namespace {

void AddEffectCopies(HIMAGELIST list, const PictureOptions& o) {
    CClientDC dc(MenuReferenceWindow());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    CBitmap faded;
    if (RenderIconToBitmap(dc, list, 0, o.iconWidth, o.iconHeight, faded)) {
        MakeFadedImage(&faded);
        ::ImageList_AddMasked(list, faded, face);
    }
    CBitmap shadow;
    if (RenderIconToBitmap(dc, list, 0, o.iconWidth, o.iconHeight, shadow)) {
        MakeShadowImage(&shadow, o.xpLook);
        ::ImageList_AddMasked(list, shadow, face);
    }
}

}  // namespace

bool AddPictureToList(HIMAGELIST list, UINT_PTR picture, const PictureOptions& options) {
    if (list == nullptr) return false;
    bool added = false;
    if (options.imageIsIcon) {
        const HICON icon = reinterpret_cast<HICON>(picture);  // borrowed: the caller's icon
        added = icon != nullptr && ::ImageList_ReplaceIcon(list, -1, icon) >= 0;
    } else {
        const COLORREF mask = options.useMaskColor ? options.maskColor : ::GetSysColor(COLOR_BTNFACE);
        const UINT id = static_cast<UINT>(picture & 0xFFFF);
        CBitmap mapped = LoadMappedBitmap(id);
        if (!mapped.IsNull()) {
            added = ::ImageList_AddMasked(list, mapped, mask) >= 0;
        } else {
            CheckedDib dib;
            CBitmap plain;
            if (CheckBitmapResource(id, dib) && plain.LoadBitmap(id))
                added = ::ImageList_AddMasked(list, plain, mask) >= 0;
        }
    }
    if (!added) return false;
    if (options.effects) AddEffectCopies(list, options);
    return true;
}

int AddSharedPicture(CImageList& shared, std::vector<std::int32_t>& ids, HIMAGELIST source, int index, std::int32_t id,
                     const PictureOptions& options) {
    const int w = options.iconWidth;
    const int h = options.iconHeight;
    if (shared.GetSafeHandle() == nullptr && !shared.Create(w, h, kMenuImageListFlags, 1, 1)) {
        return -1;
    }
    if (source == nullptr || index < 0 || index >= ::ImageList_GetImageCount(source)) return -1;
    CIcon icon(::ImageList_GetIcon(source, index, ILD_NORMAL));
    if (!icon) return -1;

    CBitmap faded;
    CBitmap shadow;
    if (options.effects) {
        CClientDC dc(MenuReferenceWindow());
        if (RenderIconToBitmap(dc, source, index, w, h, faded)) MakeFadedImage(&faded);
        if (RenderIconToBitmap(dc, source, index, w, h, shadow)) MakeShadowImage(&shadow, options.xpLook);
    }
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);

    const int existing = FindSharedImage(ids, id);
    if (existing >= 0) {
        shared.Replace(existing, icon.Get());
        if (options.effects && HasEffectImages(ids, existing) && !faded.IsNull() && !shadow.IsNull()) {
            CImageList temporary;
            if (temporary.Create(w, h, kMenuImageListFlags, 1, 1)) {
                const int fadedAt = temporary.Add(faded, face);
                if (fadedAt >= 0) {
                    CIcon fadedIcon(temporary.ExtractIcon(fadedAt));
                    shared.Replace(existing + 1, fadedIcon.Get());
                }
                const int shadowAt = temporary.Add(shadow, face);
                if (shadowAt >= 0) {
                    CIcon shadowIcon(temporary.ExtractIcon(shadowAt));
                    shared.Replace(existing + 2, shadowIcon.Get());
                }
            }
        }
        return existing;
    }

    // One id per picture actually added keeps the two tables in step.
    const int first = shared.Add(icon.Get());
    if (first < 0) return -1;
    ids.push_back(id);
    if (options.effects) {
        if (!faded.IsNull() && shared.Add(faded, face) >= 0) ids.push_back(id);
        if (!shadow.IsNull() && shared.Add(shadow, face) >= 0) ids.push_back(id);
    }
    return first;
}

}  // namespace tessel
