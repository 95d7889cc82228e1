// Checks that icon 128 of an executable, whose 128-pixel image is stored
// PNG-compressed, loads and draws exactly like the same pictures stored as
// plain bitmaps:
//
//   icon_check.exe MODULE.exe REFERENCE.ico
//
// For each size the program uses (128 as stored, 32 for LoadIcon and the
// About box, 16 for the caption and tray), both are loaded with LoadImage,
// their colour bitmaps are checked with GetIconInfo, and each is drawn on
// three backgrounds; every pixel must match. The reference holds the same
// three images, so the 32 and 16 pixel rows also show that the executable
// carries the generator's current pictures. Exit code 0 when all match.
#include <windows.h>

#include <cstdio>
#include <vector>
#include "common/UniqueHandle.h"
#include "res/resource.h"

namespace {

const int kIconId = IDI_APP;

// A 32-bit top-down DIB section with a memory DC to draw into.
class Canvas {
public:
    explicit Canvas(int size) : m_size(size) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size;
        info.bmiHeader.biHeight = -size;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        if (m_dc != nullptr && m_bitmap != nullptr) m_old = ::SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        if (m_old != nullptr) ::SelectObject(m_dc, m_old);
        if (m_bitmap != nullptr) ::DeleteObject(m_bitmap);
        if (m_dc != nullptr) ::DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Ok() const { return m_old != nullptr && m_bits != nullptr; }

    // Fills with background, draws the icon, returns the pixels.
    std::vector<DWORD> Draw(HICON icon, DWORD background) {
        ::GdiFlush();
        for (int i = 0; i < m_size * m_size; ++i) m_bits[i] = background;
        ::DrawIconEx(m_dc, 0, 0, icon, m_size, m_size, 0, nullptr, DI_NORMAL);
        ::GdiFlush();
        return std::vector<DWORD>(m_bits, m_bits + m_size * m_size);
    }

private:
    int m_size;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};

// Owner of a loaded icon.
class Icon {
public:
    explicit Icon(HANDLE h) : m_icon(static_cast<HICON>(h)) {}
    ~Icon() {
        if (m_icon != nullptr) ::DestroyIcon(m_icon);
    }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    HICON Get() const { return m_icon; }

private:
    HICON m_icon;
};

// Width and depth of the icon's colour bitmap, 0 when it has none.
void DescribeColourBitmap(HICON icon, int* width, int* bits) {
    *width = 0;
    *bits = 0;
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return;
    BITMAP bm = {};
    if (info.hbmColor != nullptr && ::GetObjectW(info.hbmColor, sizeof bm, &bm) == sizeof bm) {
        *width = bm.bmWidth;
        *bits = bm.bmBitsPixel;
    }
    if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
}

bool CheckSize(HMODULE module, const wchar_t* reference, int size) {
    Icon stored(::LoadImageW(module, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, size, size, 0));
    Icon plain(::LoadImageW(nullptr, reference, IMAGE_ICON, size, size, LR_LOADFROMFILE));
    if (stored.Get() == nullptr || plain.Get() == nullptr) {
        std::printf("icon %d at %dx%d: cannot load (%s)\n", kIconId, size, size,
                    stored.Get() == nullptr ? "from the executable" : "the reference");
        return false;
    }
    int width = 0, bits = 0;
    DescribeColourBitmap(stored.Get(), &width, &bits);
    Canvas canvas(size);
    if (!canvas.Ok()) {
        std::printf("icon %d at %dx%d: no drawing surface\n", kIconId, size, size);
        return false;
    }
    const DWORD backgrounds[] = {0x00FFFFFF, 0x00000000, 0x00808080};
    int differing = 0, covered = 0;
    for (DWORD background : backgrounds) {
        std::vector<DWORD> a = canvas.Draw(stored.Get(), background);
        std::vector<DWORD> b = canvas.Draw(plain.Get(), background);
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i] != b[i]) ++differing;
            if ((a[i] & 0xFFFFFF) != background) ++covered;
        }
    }
    // A picture that draws nothing would match its reference trivially.
    bool ok = differing == 0 && covered > 0 && width == size;
    std::printf("icon %d at %dx%d: colour bitmap %dx%d, %d bits; %d of %d pixels differ from the bitmap form; %s\n",
                kIconId, size, size, width, width, bits, differing, 3 * size * size, ok ? "ok" : "FAILED");
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::printf("usage: icon_check MODULE.exe REFERENCE.ico\n");
        return 2;
    }
    const UniqueModule module(::LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) {
        std::printf("cannot open %ls\n", argv[1]);
        return 2;
    }
    bool ok = true;
    for (int size : {128, 32, 16}) ok = CheckSize(module.get(), argv[2], size) && ok;
    return ok ? 0 : 1;
}
