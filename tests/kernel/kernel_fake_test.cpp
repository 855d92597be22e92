// The still clocks that tests link in place of the kernel: they move only when told, and wrap.
#include "platform/kernel_fake.h"

#include <gtest/gtest.h>

namespace {

struct Date {
    int year, month, day, dayOfWeek;
    bool operator==(const Date&) const = default;
};

Date LocalDate()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return Date{now.wYear, now.wMonth, now.wDay, now.wDayOfWeek};
}

// Must run first in its process: it checks where the clocks start.
TEST(FakeKernel, StartsAtTickZeroAndMidnightOfMondayFirstJanuary2001)
{
    EXPECT_EQ(GetTickCount(), 0U);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(LocalDate(), (Date{2001, 1, 1, 1}));
    EXPECT_EQ(now.wHour, 0);
    EXPECT_EQ(now.wMinute, 0);
    EXPECT_EQ(now.wSecond, 0);
    EXPECT_EQ(now.wMilliseconds, 0);
}

TEST(FakeKernel, StandsStillUntilMoved)
{
    FakeKernelSetTickCount(1234);
    EXPECT_EQ(GetTickCount(), 1234U);
    EXPECT_EQ(GetTickCount(), 1234U);
}

TEST(FakeKernel, TickCountWrapsAtTwoToTheThirtyTwo)
{
    FakeKernelSetTickCount(0xFFFFFF00U);
    FakeKernelAdvance(0x200);
    EXPECT_EQ(GetTickCount(), 0x100U);
}

TEST(FakeKernel, SettingTheTimeOfDayKeepsTheDate)
{
    const Date date = LocalDate();
    FakeKernelSetLocalTime(13, 14, 15, 16);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(LocalDate(), date);
    EXPECT_EQ(now.wHour, 13);
    EXPECT_EQ(now.wMinute, 14);
    EXPECT_EQ(now.wSecond, 15);
    EXPECT_EQ(now.wMilliseconds, 16);
}

TEST(FakeKernel, MidnightMovesTheDateOn)
{
    FakeKernelSetLocalTime(23, 59, 59, 500);
    const Date today = LocalDate();
    FakeKernelAdvance(1000);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(now.wHour, 0);
    EXPECT_EQ(now.wMinute, 0);
    EXPECT_EQ(now.wSecond, 0);
    EXPECT_EQ(now.wMilliseconds, 500);
    const Date tomorrow = LocalDate();
    EXPECT_EQ(tomorrow.dayOfWeek, (today.dayOfWeek + 1) % 7);
    EXPECT_NE(tomorrow, today);
}

TEST(FakeKernel, AYearOnTheDateTurnsOverTheMonthsAndTheYear)
{
    FakeKernelSetLocalTime(12, 0, 0);
    const Date start = LocalDate();
    constexpr DWORD FiveDays = 5U * 86'400'000U;
    for (int i = 0; i < 73; ++i) {
        FakeKernelAdvance(FiveDays);
    }
    const Date later = LocalDate();
    EXPECT_EQ(later.dayOfWeek, (start.dayOfWeek + 365) % 7);
    // Neither 2001 nor 2002 has a leap day, so 365 days on is the same date a year later.
    EXPECT_EQ(later.year, start.year + 1);
    EXPECT_EQ(later.month, start.month);
    EXPECT_EQ(later.day, start.day);
}

}  // namespace
