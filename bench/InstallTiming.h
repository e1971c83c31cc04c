#pragma once

#include "lib/Scenario.h"

#include <windows.h>

#include <optional>

struct InstallSample {
    // From the Install click until the port page is gone, the wizard's own pause included.
    double clickToCloseMs;
    // Taken while "Completed!" is shown, just before the process ends.
    SIZE_T peakWorkingSetBytes;
};

// Starts the wizard, walks to the port page, installs and sees the wizard to
// its end. Nothing if a step fails (the report says which).
std::optional<InstallSample> timeInstall(ScenarioContext& context);
