// The real kernel clocks against the system's own: the boot-time tick count and the local time of day.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {

std::uint64_t BootMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000U + static_cast<std::uint64_t>(now.tv_nsec) / 1000000U;
}

TEST(KernelClocks, TickCountIsMillisecondsSinceBootInThirtyTwoBits)
{
    const std::uint64_t before = BootMilliseconds();
    const DWORD ticks = GetTickCount();
    const std::uint64_t after = BootMilliseconds();
    // Compared modulo 2^32, as the count wraps there.
    const auto offset = static_cast<DWORD>(ticks - static_cast<DWORD>(before));
    EXPECT_LE(offset, static_cast<DWORD>(after - before));
}

TEST(KernelClocks, TickCountMovesOnWithTime)
{
    const DWORD first = GetTickCount();
    const timespec pause{0, 30'000'000};
    nanosleep(&pause, nullptr);
    const auto passed = static_cast<DWORD>(GetTickCount() - first);
    EXPECT_GE(passed, 30U);
    EXPECT_LT(passed, 5000U);
}

TEST(KernelClocks, LocalTimeIsTheLocalDateAndTimeOfDay)
{
    // A zone half an hour off the hour, so that neither universal time nor a dropped offset passes.
    setenv("TZ", "KVT-05:30", 1);
    tzset();
    constexpr long long Offset = 5 * 3600 + 30 * 60;

    SYSTEMTIME local{};
    timespec before{};
    timespec after{};
    for (int tries = 0; tries < 10; ++tries) {
        clock_gettime(CLOCK_REALTIME, &before);
        GetLocalTime(&local);
        clock_gettime(CLOCK_REALTIME, &after);
        if (before.tv_sec == after.tv_sec) {
            break;
        }
    }
    ASSERT_EQ(before.tv_sec, after.tv_sec) << "could not read the clock within one second";

    const std::time_t shifted = before.tv_sec + Offset;
    std::tm expected{};
    gmtime_r(&shifted, &expected);
    EXPECT_EQ(local.wYear, expected.tm_year + 1900);
    EXPECT_EQ(local.wMonth, expected.tm_mon + 1);
    EXPECT_EQ(local.wDay, expected.tm_mday);
    EXPECT_EQ(local.wDayOfWeek, expected.tm_wday);  // 0 is Sunday
    EXPECT_EQ(local.wHour, expected.tm_hour);
    EXPECT_EQ(local.wMinute, expected.tm_min);
    EXPECT_EQ(local.wSecond, expected.tm_sec);
    EXPECT_GE(local.wMilliseconds, before.tv_nsec / 1000000);
    EXPECT_LE(local.wMilliseconds, after.tv_nsec / 1000000);
}

}  // namespace
