#include "app/TitleText.h"

std::size_t ShortenTitle(wchar_t* title, std::size_t length, std::size_t maxUnits) {
    if (length > maxUnits) {
        length = 0;
        if (maxUnits > 0) {
            length = maxUnits - 1;
            if (length > 0 && title[length - 1] >= 0xD800 && title[length - 1] <= 0xDBFF) --length;
            title[length++] = L'\u2026';
        }
    }
    title[length] = L'\0';
    return length;
}

void EscapeMnemonics(const wchar_t* text, wchar_t* out, std::size_t size) {
    std::size_t used = 0;
    for (; *text != L'\0'; ++text) {
        const std::size_t needed = *text == L'&' ? 2 : 1;
        if (used + needed >= size) break;
        if (*text == L'&') out[used++] = L'&';
        out[used++] = *text;
    }
    if (size > 0) out[used] = L'\0';
}
