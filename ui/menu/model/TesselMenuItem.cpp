#include "ui/menu/model/TesselMenuItem.h"

#include <cwchar>
#include <utility>

#include "ui/menu/model/AnsiText.h"

void TesselMenuItem::SetTextWide(const wchar_t* s) {
    text.reset();
    if (s == nullptr) return;
    const std::size_t length = std::wcslen(s);
    text = std::make_unique<wchar_t[]>(length + 1);
    std::wmemcpy(text.get(), s, length + 1);
}

void TesselMenuItem::SetTextNarrow(const char* s) {
    const std::optional<std::wstring> wide = tessel::AnsiToWide(s, CP_ACP);
    SetTextWide(wide ? wide->c_str() : nullptr);
}

CString TesselMenuItem::GetTextNarrow() const {
    if (!text) return CString();
    return CString(tessel::WideToAnsi(text.get(), CP_ACP).c_str());
}

void TesselMenuItem::SetOwnImage(std::unique_ptr<CImageList> images, int index) {
    ownImages = std::move(images);
    const bool has = ownImages != nullptr && index >= 0;
    ownImageIndex = has ? index : -1;
    ownImageFlag = has ? 0 : -1;
}
