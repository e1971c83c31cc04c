#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct StartupSample {
    double milliseconds;
    SIZE_T peakWorkingSetBytes;
};

// Starts the program and times it from just before CreateProcess until its
// dialog with this caption is visible, then ends it. Nothing if the dialog
// never shows (the reason goes to standard error).
std::optional<StartupSample> timeStartup(const std::wstring& exePath, const std::wstring& workDir,
                                         const std::wstring& caption);
