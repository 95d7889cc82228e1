#include "updater/UniqueHandle.h"

UniqueHandle::UniqueHandle(HANDLE handle)
    : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle)
{
}

UniqueHandle::~UniqueHandle()
{
    reset();
}

UniqueHandle::UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.m_handle)
{
    other.m_handle = nullptr;
}

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept
{
    if (this != &other) {
        reset();
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

void UniqueHandle::reset()
{
    if (m_handle != nullptr)
        CloseHandle(m_handle);
    m_handle = nullptr;
}
