#include "InstallTiming.h"

#include "BareInstallResource.h"
#include "ProcessMemory.h"
#include "Stopwatch.h"
#include "WizardSteps.h"
#include "WizardUi.h"
#include "lib/Utf8.h"

#include <string>
#include <vector>

namespace {

// Message boxes carry the executable's name without folder and extension.
std::wstring messageCaptionOf(const std::wstring& exePath) {
    const std::wstring file = exePath.substr(exePath.find_last_of(L"\\/") + 1);
    return file.substr(0, file.find_last_of(L'.'));
}

// What the two timings share, so that they cannot drift apart. `others` are
// the program's windows that stay open under the page.
std::optional<InstallSample> clickInstall(WizardRun& run, Window page, int installButton,
                                          const std::vector<Window>& others, const std::wstring& messageCaption) {
    const Stopwatch watch;
    page.control(installButton).click();
    const bool closed = pollEveryMillisecond(timeouts::kWindowMs, [&] { return !page.exists(); });
    const double clickToCloseMs = watch.elapsedMs();
    if (!run.report().check(closed, "Install closes the page", "it is still open")) return std::nullopt;

    Window message = run.expectNewWindow(others, messageCaption, "Install");
    if (!message.exists() || !run.report().checkEqual("the install reports", ui::kCompletedText, message.messageText()))
        return std::nullopt;
    const SIZE_T peak = peakWorkingSetBytes(run.process().handle());
    run.dismiss(message, "OK closes the message");
    if (!run.expectQuietEnd(others, "the end of the install")) return std::nullopt;
    return InstallSample{clickToCloseMs, peak};
}

}  // namespace

std::optional<InstallSample> timeInstall(ScenarioContext& context) {
    WizardRun run(context);
    Window port = run.toSelectPort();
    if (!port.exists()) return std::nullopt;
    const Window detail = run.process().findDialog(ui::kDetailSettingCaption);
    return clickInstall(run, port, ui::selectPort::kInstall, {detail}, ui::kMessageCaption);
}

std::optional<InstallSample> timeBareInstall(ScenarioContext& context) {
    WizardRun run(context);
    if (!run.report().setUp(run.process().started(), "the bare install starts", run.process().startError()))
        return std::nullopt;
    // Waited for as the walk waits for the port page: visible and active.
    Window page = run.process().waitForDialog(L"" BARE_INSTALL_CAPTION, timeouts::kStartMs);
    if (!run.report().setUp(page.exists(), "the bare install shows its page",
                            run.process().isRunning() ? "no such window" : "the process ended first"))
        return std::nullopt;
    return clickInstall(run, page, IDC_BARE_INSTALL, {}, messageCaptionOf(context.exePath));
}
