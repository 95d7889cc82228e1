#include "bench/BenchStats.h"

#include <algorithm>
#include <cstdio>

namespace {

std::optional<uint64_t> ParseUnsigned(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        uint64_t digit = static_cast<uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The number on the line "name: value". Nothing in *out when there is no
// such line; false when there is one and its value is malformed.
bool FieldValue(std::string_view text, std::string_view name, std::optional<uint64_t>* out) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (line.size() > name.size() && line.substr(0, name.size()) == name && line[name.size()] == ':') {
            *out = ParseUnsigned(Trim(line.substr(name.size() + 1)));
            return out->has_value();
        }
        pos = end + 1;
    }
    return true;
}

// splitmix64: a fixed, portable sequence, unlike the standard library's
// distributions, whose output differs between implementations.
uint64_t NextRandom(uint64_t* state) {
    uint64_t z = (*state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Median(std::vector<double>* values) {
    const size_t mid = values->size() / 2;
    std::nth_element(values->begin(), values->begin() + mid, values->end());
    const double upper = (*values)[mid];
    if (values->size() % 2 != 0) return upper;
    return (*std::max_element(values->begin(), values->begin() + mid) + upper) / 2.0;
}

// The value at fraction q of the sorted values, interpolated between neighbours.
double Quantile(const std::vector<double>& sorted, double q) {
    const double position = q * static_cast<double>(sorted.size() - 1);
    const size_t below = static_cast<size_t>(position);
    if (below + 1 >= sorted.size()) return sorted.back();
    return sorted[below] + (position - static_cast<double>(below)) * (sorted[below + 1] - sorted[below]);
}

// Median of one side over the chosen blocks; not positive when it has no values.
double MedianOf(const std::vector<SampleBlock>& blocks, const std::vector<size_t>& chosen,
                std::vector<double> SampleBlock::*side, std::vector<double>* scratch) {
    scratch->clear();
    for (size_t i : chosen) scratch->insert(scratch->end(), (blocks[i].*side).begin(), (blocks[i].*side).end());
    return scratch->empty() ? 0.0 : Median(scratch);
}

}  // namespace

std::optional<RatioInterval> MedianRatioInterval(const std::vector<SampleBlock>& blocks, double confidence,
                                                 int resamples, uint64_t seed) {
    std::vector<size_t> chosen(blocks.size());
    for (size_t i = 0; i < chosen.size(); ++i) chosen[i] = i;
    std::vector<double> scratch;
    const double subject = MedianOf(blocks, chosen, &SampleBlock::subject, &scratch);
    const double floor = MedianOf(blocks, chosen, &SampleBlock::floor, &scratch);
    if (!(subject > 0.0) || !(floor > 0.0) || resamples < 1) return std::nullopt;

    std::vector<double> ratios;
    ratios.reserve(static_cast<size_t>(resamples));
    uint64_t state = seed;
    for (int r = 0; r < resamples; ++r) {
        for (size_t& c : chosen) c = static_cast<size_t>(NextRandom(&state) % blocks.size());
        const double s = MedianOf(blocks, chosen, &SampleBlock::subject, &scratch);
        const double f = MedianOf(blocks, chosen, &SampleBlock::floor, &scratch);
        // A draw without any floor value says nothing of the ratio.
        if (s > 0.0 && f > 0.0) ratios.push_back(s / f);
    }
    if (ratios.empty()) return std::nullopt;
    std::sort(ratios.begin(), ratios.end());
    RatioInterval interval;
    interval.ratio = subject / floor;
    interval.low = Quantile(ratios, (1.0 - confidence) / 2.0);
    interval.high = Quantile(ratios, (1.0 + confidence) / 2.0);
    return interval;
}

Verdict VerdictOnInterval(const std::optional<RatioInterval>& interval, double limit) {
    if (!interval) return Verdict::Unknown;
    return interval->high <= limit ? Verdict::Met : Verdict::NotMet;
}

Summary Summarise(std::vector<double> values) {
    Summary s;
    s.count = values.size();
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    size_t mid = values.size() / 2;
    s.median = values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
    const double quarter = 0.25 * static_cast<double>(values.size() - 1);
    const size_t below = static_cast<size_t>(quarter);
    const double above = below + 1 < values.size() ? values[below + 1] : values[below];
    s.lowerQuartile = values[below] + (quarter - static_cast<double>(below)) * (above - values[below]);
    s.min = values.front();
    s.max = values.back();
    return s;
}

std::optional<double> Ratio(double value, double floor) {
    if (!(floor > 0.0)) return std::nullopt;
    return value / floor;
}

std::optional<uint64_t> ContextSwitchesFromStatus(std::string_view status) {
    std::optional<uint64_t> voluntary, involuntary;
    if (!FieldValue(status, "voluntary_ctxt_switches", &voluntary)) return std::nullopt;
    if (!FieldValue(status, "nonvoluntary_ctxt_switches", &involuntary)) return std::nullopt;
    if (!voluntary && !involuntary) return std::nullopt;
    return voluntary.value_or(0) + involuntary.value_or(0);
}

std::optional<std::pair<uint64_t, uint64_t>> ProcessTimesFromStat(std::string_view stat) {
    size_t close = stat.rfind(')');
    if (close == std::string_view::npos) return std::nullopt;
    // The fields after the name, from field 3 (the state) on.
    std::vector<std::string_view> fields;
    size_t pos = close + 1;
    while (pos < stat.size() && fields.size() < 13) {
        while (pos < stat.size() && IsBlank(stat[pos])) ++pos;
        size_t end = pos;
        while (end < stat.size() && !IsBlank(stat[end])) ++end;
        if (end > pos) fields.push_back(stat.substr(pos, end - pos));
        pos = end;
    }
    if (fields.size() < 13) return std::nullopt;
    std::optional<uint64_t> user = ParseUnsigned(fields[11]);
    std::optional<uint64_t> system = ParseUnsigned(fields[12]);
    if (!user || !system) return std::nullopt;
    return std::make_pair(*user, *system);
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string Grouped(uint64_t value) {
    std::string digits = std::to_string(value);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}
