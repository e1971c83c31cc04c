#pragma once

#include "lib/Scenario.h"

#include <windows.h>

#include <optional>

struct InstallSample {
    double milliseconds;
    SIZE_T peakWorkingSetBytes;
};

// Both installs are timed alike: from the Install click until the page that
// holds the button is gone, polled every millisecond, the program's own
// 500 ms pause included; the peak is taken while the completion message is
// shown, just before the process ends. Nothing if a step fails (the report
// says which).

// Starts the wizard, walks to the port page, installs and sees the wizard to
// its end.
std::optional<InstallSample> timeInstall(ScenarioContext& context);

// Starts the bare install (BareInstall.cpp) and does the same on its one page.
std::optional<InstallSample> timeBareInstall(ScenarioContext& context);
