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
