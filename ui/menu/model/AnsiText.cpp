// Caption conversions; see AnsiText.h.
#include "ui/menu/model/AnsiText.h"

#include <windows.h>

#include <vector>

namespace tessel {

static_assert(CP_ACP == 0, "code page 0 means the ANSI code page");

std::optional<std::wstring> AnsiToWide(const char* text, unsigned int codePage) {
    if (text == nullptr) return std::nullopt;
    const int units = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (units <= 1) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(units));
    const int written = MultiByteToWideChar(codePage, 0, text, -1, buffer.data(), units);
    if (written <= 1) return std::wstring();
    return std::wstring(buffer.data(), static_cast<std::size_t>(written - 1));
}

std::string WideToAnsi(const wchar_t* text, unsigned int codePage) {
    if (text == nullptr) return std::string();
    const int bytes = WideCharToMultiByte(codePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(bytes));
    const int written = WideCharToMultiByte(codePage, 0, text, -1, buffer.data(), bytes, nullptr, nullptr);
    if (written <= 1) return std::string();
    return std::string(buffer.data(), static_cast<std::size_t>(written - 1));
}

}  // namespace tessel
