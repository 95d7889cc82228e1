// The record a TesselMenu keeps for each position of a menu level. Its
// address is the item data Windows hands back with WM_MEASUREITEM and
// WM_DRAWITEM, so a record outlives its menu entry.
#pragma once

#include <memory>

#include "framework/Afx.h"
#include "framework/CImageList.h"
#include "framework/CString.h"

class TesselMenuItem {
public:
    TesselMenuItem() = default;
    virtual ~TesselMenuItem() = default;
    TesselMenuItem(const TesselMenuItem&) = delete;
    TesselMenuItem& operator=(const TesselMenuItem&) = delete;

    // The caption as shown, "&" before the mnemonic and TAB before the
    // accelerator text included; null = no caption (apart from empty).
    std::unique_ptr<wchar_t[]> text;
    int ownImageIndex = -1;     // picture in ownImages; -1 = none
    int sharedImageIndex = -1;  // picture in the shared list; -1 = none
    int ownImageFlag = -1;      // -1 = no picture of its own
    UINT flags = 0;             // MF_ flags of the last append or modify
    UINT_PTR commandId = 0;     // command id; the HMENU of a popup; 0 for a separator
    std::unique_ptr<CImageList> ownImages;

    // Null leaves no caption; otherwise a copy of s.
    void SetTextWide(const wchar_t* s);
    // ANSI in, through the system's ANSI code page; null as SetTextWide(null).
    void SetTextNarrow(const char* s);
    // The caption in the ANSI code page; empty without one.
    CString GetTextNarrow() const;

    // Gives the item a picture of its own: picture index of images.
    void SetOwnImage(std::unique_ptr<CImageList> images, int index);
};
