#include "bench/BenchStats.h"

#include <gtest/gtest.h>

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
