#pragma once

#include "Report.h"
#include "Screenshots.h"

#include <string>
#include <vector>

// The Wine prefix a scenario needs: a 64-bit Windows (the wizard runs under
// WOW64) or a 32-bit one. The test script reads it from `--list`.
enum class PrefixArch { Win64, Win32 };

struct ScenarioContext {
    Report& report;
    std::wstring exePath;
    // Where the wizard starts; its package folders are looked up from here.
    std::wstring workDir;
    const Screenshots& screenshots;
};

using ScenarioFunction = void (*)(ScenarioContext&);

struct Scenario {
    const char* name;
    PrefixArch arch;
    ScenarioFunction run;
};

const std::vector<Scenario>& allScenarios();
const Scenario* findScenario(const std::string& name);
const char* archName(PrefixArch arch);

// Each scenario file registers its scenarios with a static array of these.
struct ScenarioRegistration {
    ScenarioRegistration(const char* name, PrefixArch arch, ScenarioFunction run);
};
