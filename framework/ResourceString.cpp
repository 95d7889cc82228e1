#include "framework/ResourceString.h"

#include "framework/Afx.h"

bool AfxLoadWideString(UINT id, std::wstring& out) {
    // With no buffer the call hands out a read-only pointer into the loaded
    // table, and the length: nothing is cut to a buffer's size.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        out.clear();
        return false;
    }
    out.assign(text, static_cast<size_t>(length));
    return true;
}
