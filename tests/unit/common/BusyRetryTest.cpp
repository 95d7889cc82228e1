// The retry loop on a clock the test runs: no test here waits.
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
