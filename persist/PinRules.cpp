#include "persist/PinRules.h"

#include <windows.h>

#include <cwchar>

namespace {

// The name's length, or 0 when it is no name a rule may hold: null, empty,
// longer than kMaxNameLength, or holding a folder or drive separator or a
// control character, none of which a file name can contain.
std::size_t ValidNameLength(const wchar_t* name) {
    if (name == nullptr) return 0;
    std::size_t length = 0;
    for (; name[length] != L'\0'; ++length) {
        const wchar_t unit = name[length];
        if (length == PinRules::kMaxNameLength || unit < L' ' || unit == L'\\' || unit == L'/' || unit == L':')
            return 0;
    }
    return length;
}

// Windows's own upper-case mapping, as file names are compared: one UTF-16
// unit for one (so names of different lengths never match), the same on
// every system from Windows 2000 on, whatever the user's language.
bool SameFileName(const wchar_t* rule, const wchar_t* name, std::size_t length) {
    if (std::wcslen(rule) != length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        wchar_t left = rule[i];
        wchar_t right = name[i];
        if (left == right) continue;
        ::CharUpperBuffW(&left, 1);
        ::CharUpperBuffW(&right, 1);
        if (left != right) return false;
    }
    return true;
}

}  // namespace

const wchar_t* PinRules::At(std::size_t index) const {
    const wchar_t* name = m_names.c_str();
    for (; index != 0; --index) name += std::wcslen(name) + 1;
    return name;
}

std::size_t PinRules::OffsetOf(const wchar_t* fileName) const {
    // No rule holds an invalid name, so none matches one.
    const std::size_t length = ValidNameLength(fileName);
    if (length == 0) return std::wstring::npos;
    for (std::size_t offset = 0; offset < m_names.size(); offset += std::wcslen(m_names.c_str() + offset) + 1)
        if (SameFileName(m_names.c_str() + offset, fileName, length)) return offset;
    return std::wstring::npos;
}

bool PinRules::Contains(const wchar_t* fileName) const { return OffsetOf(fileName) != std::wstring::npos; }

PinRuleChange PinRules::Add(const wchar_t* fileName) {
    const std::size_t length = ValidNameLength(fileName);
    if (length == 0) return PinRuleChange::Invalid;
    if (Contains(fileName)) return PinRuleChange::AlreadyThere;
    if (m_count == kMaxRules) return PinRuleChange::Full;
    m_names.append(fileName, length + 1);
    ++m_count;
    return PinRuleChange::Done;
}

bool PinRules::Remove(const wchar_t* fileName) {
    const std::size_t offset = OffsetOf(fileName);
    if (offset == std::wstring::npos) return false;
    m_names.erase(offset, std::wcslen(m_names.c_str() + offset) + 1);
    --m_count;
    return true;
}
