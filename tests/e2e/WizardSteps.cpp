#include "WizardSteps.h"

#include "WizardUi.h"
#include "catalogue/ModelCatalogue.h"
#include "lib/ComboBox.h"
#include "lib/Poll.h"
#include "lib/Utf8.h"

WizardRun::WizardRun(ScenarioContext& context)
    : report_(context.report), screenshots_(context.screenshots), process_(context.exePath, context.workDir) {}

Window WizardRun::startAtSelectOs() {
    if (!report_.check(process_.started(), "the wizard starts", process_.startError())) return Window();
    Window page = process_.waitForDialog(ui::kSelectOsCaption, timeouts::kStartMs);
    report_.check(page.exists(), "the Select OS page appears",
                  process_.isRunning() ? "no such window" : "the process ended first");
    return page;
}

Window WizardRun::clickThrough(Window page, int buttonId, const std::wstring& nextCaption, const std::string& step) {
    if (!page.exists()) return Window();
    // Back from a dialog on top: the page takes the input only once it is active again.
    pollUntil(timeouts::kWindowMs, [&] { return page.isForeground() || !page.exists(); });
    page.control(buttonId).click();
    Window next = process_.waitForDialog(nextCaption, timeouts::kWindowMs);
    report_.check(next.exists(), step + " shows \"" + toUtf8(nextCaption) + "\"",
                  process_.isRunning() ? "no such window" : "the process ended");
    return next;
}

Window WizardRun::toDetailSetting() {
    return clickThrough(startAtSelectOs(), ui::selectOs::kNext, ui::kDetailSettingCaption, "Next on Select OS");
}

Window WizardRun::toSelectPort() {
    return clickThrough(toDetailSetting(), ui::detailSetting::kNext, ui::kSelectPortCaption, "Next on Detail Setting");
}

Window WizardRun::expectNewWindow(const std::vector<Window>& known, const std::wstring& caption,
                                  const std::string& step) {
    Window window = process_.waitForOtherWindow(known, timeouts::kWindowMs);
    if (!report_.check(window.exists(), step + " opens a window",
                       process_.isRunning() ? "none appeared" : "the process ended"))
        return Window();
    report_.checkEqual(step + " opens \"" + toUtf8(caption) + "\"", caption, window.caption());
    return window;
}

bool WizardRun::expectClosed(Window window, const std::string& step) {
    const std::string caption = toUtf8(window.caption());
    bool closed = pollUntil(timeouts::kWindowMs, [&] { return !window.exists(); });
    return report_.check(closed, step + " closes \"" + caption + "\"", "it is still open");
}

bool WizardRun::expectQuietEnd(const std::vector<Window>& expected, const std::string& step) {
    WizardProcess::Ending ending = process_.waitForExit(timeouts::kExitMs, expected);
    std::string others;
    for (const std::wstring& caption : ending.otherWindows)
        others += (others.empty() ? "\"" : ", \"") + toUtf8(caption) + "\"";
    bool quiet = report_.check(ending.otherWindows.empty(), step + " shows no other window", "it showed " + others);
    bool exited = report_.check(ending.exited, step + " ends the process",
                                "still running after " + std::to_string(timeouts::kExitMs) + " ms");
    return quiet && exited;
}

bool WizardRun::dismiss(Window dialog, const std::string& step) {
    dialog.control(ui::kOkButton).click();
    bool closed = pollUntil(timeouts::kWindowMs, [&] { return !dialog.exists(); });
    return report_.check(closed, step, "the window is still open");
}

std::wstring WizardRun::answerMessage(const std::vector<Window>& known, Window owner, const std::string& step) {
    Window message = expectNewWindow(known, ui::kMessageCaption, step);
    if (!message.exists()) return {};
    const std::wstring text = message.messageText();
    report_.check(message.owner() == owner, step + ": the message is owned by \"" + toUtf8(owner.caption()) + "\"",
                  "owner \"" + toUtf8(message.owner().caption()) + "\"");
    dismiss(message, step + ": OK closes the message");
    report_.check(pollUntil(timeouts::kWindowMs, [&] { return owner.isEnabled(); }),
                  step + ": the window under it stays open and takes input again",
                  owner.exists() ? "it stays disabled" : "it closed");
    return text;
}

bool WizardRun::chooseModel(Window detail, int model) {
    ComboBox(detail.control(ui::detailSetting::kModel)).choose(model);
    // Printable ASCII (scripts/catalogue row refuses others), which any ANSI code page reads alike.
    const std::wstring expected = wideFromUtf8(ModelCatalogue::displayName(model));
    Window printerName = detail.control(ui::detailSetting::kPrinterName);
    pollUntil(timeouts::kWindowMs, [&] { return printerName.text() == expected; });
    return report_.checkEqual("choosing model " + std::to_string(model) + " shows its name in Printer Name (1013)",
                              expected, printerName.text());
}

bool WizardRun::uncheckDefaultPrinter(Window detail) {
    Window box = detail.control(ui::detailSetting::kDefaultPrinter);
    box.click();
    bool unchecked = pollUntil(timeouts::kWindowMs, [&] { return box.checkState() == BST_UNCHECKED; });
    return report_.check(unchecked, "a click unchecks Set Default Printer (1012)",
                         "check state " + std::to_string(box.checkState()));
}

bool WizardRun::addLocalPort(Window port, const std::wstring& name) {
    Window detail = port.owner();
    port.control(ui::selectPort::kCreatePort).click();
    Window dialog = expectNewWindow({port, detail}, ui::createPort::kCaption, "Create Port...");
    if (!dialog.exists()) return false;
    screenshots_.take("create-port");
    dialog.control(ui::createPort::kNewPort).click();
    Window addPort = expectNewWindow({port, detail, dialog}, ui::portMonitor::kAddPortCaption, "New Port...");
    if (!addPort.exists()) return false;
    screenshots_.take("add-local-port");
    if (!report_.setUp(addPort.child(L"Edit").setText(name), "the port name is typed into the monitor's dialog",
                       "no edit box took the text"))
        return false;
    addPort.control(ui::kOkButton).click();
    if (!expectClosed(addPort, "OK in \"Add a Local Port\"")) return false;
    pollUntil(timeouts::kWindowMs, [&] { return dialog.isForeground() || !dialog.exists(); });
    dialog.control(ui::createPort::kClose).click();
    return expectClosed(dialog, "Close (1009)");
}
