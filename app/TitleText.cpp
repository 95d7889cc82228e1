#include "app/TitleText.h"

namespace {
bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
}  // namespace

std::size_t ShortenTitle(wchar_t* title, std::size_t length, std::size_t maxUnits) {
    if (length > maxUnits) {
        length = 0;
        if (maxUnits > 0) {
            length = maxUnits - 1;
            if (length > 0 && IsHighSurrogate(title[length - 1])) --length;
            title[length++] = L'\u2026';
        }
    }
    title[length] = L'\0';
    return length;
}

void EscapeMnemonics(const wchar_t* text, wchar_t* out, std::size_t size) {
    std::size_t used = 0;
    for (; *text != L'\0'; ++text) {
        // A surrogate pair goes whole or not at all.
        const bool pair = IsHighSurrogate(text[0]) && text[1] != L'\0';
        if (used + (*text == L'&' || pair ? 2 : 1) >= size) break;
        if (*text == L'&') out[used++] = L'&';
        if (pair) out[used++] = *text++;
        out[used++] = *text;
    }
    if (size > 0) out[used] = L'\0';
}
