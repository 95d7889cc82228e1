// Pure arithmetic and parsing of the benchmark: summaries of repeated
// measurements, ratios against the floor, and the Linux task counters.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct Summary {
    size_t count = 0;
    double median = 0.0;
    // The value a quarter of the way up the sorted values, interpolated
    // between neighbours: the typical fast run when slow runs cluster apart.
    double lowerQuartile = 0.0;
    double min = 0.0;
    double max = 0.0;
};

// Median (the mean of the two middle values for an even count), lower
// quartile, minimum and maximum; count 0 for no values.
Summary Summarise(std::vector<double> values);

// value / floor, or nothing when the floor is not positive.
std::optional<double> Ratio(double value, double floor);

// Measurements of a program and its floor taken close together in time (one
// round of starts, one pattern of presses): resampled as a whole, so that the
// machine's load, which drifts over seconds, stays paired as it was measured.
struct SampleBlock {
    std::vector<double> subject;
    std::vector<double> floor;
};

// The ratio of the subject's median to the floor's over all blocks, with a
// bootstrap percentile interval: `resamples` draws of as many blocks, with
// replacement, from a generator seeded with `seed`, so that the same values
// give the same interval. Nothing when either side has no values or a
// median is not positive.
struct RatioInterval {
    double ratio = 0.0;
    double low = 0.0;
    double high = 0.0;
    // Half the interval's width relative to the ratio: 0.05 is "within 5 %".
    double HalfWidth() const { return (high - low) / (2.0 * ratio); }
};
std::optional<RatioInterval> MedianRatioInterval(const std::vector<SampleBlock>& blocks, double confidence,
                                                 int resamples, uint64_t seed);

// A ratio held to "at most limit": met only when the interval's upper bound
// is, so that a noisy run cannot pass on a lucky median.
enum class Verdict { Met, NotMet, Unknown };
Verdict VerdictOnInterval(const std::optional<RatioInterval>& interval, double limit);

// The context switches of one Linux task, voluntary plus involuntary, from
// the text of its /proc/PID/task/TID/status file. Nothing when neither line
// is there or a number is malformed.
std::optional<uint64_t> ContextSwitchesFromStatus(std::string_view status);

// User and system time, in clock ticks, from the text of /proc/PID/stat
// (fields 14 and 15; the command name before them may hold blanks and
// parentheses). Nothing when the text is malformed.
std::optional<std::pair<uint64_t, uint64_t>> ProcessTimesFromStat(std::string_view stat);

// Fixed-point text of a value, e.g. Fixed(1.234, 2) == "1.23".
std::string Fixed(double value, int decimals);

// Integer text with thousands separators, e.g. 102400 -> "102,400".
std::string Grouped(uint64_t value);
