#pragma once

#include <windows.h>

namespace e2e {

// Move-only owner of a kernel handle; closes it on destruction.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle);
    ~UniqueHandle();
    UniqueHandle(UniqueHandle&& other) noexcept;
    UniqueHandle& operator=(UniqueHandle&& other) noexcept;
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const;
    void Reset(HANDLE handle = nullptr);

private:
    HANDLE m_handle = nullptr;
};

}  // namespace e2e
