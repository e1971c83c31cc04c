#include "StartupTiming.h"

#include "ProcessMemory.h"
#include "Stopwatch.h"
#include "lib/Utf8.h"
#include "lib/WizardProcess.h"

#include <cstdio>

namespace {
// The first program started in a fresh prefix waits for Wine's services.
const double kStartTimeoutMs = 30000;
}  // namespace

std::optional<StartupSample> timeStartup(const std::wstring& exePath, const std::wstring& workDir,
                                         const std::wstring& caption) {
    const Stopwatch watch;
    WizardProcess process(exePath, workDir);
    if (!process.started()) {
        std::fprintf(stderr, "%s does not start: %s\n", toUtf8(exePath).c_str(), process.startError().c_str());
        return std::nullopt;
    }
    pollEveryMillisecond(kStartTimeoutMs,
                         [&] { return process.findDialog(caption).isVisible() || !process.isRunning(); });
    const double milliseconds = watch.elapsedMs();
    if (!process.findDialog(caption).isVisible()) {
        std::fprintf(stderr, "%s shows no \"%s\"%s\n", toUtf8(exePath).c_str(), toUtf8(caption).c_str(),
                     process.isRunning() ? "" : ": the process ended");
        return std::nullopt;
    }
    return StartupSample{milliseconds, peakWorkingSetBytes(process.handle())};
}
