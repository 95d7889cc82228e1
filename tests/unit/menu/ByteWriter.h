// Test helper: little-endian byte buffers for hand-built resources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ByteWriter {
public:
    ByteWriter& U16(std::uint32_t v) {
        bytes_.push_back(static_cast<unsigned char>(v & 0xFF));
        bytes_.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
        return *this;
    }
    ByteWriter& U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        return U16(v >> 16);
    }
    // UTF-16 text with its terminating NUL.
    ByteWriter& Str(const std::wstring& s) {
        for (wchar_t c : s) U16(static_cast<std::uint16_t>(c));
        return U16(0);
    }
    ByteWriter& Align4() {
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
        return *this;
    }
    ByteWriter& Raw(std::initializer_list<unsigned char> b) {
        bytes_.insert(bytes_.end(), b.begin(), b.end());
        return *this;
    }
    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
};
