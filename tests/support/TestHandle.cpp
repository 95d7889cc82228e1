#include "tests/support/TestHandle.h"

#include <utility>

namespace e2e {

UniqueHandle::UniqueHandle(HANDLE handle) : m_handle(handle) {}

UniqueHandle::~UniqueHandle() { Reset(); }

UniqueHandle::UniqueHandle(UniqueHandle&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)) {}

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
    return *this;
}

UniqueHandle::operator bool() const {
    return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE;
}

void UniqueHandle::Reset(HANDLE handle) {
    if (*this) CloseHandle(m_handle);
    m_handle = handle;
}

}  // namespace e2e
