// The rule that tells a held file from a refused one, and the retry loop on a
// clock the test runs: no test here waits.
#include "common/BusyRetry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A tick that moves only when the loop pauses, and records the pauses.
struct FakeTime {
    DWORD now = 0;
    std::vector<DWORD> pauses;
    auto Clock() {
        return [this] { return now; };
    }
    auto Pause() {
        return [this](DWORD ms) {
            pauses.push_back(ms);
            now += ms;
        };
    }
};

TEST(Deadline, MeasuresElapsedTimeAcrossTheTickWrap) {
    const Deadline deadline(0xFFFFFF00u, 0x200);
    EXPECT_FALSE(deadline.Passed(0xFFFFFF00u));
    EXPECT_FALSE(deadline.Passed(0x000000FFu)) << "0x1FF ms after the start, across the wrap";
    EXPECT_EQ(deadline.RemainingMs(0x000000FFu), 1u);
    EXPECT_TRUE(deadline.Passed(0x00000100u));
    EXPECT_EQ(deadline.RemainingMs(0x00000100u), 0u);
}

TEST(ClassifyFileFailure, OnlyAHoldOnAFileThatCouldBeWrittenIsWorthTheWait) {
    const DWORD normal = FILE_ATTRIBUTE_NORMAL, archive = FILE_ATTRIBUTE_ARCHIVE;
    const DWORD readOnly = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, folder = FILE_ATTRIBUTE_DIRECTORY;
    const struct {
        DWORD error;
        DWORD attributes;
        AttemptResult expected;
    } cases[] = {
        {ERROR_SHARING_VIOLATION, normal, AttemptResult::Busy},
        {ERROR_SHARING_VIOLATION, readOnly, AttemptResult::Busy},
        {ERROR_LOCK_VIOLATION, archive, AttemptResult::Busy},
        {ERROR_ACCESS_DENIED, normal, AttemptResult::Busy},
        {ERROR_ACCESS_DENIED, archive, AttemptResult::Busy},
        // Windows refuses these for good: no wait opens them.
        {ERROR_ACCESS_DENIED, readOnly, AttemptResult::Failed},
        {ERROR_ACCESS_DENIED, FILE_ATTRIBUTE_READONLY, AttemptResult::Failed},
        {ERROR_ACCESS_DENIED, folder, AttemptResult::Failed},
        {ERROR_ACCESS_DENIED, INVALID_FILE_ATTRIBUTES, AttemptResult::Failed},
        {ERROR_FILE_NOT_FOUND, normal, AttemptResult::Failed},
        {ERROR_PATH_NOT_FOUND, INVALID_FILE_ATTRIBUTES, AttemptResult::Failed},
        {ERROR_WRITE_PROTECT, normal, AttemptResult::Failed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyFileFailure(c.error, c.attributes), c.expected)
            << "error " << c.error << ", attributes 0x" << std::hex << c.attributes;
}

TEST(RetryWhileBusy, StopsAtTheFirstAnswerThatIsNotBusy) {
    FakeTime time;
    int calls = 0;
    const auto result = RetryWhileBusy([&] { return ++calls < 3 ? AttemptResult::Busy : AttemptResult::Done; },
                                       Deadline(0, 1000), 50, time.Clock(), time.Pause());
    EXPECT_EQ(result, AttemptResult::Done);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(time.pauses, (std::vector<DWORD>{50, 50}));

    calls = 0;
    EXPECT_EQ(RetryWhileBusy([&] { return ++calls, AttemptResult::Failed; }, Deadline(0, 1000), 50, time.Clock(),
                             time.Pause()),
              AttemptResult::Failed);
    EXPECT_EQ(calls, 1) << "a final failure is not retried";
}

TEST(RetryWhileBusy, GivesUpBusyAtTheDeadlineWithoutOverrunningIt) {
    FakeTime time;
    int calls = 0;
    const auto result =
        RetryWhileBusy([&] { return ++calls, AttemptResult::Busy; }, Deadline(0, 120), 50, time.Clock(), time.Pause());
    EXPECT_EQ(result, AttemptResult::Busy);
    EXPECT_EQ(time.pauses, (std::vector<DWORD>{50, 50, 20})) << "the last pause ends at the deadline";
    EXPECT_EQ(calls, 4) << "one last try at the deadline itself";
    EXPECT_EQ(time.now, 120u);
}

}  // namespace
