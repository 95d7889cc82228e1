// The toolbar resource reader and the picture index of a command.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/unit/menu/ByteWriter.h"
#include "tests/unit/menu/GuardedBuffer.h"
#include "ui/menu/readers/ToolbarResource.h"

using namespace tessel;

namespace {

std::vector<unsigned char> Toolbar(std::uint16_t version, std::uint16_t w, std::uint16_t h,
                                   const std::vector<std::uint16_t>& ids) {
    ByteWriter b;
    b.U16(version).U16(w).U16(h).U16(static_cast<std::uint32_t>(ids.size()));
    for (std::uint16_t id : ids) b.U16(id);
    return b.bytes();
}

ToolbarResult Parse(const std::vector<unsigned char>& bytes) {
    GuardedBuffer buffer(bytes);
    EXPECT_TRUE(buffer.valid());
    return ParseToolbarResource(buffer.data(), buffer.size());
}

}  // namespace

TEST(ToolbarResource, ReadsHeaderAndIds) {
    const ToolbarResult r = Parse(Toolbar(1, 16, 15, {100, 0, 101, 102}));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.toolbar.version, 1);
    EXPECT_EQ(r.toolbar.width, 16);
    EXPECT_EQ(r.toolbar.height, 15);
    EXPECT_EQ(r.toolbar.ids, (std::vector<std::uint16_t>{100, 0, 101, 102}));
}

TEST(ToolbarResource, WordsAreLittleEndian) {
    const ToolbarResult r = Parse({0x01, 0x02, 0x10, 0x00, 0x0F, 0x01, 0x01, 0x00, 0x34, 0x12});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.toolbar.version, 0x0201);
    EXPECT_EQ(r.toolbar.width, 0x0010);
    EXPECT_EQ(r.toolbar.height, 0x010F);
    EXPECT_EQ(r.toolbar.ids, (std::vector<std::uint16_t>{0x1234}));
}

TEST(ToolbarResource, EmptyToolbarAndPadding) {
    const ToolbarResult empty = Parse(Toolbar(1, 16, 16, {}));
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty.toolbar.ids.empty());

    std::vector<unsigned char> padded = Toolbar(1, 16, 16, {5, 6});
    padded.insert(padded.end(), {0, 0, 0xFF});
    const ToolbarResult r = Parse(padded);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.toolbar.ids, (std::vector<std::uint16_t>{5, 6}));
}

TEST(ToolbarResource, EveryTruncationFails) {
    const std::vector<unsigned char> full = Toolbar(1, 16, 15, {100, 0, 101, 102});
    for (std::size_t n = 0; n < full.size(); ++n) {
        const ToolbarResult r = Parse(std::vector<unsigned char>(full.begin(), full.begin() + n));
        EXPECT_FALSE(r.ok()) << n;
        EXPECT_EQ(r.error, n < 8 ? ToolbarError::HeaderTruncated : ToolbarError::IdsTruncated) << n;
        EXPECT_TRUE(r.toolbar.ids.empty()) << n;
    }
    EXPECT_EQ(ParseToolbarResource(nullptr, 100).error, ToolbarError::HeaderTruncated);
}

TEST(ToolbarResource, LyingCounts) {
    for (std::uint16_t count : {3, 4, 100, 0x8000, 0xFFFF}) {
        std::vector<unsigned char> bytes = Toolbar(1, 16, 15, {1, 2});
        bytes[6] = static_cast<unsigned char>(count & 0xFF);
        bytes[7] = static_cast<unsigned char>(count >> 8);
        EXPECT_EQ(Parse(bytes).error, ToolbarError::IdsTruncated) << count;
    }
    // One odd byte does not make another id.
    std::vector<unsigned char> odd = Toolbar(1, 16, 15, {1, 2});
    odd.push_back(7);
    odd[6] = 3;
    EXPECT_EQ(Parse(odd).error, ToolbarError::IdsTruncated);
}

TEST(ToolbarResource, RandomBytesStayBounded) {
    std::mt19937 random(4242u);
    for (int i = 0; i < 3000; ++i) {
        std::vector<unsigned char> bytes(random() % 64);
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
        if (bytes.size() >= 8 && i % 2 == 0) {
            bytes[6] = static_cast<unsigned char>(random() % 40);
            bytes[7] = 0;
        }
        const ToolbarResult r = Parse(bytes);
        if (r.ok()) {
            EXPECT_LE(8 + 2 * r.toolbar.ids.size(), bytes.size());
        }
    }
}

TEST(ToolbarPicture, SeparatorsTakeNoPicture) {
    ToolbarResource t;
    t.ids = {100, 0, 101, 102};
    EXPECT_EQ(ToolbarPictureIndex(t, 100), std::optional<int>(0));
    EXPECT_EQ(ToolbarPictureIndex(t, 101), std::optional<int>(1));
    EXPECT_EQ(ToolbarPictureIndex(t, 102), std::optional<int>(2));
    EXPECT_EQ(ToolbarPictureIndex(t, 103), std::nullopt);
    EXPECT_EQ(ToolbarPictureIndex(t, 0), std::nullopt);
}

TEST(ToolbarPicture, FirstOccurrenceWinsAndIdsAreSixteenBits) {
    ToolbarResource t;
    t.ids = {0, 0, 7, 8, 0, 7, 9};
    EXPECT_EQ(ToolbarPictureIndex(t, 7), std::optional<int>(0));
    EXPECT_EQ(ToolbarPictureIndex(t, 8), std::optional<int>(1));
    EXPECT_EQ(ToolbarPictureIndex(t, 9), std::optional<int>(3));
    // A command id above 16 bits is never on a toolbar.
    EXPECT_EQ(ToolbarPictureIndex(t, 0x10007), std::nullopt);
    EXPECT_EQ(ToolbarPictureIndex(ToolbarResource{}, 7), std::nullopt);
}
