// Bitmap resource headers and the toolbar colour mapping.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/unit/menu/ByteWriter.h"
#include "tests/unit/menu/GuardedBuffer.h"
#include "ui/menu/readers/DibResource.h"

using namespace tessel;

namespace {

std::vector<unsigned char> Dib(std::uint32_t headerSize, std::uint16_t bitCount, std::uint32_t clrUsed,
                               std::size_t tableEntries, std::size_t extra = 0) {
    ByteWriter w;
    w.U32(headerSize).U32(16).U32(15).U16(1).U16(bitCount).U32(0).U32(0).U32(0).U32(0);
    w.U32(clrUsed).U32(0);
    for (std::uint32_t i = 40; i < headerSize; ++i) w.Raw({0});
    for (std::size_t i = 0; i < tableEntries; ++i) w.U32(static_cast<std::uint32_t>(i * 0x111111));
    for (std::size_t i = 0; i < extra; ++i) w.Raw({0x5A});
    return w.bytes();
}

DibResult Parse(const std::vector<unsigned char>& bytes) {
    GuardedBuffer buffer(bytes);
    EXPECT_TRUE(buffer.valid());
    return ParseDibResource(buffer.data(), buffer.size());
}

}  // namespace

TEST(DibColorCount, FromDepthOrExplicitCount) {
    EXPECT_EQ(DibColorCount(0, 1), 2);
    EXPECT_EQ(DibColorCount(0, 4), 16);
    EXPECT_EQ(DibColorCount(0, 8), 256);
    EXPECT_EQ(DibColorCount(0, 16), 0);
    EXPECT_EQ(DibColorCount(0, 24), 0);
    EXPECT_EQ(DibColorCount(0, 32), 0);
    EXPECT_EQ(DibColorCount(0, 2), 0);
    EXPECT_EQ(DibColorCount(5, 4), 5);
    EXPECT_EQ(DibColorCount(16, 8), 16);
    EXPECT_EQ(DibColorCount(3, 24), 3);
}

TEST(DibResource, SixteenColourBitmap) {
    const DibResult r = Parse(Dib(40, 4, 0, 16, 120));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.info.width, 16);
    EXPECT_EQ(r.info.height, 15);
    EXPECT_EQ(r.info.bitCount, 4);
    EXPECT_EQ(r.info.colorCount, 16);
    EXPECT_EQ(r.info.colorTableOffset, 40u);
    EXPECT_EQ(r.info.bitsOffset, 104u);
}

TEST(DibResource, LargerHeadersAndTrueColour) {
    const DibResult v5 = Parse(Dib(124, 8, 0, 256));
    ASSERT_TRUE(v5.ok());
    EXPECT_EQ(v5.info.colorTableOffset, 124u);
    EXPECT_EQ(v5.info.bitsOffset, 124u + 1024u);
    const DibResult rgb = Parse(Dib(40, 24, 0, 0, 10));
    ASSERT_TRUE(rgb.ok());
    EXPECT_EQ(rgb.info.colorCount, 0);
    EXPECT_EQ(rgb.info.bitsOffset, 40u);
}

TEST(DibResource, EveryTruncationFails) {
    const std::vector<unsigned char> full = Dib(40, 4, 0, 16);
    for (std::size_t n = 0; n < full.size(); ++n) {
        const DibResult r = Parse(std::vector<unsigned char>(full.begin(), full.begin() + n));
        EXPECT_EQ(r.error, n < 40 ? DibError::HeaderTruncated : DibError::TableTruncated) << n;
    }
    EXPECT_TRUE(Parse(full).ok());
    EXPECT_EQ(ParseDibResource(nullptr, 200).error, DibError::HeaderTruncated);
}

TEST(DibResource, LyingHeaders) {
    EXPECT_EQ(Parse(Dib(12, 4, 0, 16)).error, DibError::BadHeaderSize);
    EXPECT_EQ(Parse(Dib(0, 4, 0, 16)).error, DibError::BadHeaderSize);
    // The header claims to be longer than the resource.
    std::vector<unsigned char> longHeader = Dib(40, 4, 0, 16);
    longHeader[0] = 0x00;
    longHeader[1] = 0x10;  // 4096
    EXPECT_EQ(Parse(longHeader).error, DibError::HeaderTruncated);
    std::vector<unsigned char> hugeHeader = Dib(40, 4, 0, 16);
    hugeHeader[3] = 0xFF;
    EXPECT_EQ(Parse(hugeHeader).error, DibError::HeaderTruncated);
    // More colours than the depth can index.
    EXPECT_EQ(Parse(Dib(40, 4, 17, 17)).error, DibError::TooManyColors);
    EXPECT_EQ(Parse(Dib(40, 1, 3, 3)).error, DibError::TooManyColors);
    // A count that would wrap the table size around.
    EXPECT_EQ(Parse(Dib(40, 24, 0x40000001u, 4)).error, DibError::TableTruncated);
    EXPECT_EQ(Parse(Dib(40, 32, 0xFFFFFFFFu, 4)).error, DibError::TableTruncated);
}

TEST(DibResource, RandomHeadersStayBounded) {
    std::mt19937 random(555u);
    for (int i = 0; i < 3000; ++i) {
        std::vector<unsigned char> bytes(random() % 200);
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
        if (bytes.size() >= 40 && i % 2 == 0) {
            bytes[0] = 40;
            bytes[1] = bytes[2] = bytes[3] = 0;
        }
        const DibResult r = Parse(bytes);
        if (r.ok()) {
            EXPECT_LE(r.info.bitsOffset, bytes.size());
            EXPECT_GE(r.info.colorTableOffset, 40u);
        }
    }
}

TEST(ToolbarColours, FourColoursFollowTheSystem) {
    ToolbarSysColors sys;
    sys.btnText = MakeColor(1, 2, 3);
    sys.btnShadow = MakeColor(4, 5, 6);
    sys.btnFace = MakeColor(7, 8, 9);
    sys.btnHighlight = MakeColor(10, 11, 12);
    EXPECT_EQ(MapToolbarColor(MakeColor(0, 0, 0), sys), sys.btnText);
    EXPECT_EQ(MapToolbarColor(MakeColor(128, 128, 128), sys), sys.btnShadow);
    EXPECT_EQ(MapToolbarColor(MakeColor(192, 192, 192), sys), sys.btnFace);
    EXPECT_EQ(MapToolbarColor(MakeColor(255, 255, 255), sys), sys.btnHighlight);
    EXPECT_EQ(MapToolbarColor(MakeColor(255, 0, 0), sys), MakeColor(255, 0, 0));
    EXPECT_EQ(MapToolbarColor(MakeColor(128, 128, 129), sys), MakeColor(128, 128, 129));
    EXPECT_EQ(MapToolbarColor(MakeColor(191, 192, 192), sys), MakeColor(191, 192, 192));
}

TEST(ToolbarColours, RgbQuadOrder) {
    // RGBQUAD bytes are blue, green, red: as a little-endian word 0x00RRGGBB.
    EXPECT_EQ(RgbQuadToColor(0x00112233u), MakeColor(0x11, 0x22, 0x33));
    EXPECT_EQ(ColorToRgbQuad(MakeColor(0x11, 0x22, 0x33)), 0x00112233u);
    EXPECT_EQ(RgbQuadToColor(0xFF000000u), MakeColor(0, 0, 0));
    for (Color c : {MakeColor(1, 2, 3), MakeColor(255, 0, 128), MakeColor(0, 0, 0)}) {
        EXPECT_EQ(RgbQuadToColor(ColorToRgbQuad(c)), c);
    }
}
