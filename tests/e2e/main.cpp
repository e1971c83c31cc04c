#include "lib/Paths.h"
#include "lib/Scenario.h"
#include "lib/Utf8.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: driver --list\n"
                 "       driver [--shots] <scenario> <path-to-BrivaneSetup.exe> [working-directory]\n"
                 "       (--shots: a screenshot of each page a scenario shows and at each failed check)\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Plain "\n" line ends, whatever reads the output.
    _setmode(_fileno(stdout), _O_BINARY);

    int next = 1;
    if (argc == 2 && std::wcscmp(argv[1], L"--list") == 0) {
        for (const Scenario& scenario : allScenarios()) std::printf("%s %s\n", scenario.name, archName(scenario.arch));
        return 0;
    }
    bool shots = argc > next && std::wcscmp(argv[next], L"--shots") == 0;
    if (shots) ++next;
    if (argc - next < 2 || argc - next > 3) return usage();

    const std::string name = toUtf8(argv[next]);
    const Scenario* scenario = findScenario(name);
    if (!scenario) {
        std::fprintf(stderr, "unknown scenario: %s\n", name.c_str());
        return 2;
    }
    const std::wstring exePath = argv[next + 1];
    const std::wstring workDir = argc - next == 3 ? std::wstring(argv[next + 2]) : folderOf(exePath);

    Report report(name);
    Screenshots screenshots(shots);
    report.onFailure([&] { screenshots.take("failure-" + std::to_string(report.failures())); });
    ScenarioContext context{report, exePath, workDir, screenshots};
    scenario->run(context);
    if (report.checks() == 0) report.check(false, "the scenario checks something", "it ended before its first check");
    return report.failures() == 0 ? 0 : 1;
}
