#pragma once

#include <windows.h>

// The most memory the process has held in its working set so far, in bytes;
// 0 if the system does not say.
SIZE_T peakWorkingSetBytes(HANDLE process);
