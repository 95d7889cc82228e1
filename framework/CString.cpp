#include "framework/CString.h"

#include <algorithm>

#include "framework/ResourceString.h"

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.c_str(), count);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.c_str() + first, count);
}

int CString::ReverseFind(char c) const {
    size_t pos = m_text.rfind(c);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(char c, int start) const {
    if (start < 0 || start > GetLength()) return -1;
    size_t pos = m_text.find(c, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

bool CString::LoadString(UINT id) {
    // Read whole, then converted, so that a long string is never cut in the
    // middle of a double-byte character.
    std::wstring wide;
    if (!AfxLoadWideString(id, wide)) {
        m_text.clear();
        return false;
    }
    const int length = static_cast<int>(wide.size());
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    m_text.assign(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &m_text[0], bytes, nullptr, nullptr);
    return true;
}
