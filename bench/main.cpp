// Timings for scripts/bench, taken inside Windows (or Wine) so that they
// include no start-up of the timing program itself. Prints one line a sample:
//   startup wizard|template|bare <milliseconds> <peak working set in KB>
//   install wizard|bare <milliseconds from the Install click to the page closing> <peak working set in KB>
// The first sample of each kind only warms up and is not printed.
#include "BareDialogResource.h"
#include "InstallTiming.h"
#include "StartupTiming.h"
#include "SystemSpoolerState.h"
#include "WizardUi.h"
#include "lib/Paths.h"
#include "lib/Report.h"
#include "lib/Screenshots.h"
#include "lib/Utf8.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: probe startup <runs> <path-to-BrivaneSetup.exe> <path-to-SameTemplateDialog.exe> "
                 "<path-to-BareDialog.exe>\n"
                 "       probe install <runs> <path-to-BrivaneSetup.exe> <path-to-BareInstall.exe>\n");
    return 2;
}

unsigned long kilobytes(SIZE_T bytes) {
    return static_cast<unsigned long>(bytes / 1024);
}

struct Program {
    const char* name;
    std::wstring path;
    std::wstring caption;
};

// Takes the programs in turn so that a change in the machine's load falls on all alike.
int timeStartups(int runs, const std::wstring& wizard, const std::wstring& sameTemplate, const std::wstring& bare) {
    const Program programs[] = {{"wizard", wizard, ui::kSelectOsCaption},
                                {"template", sameTemplate, ui::kSelectOsCaption},
                                {"bare", bare, L"" BARE_DIALOG_CAPTION}};
    int failures = 0;
    for (int run = 0; run <= runs; ++run) {
        for (const Program& program : programs) {
            std::optional<StartupSample> sample = timeStartup(program.path, folderOf(program.path), program.caption);
            if (!sample) {
                ++failures;
            } else if (run > 0) {
                std::printf("startup %s %.2f %lu\n", program.name, sample->milliseconds,
                            kilobytes(sample->peakWorkingSetBytes));
                std::fflush(stdout);
            }
        }
    }
    return failures == 0 ? 0 : 1;
}

// The wizard and the bare install take turns, as the starts do. After each
// sample the spooler is taken back to where it was before the first, so that
// every sample is a first install, as on a system that never had the driver.
int timeInstalls(int runs, const std::wstring& wizard, const std::wstring& bareInstall) {
    Report report("bench");
    const Screenshots noScreenshots(false);
    ScenarioContext wizardContext{report, wizard, folderOf(wizard), noScreenshots};
    ScenarioContext bareContext{report, bareInstall, folderOf(bareInstall), noScreenshots};
    const SpoolerState baseline = currentSpoolerState();
    // What the wizard's first install left: the floor means something only
    // if it does the same work.
    std::optional<SpoolerState> wizardLeft;
    int failures = 0;
    for (int run = 0; run <= runs; ++run) {
        for (const char* program : {"wizard", "bare"}) {
            const bool bare = std::strcmp(program, "bare") == 0;
            const std::optional<InstallSample> sample =
                bare ? timeBareInstall(bareContext) : timeInstall(wizardContext);
            const SpoolerState left = addedSince(baseline, currentSpoolerState());
            if (sample && !bare && !wizardLeft) wizardLeft = left;
            const bool sameWork =
                !wizardLeft || report.setUp(left == *wizardLeft, std::string(program) + " installs what the wizard did",
                                            "it left\n" + toUtf8(describe(left)) + "the wizard left\n" +
                                                toUtf8(describe(*wizardLeft)));
            if (!report.setUp(restoreSpoolerState(baseline), "the spooler is back as before the first install"))
                return 1;
            if (!sample || !sameWork) {
                ++failures;
            } else if (run > 0) {
                std::printf("install %s %.2f %lu\n", program, sample->milliseconds,
                            kilobytes(sample->peakWorkingSetBytes));
                std::fflush(stdout);
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 4) return usage();
    const int runs = std::wcstol(argv[2], nullptr, 10);
    if (runs < 1) return usage();
    const bool startup = std::wcscmp(argv[1], L"startup") == 0 && argc == 6;
    const bool install = std::wcscmp(argv[1], L"install") == 0 && argc == 5;
    if (!startup && !install) return usage();

    // Sleep(1) sleeps a whole scheduler tick on Windows unless asked otherwise.
    timeBeginPeriod(1);
    const int status = startup ? timeStartups(runs, argv[3], argv[4], argv[5]) : timeInstalls(runs, argv[3], argv[4]);
    timeEndPeriod(1);
    return status;
}
