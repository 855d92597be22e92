// Still clocks for tests, linked in place of the real kernel: they move only when a test moves them.
#include "platform/kernel_fake.h"

#include <chrono>

namespace {

constexpr long long MillisecondsPerDay = 86'400'000LL;

DWORD fakeTicks = 0;
// Days since 1970-01-01 and milliseconds since midnight. The clocks start at midnight
// of 1 January 2001, a Monday, so that every field of the local time is a real date.
long long fakeDay = std::chrono::sys_days{std::chrono::year{2001} / 1 / 1}.time_since_epoch().count();
long long fakeMillisecondOfDay = 0;

}  // namespace

void FakeKernelSetTickCount(DWORD ticks)
{
    fakeTicks = ticks;
}

void FakeKernelSetLocalTime(WORD hour, WORD minute, WORD second, WORD milliseconds)
{
    fakeMillisecondOfDay = ((hour * 60LL + minute) * 60LL + second) * 1000LL + milliseconds;
}

void FakeKernelAdvance(DWORD milliseconds)
{
    fakeTicks += milliseconds;  // unsigned: wraps at 2^32 like the real count
    fakeMillisecondOfDay += milliseconds;
    fakeDay += fakeMillisecondOfDay / MillisecondsPerDay;
    fakeMillisecondOfDay %= MillisecondsPerDay;
}

DWORD WINAPI GetTickCount()
{
    return fakeTicks;
}

void WINAPI GetLocalTime(SYSTEMTIME* time)
{
    using namespace std::chrono;
    const sys_days day{days{fakeDay}};
    const year_month_day date{day};
    const long long ms = fakeMillisecondOfDay;

    time->wYear = static_cast<WORD>(static_cast<int>(date.year()));
    time->wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    time->wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());  // 0 is Sunday
    time->wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    time->wHour = static_cast<WORD>(ms / 3'600'000);
    time->wMinute = static_cast<WORD>(ms / 60'000 % 60);
    time->wSecond = static_cast<WORD>(ms / 1000 % 60);
    time->wMilliseconds = static_cast<WORD>(ms % 1000);
}
