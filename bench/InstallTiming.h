#pragma once

#include "lib/Scenario.h"

#include <windows.h>

#include <optional>
#include <string>

struct InstallSample {
    double milliseconds;
    SIZE_T peakWorkingSetBytes;
};

// Starts the wizard, walks to the port page, installs and sees the wizard to
// its end. The time runs from the Install click until the port page is gone,
// the wizard's own pause included; the peak is taken while "Completed!" is
// shown, just before the process ends. Nothing if a step fails (the report
// says which).
std::optional<InstallSample> timeInstall(ScenarioContext& context);

// Runs the bare install program (BareInstall.cpp) once, in `workDir`, and
// takes the figures it measured on itself. Nothing if it fails (the report
// says why).
std::optional<InstallSample> timeBareInstall(Report& report, const std::wstring& exePath, const std::wstring& workDir);
