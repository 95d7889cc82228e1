// An ANSI string in the system's code page, for paths, names and the texts
// the program passes through ANSI interfaces.
#pragma once
#include <string>

#include "framework/Afx.h"

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text ? std::string(text, static_cast<size_t>(length)) : "") {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }
    char GetAt(int index) const { return m_text[static_cast<size_t>(index)]; }

    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* other) {
        m_text += other ? other : "";
        return *this;
    }
    CString& operator+=(char c) {
        m_text += c;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const char* b) { return a += b; }
    bool operator==(const CString& o) const { return m_text == o.m_text; }
    bool operator!=(const CString& o) const { return m_text != o.m_text; }
    bool operator==(const char* o) const { return m_text == (o ? o : ""); }

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    // Index of the last occurrence of c, or -1.
    int ReverseFind(char c) const;
    int Find(char c, int start = 0) const;

    // Loads a string resource of the application, converted to the ANSI code
    // page; false when there is none.
    bool LoadString(UINT id);

private:
    std::string m_text;
};
