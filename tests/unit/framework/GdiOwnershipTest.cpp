// Owners release what they own, exactly once, and guards put things back.
#include <gtest/gtest.h>

#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CIcon.h"

namespace {

TEST(GdiOwnership, ObjectsAreDeletedWithTheirOwnerAndMovesTransferOwnership) {
    HGDIOBJ handle = nullptr;
    {
        CBrush brush(RGB(1, 2, 3));
        handle = brush.GetSafeHandle();
        ASSERT_NE(handle, nullptr);
        CBrush moved(std::move(brush));
        EXPECT_EQ(brush.GetSafeHandle(), nullptr);
        EXPECT_EQ(moved.GetSafeHandle(), handle);
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(::GetObjectType(handle), 0u) << "deleted when the last owner went";
}

TEST(GdiOwnership, DetachHandsTheObjectToTheCaller) {
    HGDIOBJ handle = nullptr;
    {
        CBrush brush(RGB(9, 9, 9));
        handle = brush.Detach();
    }
    EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_BRUSH));
    ::DeleteObject(handle);
}

TEST(GdiOwnership, MemoryDcIsDeletedButABorrowedDcIsOnlyLetGo) {
    HDC created = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        created = dc;
    }
    EXPECT_EQ(::GetObjectType(created), 0u);

    HDC lent = ::CreateCompatibleDC(nullptr);
    {
        CBorrowedDC dc(lent);
        EXPECT_EQ(dc.GetSafeHdc(), lent);
    }
    EXPECT_EQ(::GetObjectType(lent), static_cast<DWORD>(OBJ_MEMDC));
    ::DeleteDC(lent);
}

TEST(GdiOwnership, DeletingABorrowedDcThroughTheDrawingTypeOnlyLetsGo) {
    HDC lent = ::CreateCompatibleDC(nullptr);
    {
        CBorrowedDC borrowed(lent);
        CDC* drawing = &borrowed;  // as the drawing routines take it
        drawing->DeleteDC();
        EXPECT_EQ(drawing->GetSafeHdc(), nullptr);
    }
    EXPECT_EQ(::GetObjectType(lent), static_cast<DWORD>(OBJ_MEMDC));
    ::DeleteDC(lent);
}

TEST(GdiOwnership, SelectGuardRestoresThePreviousObject) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap first, second;
    ASSERT_TRUE(first.CreateCompatibleBitmap(CClientDC(nullptr), 4, 4));
    ASSERT_TRUE(second.CreateCompatibleBitmap(CClientDC(nullptr), 4, 4));
    CSelectGuard outer(dc, first);
    {
        CSelectGuard inner(dc, second);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), second.GetSafeHandle());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), first.GetSafeHandle());
}

TEST(GdiOwnership, DrawingHelpersPaintExactlyTheirRectangle) {
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen, 10, 10));
    CSelectGuard select(dc, bitmap);
    dc.FillSolidRect(CRect(0, 0, 10, 10), RGB(255, 255, 255));
    dc.Draw3dRect(CRect(2, 2, 8, 8), RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(6, 2), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(7, 2), RGB(0, 0, 255)) << "the right edge is the bottom-right colour";
    EXPECT_EQ(dc.GetPixel(2, 7), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(4, 4), RGB(255, 255, 255)) << "inside stays untouched";
    EXPECT_EQ(dc.GetPixel(8, 8), RGB(255, 255, 255)) << "outside stays untouched";
}

TEST(IconOwnership, IconsAreDestroyedWithTheirOwner) {
    BYTE andBits[32 * 4];
    BYTE xorBits[32 * 4];
    memset(andBits, 0xFF, sizeof andBits);
    memset(xorBits, 0x00, sizeof xorBits);
    HICON icon = ::CreateIcon(::GetModuleHandleW(nullptr), 32, 32, 1, 1, andBits, xorBits);
    ASSERT_NE(icon, nullptr);
    {
        CIcon owner(icon);
        CIcon moved(std::move(owner));
        EXPECT_FALSE(owner);
        ICONINFO info = {};
        ASSERT_TRUE(::GetIconInfo(moved.Get(), &info));
        ::DeleteObject(info.hbmMask);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
    }
    ICONINFO info = {};
    EXPECT_FALSE(::GetIconInfo(icon, &info)) << "destroyed with the owner";
}

}  // namespace
