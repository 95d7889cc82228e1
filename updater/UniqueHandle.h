#pragma once

#include <windows.h>

// Sole owner of a kernel handle; closes it on destruction. Holds either a
// valid handle or nothing (null and INVALID_HANDLE_VALUE both mean nothing).
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle);
    ~UniqueHandle();
    UniqueHandle(UniqueHandle&& other) noexcept;
    UniqueHandle& operator=(UniqueHandle&& other) noexcept;
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool valid() const { return m_handle != nullptr; }
    HANDLE get() const { return m_handle; }
    void reset();

private:
    HANDLE m_handle = nullptr;
};
