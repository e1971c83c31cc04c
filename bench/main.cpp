// Timings for scripts/bench, taken inside Windows (or Wine) so that they
// include no start-up of the timing program itself. Prints one line a sample:
//   startup wizard|template|bare <milliseconds> <peak working set in KB>
//   install <milliseconds from the Install click to the port page closing> <peak working set in KB>
// The first sample of each kind only warms up and is not printed.
#include "BareDialogResource.h"
#include "InstallTiming.h"
#include "StartupTiming.h"
#include "WizardUi.h"
#include "lib/Paths.h"
#include "lib/Report.h"
#include "lib/Screenshots.h"

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
                 "       probe install <runs> <path-to-BrivaneSetup.exe>\n");
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

int timeInstalls(int runs, const std::wstring& wizard) {
    Report report("bench");
    const Screenshots noScreenshots(false);
    ScenarioContext context{report, wizard, folderOf(wizard), noScreenshots};
    int failures = 0;
    for (int run = 0; run <= runs; ++run) {
        std::optional<InstallSample> sample = timeInstall(context);
        if (!sample) {
            ++failures;
        } else if (run > 0) {
            std::printf("install %.2f %lu\n", sample->clickToCloseMs, kilobytes(sample->peakWorkingSetBytes));
            std::fflush(stdout);
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
    const bool install = std::wcscmp(argv[1], L"install") == 0 && argc == 4;
    if (!startup && !install) return usage();

    // Sleep(1) sleeps a whole scheduler tick on Windows unless asked otherwise.
    timeBeginPeriod(1);
    const int status = startup ? timeStartups(runs, argv[3], argv[4], argv[5]) : timeInstalls(runs, argv[3]);
    timeEndPeriod(1);
    return status;
}
