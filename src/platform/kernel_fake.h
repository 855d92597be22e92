// The kernel's clocks made still for tests: linked in place of the real ones (library kv_platform_kernel_fake).
// The tick count and the local time start at zero and move only when a test moves them.
#pragma once

#include "platform/win32.h"

void FakeKernelSetTickCount(DWORD ticks);
void FakeKernelSetLocalTime(WORD hour, WORD minute, WORD second, WORD milliseconds = 0);
// Moves both clocks on: the tick count wraps at 2^32, the local time of day wraps at midnight
// (the date moves on with it).
void FakeKernelAdvance(DWORD milliseconds);
