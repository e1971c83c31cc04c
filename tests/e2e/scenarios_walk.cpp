// The whole road a person takes, with a screenshot of every page on the way.
#include "WizardSteps.h"
#include "WizardUi.h"

namespace {

void walk(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    const Screenshots& shots = context.screenshots;

    Window selectOs = run.startAtSelectOs();
    if (!selectOs.exists()) return;
    shots.take("select-os");

    Window detail = run.clickThrough(selectOs, ui::selectOs::kNext, ui::kDetailSettingCaption, "Next");
    if (!detail.exists()) return;
    shots.take("detail-setting");

    detail.postSysCommand(ui::detailSetting::kAboutCommandFirst);
    Window about = run.expectNewWindow({detail}, ui::kAboutCaption, "the About entry");
    if (about.exists()) {
        shots.take("about");
        run.dismiss(about, "OK closes the About box");
    }

    Window port = run.clickThrough(detail, ui::detailSetting::kNext, ui::kSelectPortCaption, "Next");
    if (!port.exists()) return;
    shots.take("select-port");
    // A file port of one's own, as a technician printing to a file would add it.
    if (!run.addLocalPort(port, L"C:\\pos-out.prn")) return;

    port.control(ui::selectPort::kInstall).click();
    Window message = run.expectNewWindow({port, detail}, ui::kMessageCaption, "Install");
    if (!message.exists()) return;
    report.checkEqual("the wizard reports", ui::kCompletedText, message.messageText());
    shots.take("completed");
    run.dismiss(message, "OK closes the message");
    run.expectQuietEnd({detail}, "the end of the walk");
}

const ScenarioRegistration registrations[] = {
    {"walk", PrefixArch::Win32, walk},
};

}  // namespace
