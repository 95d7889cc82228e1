#include "bench/BenchStats.h"

#include <gtest/gtest.h>

namespace {
std::vector<double> side(const std::vector<SampleBlock>& blocks, bool subject) {
    std::vector<double> all;
    for (const SampleBlock& b : blocks)
        all.insert(all.end(), (subject ? b.subject : b.floor).begin(), (subject ? b.subject : b.floor).end());
    return all;
}
}  // namespace

TEST(Summarise, OddCountTakesTheMiddleOfTheSortedValues) {
    Summary s = Summarise({9.0, 1.0, 5.0, 3.0, 7.0});
    EXPECT_EQ(s.count, 5u);
    EXPECT_DOUBLE_EQ(s.median, 5.0);
    EXPECT_DOUBLE_EQ(s.min, 1.0);
    EXPECT_DOUBLE_EQ(s.max, 9.0);
}

TEST(Summarise, EvenCountAveragesTheTwoMiddleValues) {
    Summary s = Summarise({4.0, 1.0, 10.0, 2.0});
    EXPECT_DOUBLE_EQ(s.median, 3.0);
    EXPECT_DOUBLE_EQ(s.min, 1.0);
    EXPECT_DOUBLE_EQ(s.max, 10.0);
    EXPECT_DOUBLE_EQ(Summarise({2.5}).median, 2.5);
}

TEST(Summarise, LowerQuartileInterpolatesAQuarterOfTheWayUp) {
    EXPECT_DOUBLE_EQ(Summarise({5.0, 1.0, 4.0, 2.0, 3.0}).lowerQuartile, 2.0);
    EXPECT_DOUBLE_EQ(Summarise({4.0, 1.0, 3.0, 2.0}).lowerQuartile, 1.75);
    // Slow runs bunched at the top leave it with the fast ones.
    EXPECT_DOUBLE_EQ(Summarise({60, 61, 62, 63, 64, 110, 111, 112, 113}).lowerQuartile, 62.0);
    EXPECT_DOUBLE_EQ(Summarise({7.5}).lowerQuartile, 7.5);
}

TEST(Summarise, NoValuesGiveCountZero) { EXPECT_EQ(Summarise({}).count, 0u); }

TEST(Ratio, DividesByAPositiveFloorOnly) {
    ASSERT_TRUE(Ratio(13.0, 10.0).has_value());
    EXPECT_DOUBLE_EQ(*Ratio(13.0, 10.0), 1.3);
    EXPECT_FALSE(Ratio(1.0, 0.0).has_value());
    EXPECT_FALSE(Ratio(1.0, -2.0).has_value());
}

TEST(ContextSwitchesFromStatus, AddsVoluntaryAndInvoluntary) {
    const char status[] =
        "Name:\tZorvane.exe\nState:\tS (sleeping)\nThreads:\t1\n"
        "voluntary_ctxt_switches:\t1234\nnonvoluntary_ctxt_switches:\t56\n";
    ASSERT_TRUE(ContextSwitchesFromStatus(status).has_value());
    EXPECT_EQ(*ContextSwitchesFromStatus(status), 1290u);
}

TEST(ContextSwitchesFromStatus, TakesWhichEverLineIsThereAndNoPrefixOfAnother) {
    EXPECT_EQ(ContextSwitchesFromStatus("nonvoluntary_ctxt_switches:  7"), std::optional<uint64_t>(7));
    EXPECT_EQ(ContextSwitchesFromStatus("voluntary_ctxt_switches: 3\r\n"), std::optional<uint64_t>(3));
    // "x_voluntary_ctxt_switches" is not the field, nor is a name without colon.
    EXPECT_FALSE(ContextSwitchesFromStatus("x_voluntary_ctxt_switches:\t5\nvoluntary_ctxt_switches 4\n"));
}

TEST(ContextSwitchesFromStatus, RejectsMissingAndMalformedValues) {
    EXPECT_FALSE(ContextSwitchesFromStatus(""));
    EXPECT_FALSE(ContextSwitchesFromStatus("Name:\tx\n"));
    EXPECT_FALSE(ContextSwitchesFromStatus("voluntary_ctxt_switches:\t12a\nnonvoluntary_ctxt_switches:\t1\n"));
    EXPECT_FALSE(ContextSwitchesFromStatus("voluntary_ctxt_switches:\t\nnonvoluntary_ctxt_switches:\t1\n"));
    EXPECT_FALSE(ContextSwitchesFromStatus("voluntary_ctxt_switches:\t99999999999999999999999\n"));
}

TEST(ProcessTimesFromStat, ReadsFieldsFourteenAndFifteen) {
    const char stat[] = "4242 (Zorvane.exe) S 1 4242 4242 0 -1 4194560 1500 0 0 0 31 17 0 0 20 0 1 0 99 0 0";
    auto times = ProcessTimesFromStat(stat);
    ASSERT_TRUE(times.has_value());
    EXPECT_EQ(times->first, 31u);
    EXPECT_EQ(times->second, 17u);
}

TEST(ProcessTimesFromStat, NameMayHoldBlanksAndParentheses) {
    const char stat[] = "7 (a (b) c) R 1 7 7 0 -1 0 0 0 0 0 5 6 0 0 20 0 1 0 99 0 0\n";
    auto times = ProcessTimesFromStat(stat);
    ASSERT_TRUE(times.has_value());
    EXPECT_EQ(times->first, 5u);
    EXPECT_EQ(times->second, 6u);
}

TEST(ProcessTimesFromStat, RejectsShortOrMalformedText) {
    EXPECT_FALSE(ProcessTimesFromStat(""));
    EXPECT_FALSE(ProcessTimesFromStat("7 (x) R 1 7 7 0 -1 0 0 0 0 0 5"));
    EXPECT_FALSE(ProcessTimesFromStat("7 (x) R 1 7 7 0 -1 0 0 0 0 0 5 -6 0"));
    EXPECT_FALSE(ProcessTimesFromStat("no parenthesis 1 2 3 4 5 6 7 8 9 10 11 12 13 14"));
}

TEST(Formatting, FixedRoundsAndGroupedSeparatesThousands) {
    EXPECT_EQ(Fixed(1.234, 2), "1.23");
    EXPECT_EQ(Fixed(1.235001, 2), "1.24");
    EXPECT_EQ(Fixed(12.0, 0), "12");
    EXPECT_EQ(Grouped(0), "0");
    EXPECT_EQ(Grouped(999), "999");
    EXPECT_EQ(Grouped(1000), "1,000");
    EXPECT_EQ(Grouped(102400), "102,400");
    EXPECT_EQ(Grouped(1234567), "1,234,567");
}

TEST(MedianRatioInterval, RatioOfMediansWithAnIntervalThatDependsOnTheSeedOnly) {
    std::vector<SampleBlock> blocks;
    uint64_t noise = 7;
    for (int i = 0; i < 60; ++i) {
        noise = noise * 6364136223846793005ull + 1442695040888963407ull;
        const double jitter = static_cast<double>(noise >> 54) / 1024.0;  // 0 to 1
        blocks.push_back({{1.2 + jitter, 1.3}, {1.0 + jitter / 2}});
    }
    auto a = MedianRatioInterval(blocks, 0.95, 500, 1);
    ASSERT_TRUE(a.has_value());
    EXPECT_DOUBLE_EQ(a->ratio, Summarise(side(blocks, true)).median / Summarise(side(blocks, false)).median);
    EXPECT_LT(a->low, a->ratio);
    EXPECT_GT(a->high, a->ratio);
    auto again = MedianRatioInterval(blocks, 0.95, 500, 1);
    EXPECT_EQ(again->low, a->low);
    EXPECT_EQ(again->high, a->high);
    auto otherSeed = MedianRatioInterval(blocks, 0.95, 500, 2);
    EXPECT_TRUE(otherSeed->low != a->low || otherSeed->high != a->high);
    auto narrower = MedianRatioInterval(blocks, 0.5, 500, 1);
    EXPECT_GT(narrower->low, a->low);
    EXPECT_LT(narrower->high, a->high);
}

// Drift that both sides of a block share cancels out: resampled by blocks,
// every draw keeps the ratio, where values drawn one by one would scatter it.
TEST(MedianRatioInterval, ResamplesWholeBlocksSoSharedDriftCancels) {
    std::vector<SampleBlock> blocks;
    for (int i = 1; i <= 41; ++i) blocks.push_back({{1.1 * i}, {1.0 * i}});
    auto r = MedianRatioInterval(blocks, 0.95, 1000, 3);
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->ratio, 1.1, 1e-12);
    EXPECT_NEAR(r->low, 1.1, 1e-12);
    EXPECT_NEAR(r->high, 1.1, 1e-12);
    EXPECT_NEAR(r->HalfWidth(), 0.0, 1e-12);
}

TEST(MedianRatioInterval, NothingWithoutPositiveMediansOnBothSides) {
    EXPECT_FALSE(MedianRatioInterval({}, 0.95, 100, 1));
    EXPECT_FALSE(MedianRatioInterval({{{1.0}, {}}}, 0.95, 100, 1));
    EXPECT_FALSE(MedianRatioInterval({{{1.0}, {0.0}}}, 0.95, 100, 1));
}

TEST(VerdictOnInterval, TakesTheUpperBound) {
    struct Case {
        std::optional<RatioInterval> interval;
        Verdict expected;
    } cases[] = {
        {RatioInterval{1.02, 0.98, 1.10}, Verdict::Met},
        {RatioInterval{1.02, 0.98, 1.11}, Verdict::NotMet},  // the median alone would pass
        {RatioInterval{1.20, 1.15, 1.25}, Verdict::NotMet},
        {std::nullopt, Verdict::Unknown},
    };
    for (const Case& c : cases) EXPECT_EQ(VerdictOnInterval(c.interval, 1.10), c.expected);
}
