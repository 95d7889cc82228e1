// Owner of an icon made or loaded as the caller's own (CreateIconIndirect,
// LoadImage without LR_SHARED, CopyIcon): destroyed in the destructor.
// Icons from LoadIcon are shared by the system and must not be put here.
#pragma once
#include <utility>

#include "framework/Afx.h"

class CIcon {
public:
    CIcon() = default;
    explicit CIcon(HICON owned) : m_hIcon(owned) {}
    ~CIcon() { Destroy(); }
    CIcon(CIcon&& other) noexcept : m_hIcon(std::exchange(other.m_hIcon, nullptr)) {}
    CIcon& operator=(CIcon&& other) noexcept {
        if (this != &other) {
            Destroy();
            m_hIcon = std::exchange(other.m_hIcon, nullptr);
        }
        return *this;
    }
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;

    HICON Get() const { return m_hIcon; }
    explicit operator bool() const { return m_hIcon != nullptr; }
    HICON Detach() { return std::exchange(m_hIcon, nullptr); }
    void Destroy() {
        if (m_hIcon != nullptr) ::DestroyIcon(std::exchange(m_hIcon, nullptr));
    }

private:
    HICON m_hIcon = nullptr;
};
