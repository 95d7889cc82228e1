// Icon 128 as the built Zorvane.exe carries it. Windows XP and 2000 cannot
// decode PNG-compressed icon images, so the sizes they ask for (32 for
// LoadIcon, 16 for captions and the tray) must be plain bitmaps there.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/ResourceView.h"
#include "common/UniqueHandle.h"
#include "res/resource.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/ThisProgram.h"

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14, "the resource's own layout");

class AppIcon : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring path = testsupport::ThisProgram::Beside(ZORVANE_EXE_FROM_TESTS);
        m_module.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(m_module) << "cannot open the built program";
        m_group = FindModuleResource(m_module.get(), MAKEINTRESOURCEA(IDI_APP), RT_GROUP_ICON);
        ASSERT_NE(m_group.data, nullptr) << "no icon group " << IDI_APP;
        ASSERT_GE(m_group.size, 6u);
        WORD header[3];
        std::memcpy(header, m_group.data, sizeof header);
        ASSERT_EQ(header[1], 1) << "an icon group, not a cursor's";
        ASSERT_EQ(m_group.size, 6u + header[2] * sizeof(GroupIconEntry));
        for (WORD i = 0; i < header[2]; ++i) {
            GroupIconEntry entry;
            std::memcpy(&entry, m_group.data + 6 + i * sizeof entry, sizeof entry);
            m_entries.push_back(entry);
        }
    }
    // The entry of a square size at 32 bits; fails the test when there is
    // none, or more than one.
    GroupIconEntry Entry(int size) const {
        GroupIconEntry match = {};
        int count = 0;
        for (const GroupIconEntry& entry : m_entries) {
            const int width = entry.width == 0 ? 256 : entry.width;
            if (width == size && entry.height == entry.width && entry.bitCount == 32) {
                match = entry;
                ++count;
            }
        }
        EXPECT_EQ(count, 1) << "32-bit entries of " << size << "x" << size;
        return match;
    }

    ResourceView Image(const GroupIconEntry& entry) const {
        ResourceView image = FindModuleResource(m_module.get(), MAKEINTRESOURCEA(entry.id), RT_ICON);
        EXPECT_NE(image.data, nullptr) << "icon image " << entry.id;
        EXPECT_EQ(image.size, entry.bytesInRes) << "icon image " << entry.id;
        return image;
    }

    UniqueModule m_module;
    ResourceView m_group;
    std::vector<GroupIconEntry> m_entries;
};

bool IsPng(const ResourceView& image) {
    static const BYTE kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return image.size >= 8 && std::memcmp(image.data, kSignature, 8) == 0;
}

// The picture covers its middle and leaves its corners to the background,
// on white and on black alike.
void ExpectBadgeDrawn(HICON icon, int size) {
    for (const COLORREF background : {RGB(255, 255, 255), RGB(0, 0, 0)}) {
        testsupport::PixelCanvas canvas(size, size, background);
        ASSERT_TRUE(canvas.Ok());
        DrawIconEx(canvas.DC(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        EXPECT_EQ(canvas.Pixel(0, 0), background) << size << "x" << size << ": top-left corner";
        EXPECT_EQ(canvas.Pixel(size - 1, size - 1), background) << size << "x" << size << ": bottom-right corner";
        const RECT middle = {size / 4, size / 4, size * 3 / 4, size * 3 / 4};
        const int covered = canvas.Count(middle, [background](COLORREF c) { return c != background; });
        EXPECT_EQ(covered, size * size / 4) << size << "x" << size << ": the middle is all picture";
    }
}

TEST_F(AppIcon, TheLargeImageStaysForSystemsThatScaleIt) {
    const GroupIconEntry entry = Entry(IDI_APP);
    EXPECT_EQ(entry.height, 128);
    const ResourceView image = Image(entry);
    ASSERT_NE(image.data, nullptr);
    EXPECT_TRUE(IsPng(image)) << "kept small inside the executable";
}

TEST_F(AppIcon, SmallImagesArePlainThirtyTwoBitBitmaps) {
    for (int size : {32, 16}) {
        const ResourceView image = Image(Entry(size));
        ASSERT_NE(image.data, nullptr);
        EXPECT_FALSE(IsPng(image)) << size << "x" << size;
        BITMAPINFOHEADER header = {};
        ASSERT_GE(image.size, sizeof header);
        std::memcpy(&header, image.data, sizeof header);
        EXPECT_EQ(header.biSize, sizeof header) << size << "x" << size;
        EXPECT_EQ(header.biWidth, size);
        EXPECT_EQ(header.biHeight, 2 * size) << "colour bits and mask";
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, 32);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        const DWORD maskStride = ((size + 31) / 32) * 4;
        EXPECT_EQ(image.size, sizeof header + size * size * 4u + maskStride * size) << size << "x" << size;
    }
}

TEST_F(AppIcon, SystemPicksThePlainImageForEachSmallSize) {
    for (int size : {32, 16}) {
        const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(m_group.data), TRUE, size, size, LR_DEFAULTCOLOR);
        EXPECT_EQ(id, Entry(size).id) << size << "x" << size;
    }
}

TEST_F(AppIcon, SmallImagesBecomeIconsWithPixels) {
    for (int size : {32, 16}) {
        const ResourceView image = Image(Entry(size));
        ASSERT_NE(image.data, nullptr);
        HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE, 0x00030000, size, size,
                                              LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << size << "x" << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        ASSERT_NE(info.hbmColor, nullptr);
        EXPECT_EQ(GetObjectW(info.hbmColor, sizeof colour, &colour), static_cast<int>(sizeof colour));
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
        ExpectBadgeDrawn(icon, size);
        DestroyIcon(icon);
    }
}

TEST_F(AppIcon, LoadImageAtTheSmallSizesDrawsTheBadge) {
    for (int size : {32, 16}) {
        HICON icon =
            static_cast<HICON>(LoadImageW(m_module.get(), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size << "x" << size;
        ExpectBadgeDrawn(icon, size);
        DestroyIcon(icon);
    }
}

}  // namespace
