// Owner of one GDI object (pen, brush, font, bitmap, region): deleted in the
// destructor. Move-only, so ownership transfers are explicit.
#pragma once
#include <utility>

#include "framework/Afx.h"

class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(HGDIOBJ owned) : m_hObject(owned) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(std::exchange(other.m_hObject, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other) {
            DeleteObject();
            m_hObject = std::exchange(other.m_hObject, nullptr);
        }
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    bool IsNull() const { return m_hObject == nullptr; }

    // Takes ownership; false if this object already owns one.
    bool Attach(HGDIOBJ owned) {
        if (m_hObject != nullptr) return false;
        m_hObject = owned;
        return owned != nullptr;
    }
    // Gives up ownership to the caller.
    HGDIOBJ Detach() { return std::exchange(m_hObject, nullptr); }
    BOOL DeleteObject() {
        if (m_hObject == nullptr) return FALSE;
        return ::DeleteObject(std::exchange(m_hObject, nullptr));
    }
};
