// The page sequence: which page follows which button, key and system command,
// and which windows own which.
#include "WizardSteps.h"
#include "WizardUi.h"
#include "lib/Poll.h"
#include "lib/Utf8.h"

#include <cstring>
#include <string>
#include <utility>

namespace {

bool runsUnderWow64(HANDLE process) {
    BOOL wow64 = FALSE;
    return IsWow64Process(process, &wow64) && wow64;
}

// The Windows a prefix runs and the button the wizard marks there. The
// templates run Windows 7, which tells the wizard 6.1; the variation
// windows-10 sets Windows 10 and names it in BRIVANE_PREFIX_WINDOWS. Windows
// 8.1 and later tell a program whose manifest names no newer Windows 6.2, as
// Windows 8 did, and the wizard's names none; Wine 8 and Wine 10 do the same
// on a Windows 10 prefix.
struct PrefixWindows {
    const char* name;
    // As RtlGetVersion tells it, which no manifest changes.
    DWORD major;
    DWORD minor;
    int button;
    const char* buttonName;
};

const PrefixWindows kPrefixWindows[] = {
    {"7", 6, 1, ui::selectOs::kWin7, "\"Windows 7\" (1005)"},
    {"10", 10, 0, ui::selectOs::kWin8, "the unlabelled button (1006)"},
};

const PrefixWindows* prefixWindows() {
    char name[8] = "";
    const DWORD length = GetEnvironmentVariableA("BRIVANE_PREFIX_WINDOWS", name, sizeof name);
    if (length == 0) return &kPrefixWindows[0];  // the templates' own
    if (length >= sizeof name) return nullptr;
    for (const PrefixWindows& windows : kPrefixWindows) {
        if (std::strcmp(windows.name, name) == 0) return &windows;
    }
    return nullptr;
}

// The version the system itself runs, whatever it tells the wizard.
std::pair<DWORD, DWORD> systemVersion() {
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW version = {sizeof version};
    auto get = reinterpret_cast<RtlGetVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (!get || get(&version) != 0) return {0, 0};
    return {version.dwMajorVersion, version.dwMinorVersion};
}

void checkSelectOsPage(Report& report, Window page, const std::string& when) {
    report.checkEqual(when + ": caption", ui::kSelectOsCaption, page.caption());
    const PrefixWindows* windows = prefixWindows();
    if (!report.setUp(windows, "BRIVANE_PREFIX_WINDOWS names a Windows the scenarios know")) return;
    const auto [major, minor] = systemVersion();
    report.check(major == windows->major && minor == windows->minor,
                 when + ": the prefix runs Windows " + windows->name,
                 "RtlGetVersion says " + std::to_string(major) + "." + std::to_string(minor));
    const LRESULT marked = page.control(windows->button).checkState();
    report.check(marked == BST_CHECKED, when + ": " + windows->buttonName + " is checked",
                 "check state " + std::to_string(marked));
    std::string othersChecked;
    for (int id : ui::selectOs::kRadios) {
        if (id != windows->button && page.control(id).checkState() != BST_UNCHECKED)
            othersChecked += " " + std::to_string(id);
    }
    report.check(othersChecked.empty(), when + ": no other radio button is checked", "checked:" + othersChecked);
    Window back = page.control(ui::selectOs::kBack);
    report.check(back.exists() && !back.isVisible(), when + ": Back (1008) is hidden",
                 back.exists() ? "it is visible" : "no control 1008");
    report.check(back.exists() && !back.isEnabled(), when + ": Back (1008) is disabled",
                 back.exists() ? "it is enabled" : "no control 1008");
}

void selectOsPage(ScenarioContext& context, bool expectWow64) {
    WizardRun run(context);
    Window page = run.startAtSelectOs();
    if (!page.exists()) return;
    run.report().check(
        runsUnderWow64(run.process().handle()) == expectWow64,
        expectWow64 ? "the wizard runs under WOW64 (64-bit prefix)" : "the wizard runs without WOW64 (32-bit prefix)",
        "IsWow64Process says otherwise");
    checkSelectOsPage(run.report(), page, "Select OS");
    run.report().check(!page.owner().exists(), "Select OS is a top-level window without an owner",
                       "owned by \"" + toUtf8(page.owner().caption()) + "\"");
}

void selectOsIn64BitPrefix(ScenarioContext& context) {
    selectOsPage(context, true);
}

void selectOsIn32BitPrefix(ScenarioContext& context) {
    selectOsPage(context, false);
}

// How a person leaves a page without choosing Next or Back.
enum class Leave { ExitButton, EscKey, CloseBox, EnterKey };

std::string leaveName(Leave leave) {
    switch (leave) {
        case Leave::ExitButton:
            return "Exit";
        case Leave::EscKey:
            return "Esc";
        case Leave::CloseBox:
            return "the close box";
        case Leave::EnterKey:
            return "Enter";
    }
    return {};
}

void leavePage(Window page, Leave leave, int exitButton) {
    switch (leave) {
        case Leave::ExitButton:
            page.control(exitButton).click();
            break;
        case Leave::EscKey:
            page.pressKey(VK_ESCAPE);
            break;
        case Leave::CloseBox:
            page.postSysCommand(SC_CLOSE);
            break;
        case Leave::EnterKey:
            page.pressKey(VK_RETURN);
            break;
    }
}

void selectOsEnds(ScenarioContext& context) {
    for (Leave leave : {Leave::ExitButton, Leave::EscKey, Leave::CloseBox}) {
        WizardRun run(context);
        Window page = run.startAtSelectOs();
        if (!page.exists()) continue;
        leavePage(page, leave, ui::selectOs::kExit);
        run.expectQuietEnd({page}, leaveName(leave) + " on Select OS");
    }
}

void detailSettingEnds(ScenarioContext& context) {
    for (Leave leave : {Leave::ExitButton, Leave::EscKey, Leave::CloseBox, Leave::EnterKey}) {
        WizardRun run(context);
        Window page = run.toDetailSetting();
        if (!page.exists()) continue;
        // A focused push button would take Enter as its own click.
        if (leave == Leave::EnterKey)
            run.report().check(page.focusedControl() == page.control(ui::detailSetting::kModel),
                               "before Enter the model box (1011) has the focus",
                               "focus on control " + std::to_string(page.focusedControl().controlId()));
        leavePage(page, leave, ui::detailSetting::kExit);
        run.expectQuietEnd({page}, leaveName(leave) + " on Detail Setting");
    }
}

void backAndNextAgain(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window first = run.toDetailSetting();
    report.check(!first.owner().exists(), "Detail Setting is a top-level window without an owner",
                 "owned by \"" + toUtf8(first.owner().caption()) + "\"");
    Window selectOs = run.clickThrough(first, ui::detailSetting::kBack, ui::kSelectOsCaption, "Back on Detail Setting");
    if (!selectOs.exists()) return;
    report.check(!first.exists(), "Back closes the first Detail Setting page", "it is still open");
    checkSelectOsPage(report, selectOs, "Select OS again");
    Window second = run.clickThrough(selectOs, ui::selectOs::kNext, ui::kDetailSettingCaption, "Next again");
    if (!second.exists()) return;
    report.check(second != first, "the second Detail Setting page is a new window", "same window handle");
}

void aboutEntry(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window page = run.toDetailSetting();
    if (!page.exists()) return;
    for (unsigned command : {ui::detailSetting::kAboutCommandFirst, ui::detailSetting::kAboutCommandLast}) {
        const std::string step = "system command " + std::to_string(command);
        page.postSysCommand(command);
        Window about = run.expectNewWindow({page}, ui::kAboutCaption, step);
        if (!about.exists()) return;
        report.check(about.owner() == page, step + ": the About box is owned by Detail Setting",
                     "owner \"" + toUtf8(about.owner().caption()) + "\"");
        report.check(!page.isEnabled(), step + ": Detail Setting is disabled under the About box", "it is enabled");
        run.dismiss(about, step + ": OK closes the About box");
        report.check(pollUntil(timeouts::kWindowMs, [&] { return page.isEnabled(); }),
                     step + ": Detail Setting is enabled again", "it stays disabled");
    }
}

struct PortPageReturn {
    const char* name;
    void (*leave)(Window port);
};

const PortPageReturn kPortPageReturns[] = {
    {"Back (1010)", [](Window port) { port.control(ui::selectPort::kBack).click(); }},
    {"Cancel (1023)", [](Window port) { port.control(ui::selectPort::kCancel).click(); }},
    {"Esc on the port page", [](Window port) { port.pressKey(VK_ESCAPE); }},
    {"the port page's close box", [](Window port) { port.postSysCommand(SC_CLOSE); }},
};

void portPageReturns(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window detail = run.toDetailSetting();
    Window previousPort;
    for (const PortPageReturn& way : kPortPageReturns) {
        const std::string name = way.name;
        Window port = run.clickThrough(detail, ui::detailSetting::kNext, ui::kSelectPortCaption, "Next before " + name);
        if (!port.exists()) return;
        report.check(port.owner() == detail, "the port page is owned by Detail Setting",
                     "owner \"" + toUtf8(port.owner().caption()) + "\"");
        report.check(!detail.isEnabled(), "Detail Setting is disabled while the port page runs", "it is enabled");
        if (previousPort.handle())
            report.check(port != previousPort, "a further Next shows a new port page", "same window handle");
        previousPort = port;
        way.leave(port);
        run.expectClosed(port, name);
        report.check(detail.exists() && pollUntil(timeouts::kWindowMs, [&] { return detail.isEnabled(); }),
                     name + " returns to the same Detail Setting page, enabled",
                     detail.exists() ? "it stays disabled" : "it is gone");
    }
}

void installCompletes(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window port = run.toSelectPort();
    if (!port.exists()) return;
    Window detail = port.owner();
    port.control(ui::selectPort::kInstall).click();
    Window message = run.expectNewWindow({port, detail}, ui::kMessageCaption, "Install");
    if (!message.exists()) return;
    report.check(!port.exists(), "the port page has closed when the message shows", "it is still open");
    report.checkEqual("the message says it is done", ui::kCompletedText, message.messageText());
    report.check(message.owner() == detail, "the message box is owned by Detail Setting",
                 "owner \"" + toUtf8(message.owner().caption()) + "\"");
    run.dismiss(message, "OK closes the message");
    run.expectQuietEnd({detail}, "OK on \"Completed!\"");
}

const ScenarioRegistration registrations[] = {
    {"select-os-win64", PrefixArch::Win64, selectOsIn64BitPrefix},
    {"select-os-win32", PrefixArch::Win32, selectOsIn32BitPrefix},
    {"select-os-ends", PrefixArch::Win64, selectOsEnds},
    {"detail-setting-ends", PrefixArch::Win64, detailSettingEnds},
    {"back-and-next-again", PrefixArch::Win64, backAndNextAgain},
    {"about-entry", PrefixArch::Win64, aboutEntry},
    {"port-page-returns", PrefixArch::Win64, portPageReturns},
    {"install-completes", PrefixArch::Win32, installCompletes},
};

}  // namespace
