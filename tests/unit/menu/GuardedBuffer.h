// Test helper: bytes placed so that they end exactly at an inaccessible
// page. A parser that reads even one byte past the end crashes the test
// instead of passing by luck.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <vector>

class GuardedBuffer {
public:
    explicit GuardedBuffer(const std::vector<unsigned char>& bytes) : size_(bytes.size()) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        const std::size_t page = info.dwPageSize;
        const std::size_t dataPages = (size_ + page - 1) / page + 1;
        span_ = (dataPages + 1) * page;
        base_ = static_cast<unsigned char*>(VirtualAlloc(nullptr, span_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        if (base_ == nullptr) return;
        DWORD old = 0;
        VirtualProtect(base_ + dataPages * page, page, PAGE_NOACCESS, &old);
        data_ = base_ + dataPages * page - size_;
        if (size_ != 0) std::memcpy(data_, bytes.data(), size_);
    }
    ~GuardedBuffer() {
        if (base_ != nullptr) VirtualFree(base_, 0, MEM_RELEASE);
    }
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    bool valid() const { return base_ != nullptr; }
    const unsigned char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    std::size_t size_ = 0;
    std::size_t span_ = 0;
    unsigned char* base_ = nullptr;
    unsigned char* data_ = nullptr;
};
