// Lookups in the shared picture id table.
#include <gtest/gtest.h>

#include "ui/menu/pictures/SharedImages.h"

using namespace tessel;

TEST(SharedImages, FindTheFirstPictureOfACommand) {
    const std::vector<std::int32_t> ids = {100, 100, 100, 101, 102, 102, 102};
    EXPECT_EQ(FindSharedImage(ids, 100), 0);
    EXPECT_EQ(FindSharedImage(ids, 101), 3);
    EXPECT_EQ(FindSharedImage(ids, 102), 4);
    EXPECT_EQ(FindSharedImage(ids, 103), -1);
    EXPECT_EQ(FindSharedImage({}, 100), -1);
    EXPECT_EQ(FindSharedImage({-1}, -1), 0);
}

TEST(SharedImages, EffectImagesAreTheNextTwoWithTheSameId) {
    const std::vector<std::int32_t> ids = {100, 100, 100, 101, 102, 102, 102};
    EXPECT_TRUE(HasEffectImages(ids, 0));
    EXPECT_FALSE(HasEffectImages(ids, 1));  // 100, 100, 101
    EXPECT_FALSE(HasEffectImages(ids, 3));  // 101, 102, 102
    EXPECT_TRUE(HasEffectImages(ids, 4));
    EXPECT_FALSE(HasEffectImages(ids, 5));  // second to last
    EXPECT_FALSE(HasEffectImages(ids, 6));  // last
    EXPECT_FALSE(HasEffectImages(ids, 7));
    EXPECT_FALSE(HasEffectImages(ids, -1));
    EXPECT_FALSE(HasEffectImages({}, 0));
    // Classic style: one entry per command, never effects.
    EXPECT_FALSE(HasEffectImages({100, 101, 102}, 0));
}
