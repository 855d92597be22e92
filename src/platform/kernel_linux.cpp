// GetTickCount and GetLocalTime on Linux: the boot-time clock and the local time of day.
#include "platform/win32.h"

#include <ctime>

DWORD WINAPI GetTickCount()
{
    // CLOCK_BOOTTIME keeps counting while the machine sleeps, as the platform's tick count does.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto milliseconds = static_cast<unsigned long long>(now.tv_sec) * 1000ULL +
                              static_cast<unsigned long long>(now.tv_nsec) / 1000000ULL;
    // The count is 32 bits wide and wraps after about 49.7 days; the truncation is that wrap.
    return static_cast<DWORD>(milliseconds);
}

void WINAPI GetLocalTime(SYSTEMTIME* time)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);

    time->wYear = static_cast<WORD>(local.tm_year + 1900);
    time->wMonth = static_cast<WORD>(local.tm_mon + 1);
    time->wDayOfWeek = static_cast<WORD>(local.tm_wday);  // 0 is Sunday on both sides
    time->wDay = static_cast<WORD>(local.tm_mday);
    time->wHour = static_cast<WORD>(local.tm_hour);
    time->wMinute = static_cast<WORD>(local.tm_min);
    // A leap second shows as 60 here; the record's seconds run 0..59, so hold it at 59.
    time->wSecond = static_cast<WORD>(local.tm_sec > 59 ? 59 : local.tm_sec);
    time->wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
}
