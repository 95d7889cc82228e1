#include "common/LittleEndian.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(LittleEndian, RoundTripsEveryBitOfEveryByte) {
    std::vector<uint32_t> values = {0u, 0x7F2u, 0xFFFFFFFFu};
    for (int bit = 0; bit < 32; ++bit) {
        values.push_back(1u << bit);
        values.push_back(~(1u << bit));
    }
    for (uint32_t byte = 0; byte < 256; ++byte)
        for (int shift = 0; shift < 32; shift += 8) values.push_back(byte << shift);
    for (uint32_t value : values) {
        unsigned char bytes[4];
        WriteLittleEndian32(value, bytes);
        uint32_t read = ~value;
        ASSERT_TRUE(ReadLittleEndian32(bytes, 4, read)) << value;
        EXPECT_EQ(read, value);
    }
}

TEST(LittleEndian, ShortOrMissingBytesFailAndKeepTheValue) {
    // Each short range ends its buffer: reading a fourth byte would pass it.
    for (size_t size = 1; size < 4; ++size) {
        const Bytes bytes(size, 0xAB);
        uint32_t value = 0x5A5A5A5Au;
        EXPECT_FALSE(ReadLittleEndian32(bytes.data(), size, value)) << size;
        EXPECT_EQ(value, 0x5A5A5A5Au);
    }
    uint32_t value = 7;
    EXPECT_FALSE(ReadLittleEndian32(nullptr, 4, value)) << "a size without bytes is still nothing";
    EXPECT_EQ(value, 7u);
}

TEST(LittleEndian, ReadsOnlyTheFirstFourBytes) {
    const Bytes longer = {0x76, 0x00, 0x00, 0x00, 0xFF, 0xFF};
    uint32_t value = 0;
    ASSERT_TRUE(ReadLittleEndian32(longer.data(), longer.size(), value));
    EXPECT_EQ(value, 0x76u);
}

}  // namespace
