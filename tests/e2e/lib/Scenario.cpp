#include "Scenario.h"

namespace {
// A function-local list: registrations run during static initialisation, in
// no fixed order across files.
std::vector<Scenario>& registry() {
    static std::vector<Scenario> scenarios;
    return scenarios;
}
}  // namespace

ScenarioRegistration::ScenarioRegistration(const char* name, PrefixArch arch, ScenarioFunction run) {
    registry().push_back(Scenario{name, arch, run});
}

const std::vector<Scenario>& allScenarios() {
    return registry();
}

const Scenario* findScenario(const std::string& name) {
    for (const Scenario& scenario : registry()) {
        if (name == scenario.name) return &scenario;
    }
    return nullptr;
}

const char* archName(PrefixArch arch) {
    return arch == PrefixArch::Win64 ? "win64" : "win32";
}
