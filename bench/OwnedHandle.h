// Move-only owner of a kernel handle, closed with the function for its kind.
// Null and INVALID_HANDLE_VALUE both mean "none": the API reports failure
// with one or the other depending on the call.
#pragma once
#include <windows.h>

#include <utility>

template <BOOL(WINAPI* Close)(HANDLE)>
class BasicOwnedHandle {
public:
    BasicOwnedHandle() = default;
    explicit BasicOwnedHandle(HANDLE h) : m_handle(h) {}
    ~BasicOwnedHandle() { Reset(); }
    BasicOwnedHandle(BasicOwnedHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    BasicOwnedHandle& operator=(BasicOwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    BasicOwnedHandle(const BasicOwnedHandle&) = delete;
    BasicOwnedHandle& operator=(const BasicOwnedHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    void Reset() {
        if (Valid()) Close(m_handle);
        m_handle = nullptr;
    }

private:
    HANDLE m_handle = nullptr;
};

// Processes, threads and files.
using OwnedHandle = BasicOwnedHandle<::CloseHandle>;
// FindFirstFile searches.
using OwnedFind = BasicOwnedHandle<::FindClose>;
