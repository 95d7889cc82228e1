// Owner of a cursor made or loaded as the caller's own: destroyed in the
// destructor. Shared cursors from LoadCursor must not be put here.
#pragma once
#include <utility>

#include "framework/Afx.h"

class CCursor {
public:
    CCursor() = default;
    explicit CCursor(HCURSOR owned) : m_hCursor(owned) {}
    ~CCursor() { Destroy(); }
    CCursor(CCursor&& other) noexcept : m_hCursor(std::exchange(other.m_hCursor, nullptr)) {}
    CCursor& operator=(CCursor&& other) noexcept {
        if (this != &other) {
            Destroy();
            m_hCursor = std::exchange(other.m_hCursor, nullptr);
        }
        return *this;
    }
    CCursor(const CCursor&) = delete;
    CCursor& operator=(const CCursor&) = delete;

    HCURSOR Get() const { return m_hCursor; }
    explicit operator bool() const { return m_hCursor != nullptr; }
    HCURSOR Detach() { return std::exchange(m_hCursor, nullptr); }
    void Destroy() {
        if (m_hCursor != nullptr) ::DestroyCursor(std::exchange(m_hCursor, nullptr));
    }

private:
    HCURSOR m_hCursor = nullptr;
};
