#include "InstallTiming.h"

#include "ProcessMemory.h"
#include "Stopwatch.h"
#include "WizardSteps.h"
#include "WizardUi.h"

std::optional<InstallSample> timeInstall(ScenarioContext& context) {
    WizardRun run(context);
    Window port = run.toSelectPort();
    if (!port.exists()) return std::nullopt;
    const Window detail = run.process().findDialog(ui::kDetailSettingCaption);

    const Stopwatch watch;
    port.control(ui::selectPort::kInstall).click();
    const bool closed = pollEveryMillisecond(timeouts::kWindowMs, [&] { return !port.exists(); });
    const double clickToCloseMs = watch.elapsedMs();
    if (!run.report().check(closed, "Install closes the port page", "it is still open")) return std::nullopt;

    Window message = run.expectNewWindow({detail}, ui::kMessageCaption, "Install");
    if (!message.exists() || !run.report().checkEqual("the wizard reports", ui::kCompletedText, message.messageText()))
        return std::nullopt;
    const SIZE_T peak = peakWorkingSetBytes(run.process().handle());
    run.dismiss(message, "OK closes the message");
    if (!run.expectQuietEnd({detail}, "the end of the install")) return std::nullopt;
    return InstallSample{clickToCloseMs, peak};
}
