// The kernel's clocks made still for tests: linked in place of the real ones (library kv_platform_kernel_fake).
// The tick count starts at zero and the local time at midnight of Monday 1 January 2001; both move only
// when a test moves them.
#pragma once

#include "platform/win32.h"

void FakeKernelSetTickCount(DWORD ticks);
// Sets the time of day and keeps the date.
void FakeKernelSetLocalTime(WORD hour, WORD minute, WORD second, WORD milliseconds = 0);
// Moves both clocks on: the tick count wraps at 2^32, the local time of day wraps at midnight
// (the date moves on with it).
void FakeKernelAdvance(DWORD milliseconds);
