// Sole owner of a system handle, closed with its kind's function when the
// owner ends or takes another. Move-only, so that every transfer of
// ownership shows in the code. Header-only and free of the C++ library, so
// that the updater can use it too.
#pragma once
#include <windows.h>

// Traits name the handle type, the value that owns nothing, what counts as
// owned and how to close it.
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    // Borrowed: stays this owner's.
    Handle get() const { return m_handle; }
    explicit operator bool() const { return Traits::IsOwned(m_handle); }

    // Closes the handle owned so far and owns handle instead.
    void reset(Handle handle = Traits::Empty()) {
        const Handle old = m_handle;
        m_handle = handle;
        if (Traits::IsOwned(old)) Traits::Close(old);
    }

    // Hands the handle over unclosed; the caller closes it.
    Handle release() {
        const Handle handle = m_handle;
        m_handle = Traits::Empty();
        return handle;
    }

private:
    Handle m_handle = Traits::Empty();
};

// Processes, threads, files, mutexes. The API reports failure with null or
// INVALID_HANDLE_VALUE depending on the call; neither is owned.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static HANDLE Empty() { return nullptr; }
    static bool IsOwned(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};

// FindFirstFile searches.
struct FindHandleTraits {
    using Handle = HANDLE;
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsOwned(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { ::FindClose(handle); }
};

// Libraries and executables loaded, as code or as data files.
struct ModuleTraits {
    using Handle = HMODULE;
    static HMODULE Empty() { return nullptr; }
    static bool IsOwned(HMODULE module) { return module != nullptr; }
    static void Close(HMODULE module) { ::FreeLibrary(module); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
