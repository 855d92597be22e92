// The game clock read against a still local time that the test moves, and the time as it is shown.
#include "game/board.h"
#include "game/clock.h"
#include "game/rules.h"
#include "platform/kernel_fake.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct TimeOfDay {
    WORD hour, minute, second, milliseconds;
};

struct ClockCase {
    std::string name;
    TimeOfDay start;
    DWORD advance;                 // milliseconds that pass after the start
    std::optional<TimeOfDay> set;  // then the local clock is set to this, if given
    int expectedSeconds;
    std::string expectedDisplay;
};

// The title's and the win message's "%02d:%02d".
std::string Display(int seconds)
{
    const TimeDisplay shown = SplitElapsed(seconds);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", shown.minutes, shown.seconds);
    return text;
}

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ClockCase& c, std::ostream* out)
{
    *out << c.name;
}

class Clock : public testing::TestWithParam<ClockCase> {};

TEST_P(Clock, ReadsWholeSecondsOfTheTimeOfDay)
{
    const ClockCase& c = GetParam();
    FakeKernelSetLocalTime(c.start.hour, c.start.minute, c.start.second, c.start.milliseconds);
    NewGame();  // starts the clock
    FakeKernelAdvance(c.advance);
    if (c.set) {
        FakeKernelSetLocalTime(c.set->hour, c.set->minute, c.set->second, c.set->milliseconds);
    }
    const int seconds = ElapsedSeconds();
    EXPECT_EQ(seconds, c.expectedSeconds);
    EXPECT_EQ(Display(seconds), c.expectedDisplay);
}

constexpr DWORD Second = 1000;

INSTANTIATE_TEST_SUITE_P(
    Cases, Clock,
    testing::Values(
        ClockCase{"SameSecond", {10, 0, 0, 0}, 999, {}, 0, "00:00"},
        ClockCase{"ATenthAcrossASecondBoundary", {10, 0, 0, 900}, 100, {}, 1, "00:01"},
        ClockCase{"AlmostASecondWithinOne", {10, 0, 1, 0}, 999, {}, 0, "00:00"},
        ClockCase{"PastAnHourBoundary", {10, 59, 58, 0}, 3 * Second, {}, 3, "00:03"},
        ClockCase{"AcrossMidnight", {23, 59, 50, 0}, 20 * Second, {}, 20, "00:20"},
        ClockCase{"HundredMinutesShowThreeDigits", {8, 0, 0, 0}, 6000 * Second, {}, 6000, "100:00"},
        ClockCase{"TheLargestReading", {8, 0, 0, 0}, 86399 * Second, {}, 86399, "1439:59"},
        ClockCase{"ExactlyADayReadsZero", {8, 0, 0, 0}, 86400 * Second, {}, 0, "00:00"},
        ClockCase{"ClockSetBackAnHour", {12, 0, 0, 0}, 5 * Second, TimeOfDay{11, 0, 5, 0}, 82805, "1380:05"},
        ClockCase{"ClockSetForwardAnHour", {12, 0, 0, 0}, 5 * Second, TimeOfDay{13, 0, 5, 0}, 3605, "60:05"}),
    [](const testing::TestParamInfo<ClockCase>& param) { return param.param.name; });

TEST(ClockDisplay, SplitsIntoUncappedMinutesAndSeconds)
{
    EXPECT_EQ(Display(0), "00:00");
    EXPECT_EQ(Display(59), "00:59");
    EXPECT_EQ(Display(60), "01:00");
    EXPECT_EQ(Display(5999), "99:59");
    EXPECT_EQ(Display(60000), "1000:00");
}

}  // namespace
