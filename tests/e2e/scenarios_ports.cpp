// The Select Port page and the Create Port dialog against the system's own
// spooler and port monitor, whose dialogs open inside the wizard's process.
#include "WizardSteps.h"
#include "WizardUi.h"
#include "catalogue/ModelCatalogue.h"
#include "lib/ComboBox.h"
#include "lib/ListViewReader.h"
#include "lib/Poll.h"
#include "lib/Utf8.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

namespace port = ui::selectPort;

// The local ports of a fresh prefix, in the order the spooler enumerates them.
const std::vector<std::wstring> kPrefixPorts = {L"COM1:", L"COM2:", L"COM3:", L"COM4:",
                                                L"FILE:", L"LPT1:", L"LPT2:", L"LPT3:"};
const wchar_t kAddedPort[] = L"C:\\pos-out.prn";
const wchar_t kDefaultPort[] = L"LPT1:";
// After the wizard has handled an action, how long a window it opened may take to show.
const DWORD kShowGraceMs = 1500;

std::wstring joined(const std::vector<std::wstring>& texts) {
    std::wstring result;
    for (const std::wstring& text : texts) result += (result.empty() ? L"" : L" | ") + text;
    return result;
}

std::vector<std::wstring> columnTexts(const ListViewReader& list, int column) {
    std::vector<std::wstring> texts;
    for (int row = 0; row < list.rowCount(); ++row) texts.push_back(list.cellText(row, column));
    return texts;
}

int selectedRowCount(const ListViewReader& list) {
    int count = 0;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.rowState(row, LVIS_SELECTED) == LVIS_SELECTED) ++count;
    }
    return count;
}

std::wstring selectedText(const ListViewReader& list) {
    const int row = list.selectedRow();
    return row < 0 ? L"(none)" : list.cellText(row, 0);
}

void checkListLook(Report& report, Window listView, const ListViewReader& list, const std::string& name) {
    report.check((listView.style() & LVS_TYPEMASK) == LVS_REPORT, name + " is a report view",
                 "style " + std::to_string(listView.style()));
    const DWORD extended = list.extendedStyle() & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT);
    report.checkEqual(name + " has grid lines and full-row selection, without hot tracking",
                      LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT, extended);
}

void checkPortRows(Report& report, const ListViewReader& list, const std::vector<std::wstring>& expected,
                   const std::string& when) {
    report.checkEqual(when + ": the ports in the spooler's order", joined(expected), joined(columnTexts(list, 0)));
    std::vector<std::wstring> types(expected.size(), ui::portMonitor::kMonitorName);
    report.checkEqual(when + ": every Type is \"Local Port\"", joined(types), joined(columnTexts(list, 1)));
    report.checkEqual(when + ": \"LPT1:\" is selected", kDefaultPort, selectedText(list));
    report.checkEqual(when + ": one row is selected", 1, selectedRowCount(list));
}

// Posted messages are handled in order: once a column width posted after an
// action has arrived, the wizard has handled the action as well.
bool waitUntilHandled(Window listView, const ListViewReader& list) {
    const int width = list.columnWidth(0);
    PostMessageW(listView.handle(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width + 1, 0));
    const bool handled = pollUntil(timeouts::kWindowMs, [&] { return list.columnWidth(0) == width + 1; });
    listView.send(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
    return handled;
}

void expectNothingOpens(WizardRun& run, Window portPage, const std::vector<Window>& known, const std::string& step) {
    Window listView = portPage.control(port::kPortList);
    run.report().setUp(waitUntilHandled(listView, ListViewReader(run.process().handle(), listView)),
                       "the wizard handles " + step, "a message posted after it was not handled");
    Window other = run.process().waitForOtherWindow(known, kShowGraceMs);
    run.report().check(!other.exists(), step + " opens no window",
                       "it opened \"" + toUtf8(other.caption()) + "\" [" + toUtf8(other.className()) + "]");
    run.report().check(portPage.isVisible(), step + " leaves the port page open", "it has closed");
}

// Clicks a dialog's button once the dialog is active again, after a dialog on top of it has gone.
void clickWhenActive(Window dialog, int buttonId) {
    pollUntil(timeouts::kWindowMs, [&] { return dialog.isForeground() || !dialog.exists(); });
    dialog.control(buttonId).click();
}

void closeMonitorDialog(WizardRun& run, Window dialog, int buttonId, const std::string& step) {
    dialog.control(buttonId).click();
    run.expectClosed(dialog, step);
}

const bool kMonitorDialogsRefused = GetEnvironmentVariableW(L"BRIVANE_PORT_MONITOR", nullptr, 0) != 0;

void checkRefusal(WizardRun& run, const std::vector<Window>& known, Window owner, const std::wstring& opening,
                  const std::string& step) {
    const std::wstring text = run.answerMessage(known, owner, step);
    const std::size_t windows = text.find(L" Windows reported: ");
    run.report().check(text.rfind(opening, 0) == 0 && windows != std::wstring::npos && windows + 19 < text.size(),
                       step + " names the dialog and ends with Windows' text", "it said \"" + toUtf8(text) + "\"");
}

void selectPortPage(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window page = run.toSelectPort();
    if (!page.exists()) return;
    Window detail = page.owner();
    Window listView = page.control(port::kPortList);
    ListViewReader list(run.process().handle(), listView);

    checkListLook(report, listView, list, "the port list (1021)");
    report.checkEqual("the port list has two columns", 2, list.columnCount());
    report.checkEqual("column 0 is \"Port\"", L"Port", list.columnTitle(0));
    report.checkEqual("column 1 is \"Type\"", L"Type", list.columnTitle(1));
    report.checkEqual("column 0 is 150 pixels wide", 150, list.columnWidth(0));
    report.checkEqual("column 1 is 280 pixels wide", 280, list.columnWidth(1));
    checkPortRows(report, list, kPrefixPorts, "at opening");

    Window progress = page.control(port::kProgress);
    report.checkEqual("the progress bar (1025) starts its range at 0", 0, progress.send(PBM_GETRANGE, TRUE));
    report.checkEqual("the progress bar (1025) ends its range at 100", 100, progress.send(PBM_GETRANGE, FALSE));
    report.checkEqual("the progress bar (1025) stands at 0", 0, progress.send(PBM_GETPOS));

    // Enter goes to the focused control; a focused push button would take it as its own click.
    report.check(page.focusedControl() == listView, "before Enter the port list has the focus",
                 "focus on control " + std::to_string(page.focusedControl().controlId()));
    page.pressKey(VK_RETURN);
    expectNothingOpens(run, page, {page, detail}, "Enter on the port page");

    page.control(port::kConfigurePort).click();
    Window configure =
        run.expectNewWindow({page, detail}, ui::portMonitor::kConfigureLptCaption, "Configure Port with LPT1:");
    if (configure.exists()) {
        report.check(configure.owner() == page, "the port monitor's dialog is owned by the port page",
                     "owner \"" + toUtf8(configure.owner().caption()) + "\"");
        closeMonitorDialog(run, configure, IDCANCEL, "Cancel in the port monitor's dialog");
    }
    report.checkEqual("the port list still selects \"LPT1:\"", kDefaultPort, selectedText(list));

    if (!report.setUp(list.setRowState(-1, 0, LVIS_SELECTED) && list.selectedRow() == -1,
                      "the selection is cleared from outside", "row " + std::to_string(list.selectedRow())))
        return;
    clickWhenActive(page, port::kConfigurePort);
    expectNothingOpens(run, page, {page, detail}, "Configure Port with no row selected");
}

void createPort(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window page = run.toSelectPort();
    if (!page.exists()) return;
    Window detail = page.owner();
    ListViewReader list(run.process().handle(), page.control(port::kPortList));

    // A choice of the user's own, which the rebuilt list must not keep.
    list.setRowState(-1, 0, LVIS_SELECTED);
    list.setRowState(1, LVIS_SELECTED, LVIS_SELECTED);
    if (!report.setUp(selectedText(list) == L"COM2:", "\"COM2:\" is selected from outside", toUtf8(selectedText(list))))
        return;

    page.control(port::kCreatePort).click();
    Window dialog = run.expectNewWindow({page, detail}, ui::createPort::kCaption, "Create Port...");
    if (!dialog.exists()) return;
    report.check(dialog.owner() == page, "Create Port is owned by the port page",
                 "owner \"" + toUtf8(dialog.owner().caption()) + "\"");
    report.check(!page.isEnabled(), "the port page is disabled under Create Port", "it is enabled");

    Window monitorView = dialog.control(ui::createPort::kMonitorList);
    ListViewReader monitors(run.process().handle(), monitorView);
    checkListLook(report, monitorView, monitors, "the monitor list (1021)");
    report.checkEqual("the monitor list has one column", 1, monitors.columnCount());
    report.checkEqual("its column is \"Available Port Type\"", L"Available Port Type", monitors.columnTitle(0));
    report.checkEqual("its column is 340 pixels wide", 340, monitors.columnWidth(0));
    report.checkEqual("row 0 is the \"Local Port\" monitor", ui::portMonitor::kMonitorName, monitors.cellText(0, 0));
    report.checkEqual("row 0 is selected", 0, monitors.selectedRow());

    const std::vector<Window> known = {page, detail, dialog};
    std::vector<std::wstring> ports = kPrefixPorts;
    dialog.control(ui::createPort::kNewPort).click();
    if (kMonitorDialogsRefused) {
        checkRefusal(run, known, dialog,
                     L"The dialog for creating a port of the type \"Local Port\" could not be shown.", "New Port...");
    } else {
        // Cancelled first: New Port must ask the monitor again on every press.
        Window addPort = run.expectNewWindow(known, ui::portMonitor::kAddPortCaption, "New Port...");
        if (!addPort.exists()) return;
        report.check(addPort.owner() == dialog, "the monitor's dialog is owned by Create Port",
                     "owner \"" + toUtf8(addPort.owner().caption()) + "\"");
        closeMonitorDialog(run, addPort, IDCANCEL, "Cancel in \"Add a Local Port\"");

        clickWhenActive(dialog, ui::createPort::kNewPort);
        addPort = run.expectNewWindow(known, ui::portMonitor::kAddPortCaption, "New Port... again");
        if (!addPort.exists()) return;
        if (!report.setUp(addPort.child(L"Edit").setText(kAddedPort),
                          "the new port's name is typed into the monitor's dialog", "no edit box took the text"))
            return;
        closeMonitorDialog(run, addPort, IDOK, "OK in \"Add a Local Port\"");
        ports.insert(ports.begin(), kAddedPort);
    }

    clickWhenActive(dialog, ui::createPort::kClose);
    if (!run.expectClosed(dialog, "Close (1009)")) return;
    pollUntil(timeouts::kWindowMs, [&] { return list.rowCount() == static_cast<int>(ports.size()); });
    checkPortRows(report, list, ports, "after Close");
    report.check(page.isEnabled(), "the port page is enabled again", "it stays disabled");
    if (kMonitorDialogsRefused) {
        page.control(port::kConfigurePort).click();
        checkRefusal(run, {page, detail}, page, L"The dialog for configuring the port \"LPT1:\" could not be shown.",
                     "Configure Port with LPT1:");
    }
}

void checkChoicesKept(WizardRun& run, Window detail, const std::string& when) {
    const int model = 5;
    Report& report = run.report();
    report.check(detail.exists() && pollUntil(timeouts::kWindowMs, [&] { return detail.isEnabled(); }),
                 when + " returns to the same Detail Setting page, enabled",
                 detail.exists() ? "it stays disabled" : "it is gone");
    report.checkEqual(when + ": model " + std::to_string(model) + " is still chosen", model,
                      ComboBox(detail.control(ui::detailSetting::kModel)).selection());
    report.checkEqual(when + ": Printer Name still shows its name", wideFromUtf8(ModelCatalogue::displayName(model)),
                      detail.control(ui::detailSetting::kPrinterName).text());
    report.checkEqual(when + ": Set Default Printer is still unchecked", BST_UNCHECKED,
                      detail.control(ui::detailSetting::kDefaultPrinter).checkState());
}

void portPageKeepsOptions(ScenarioContext& context) {
    WizardRun run(context);
    Report& report = run.report();
    Window detail = run.toDetailSetting();
    if (!detail.exists() || !run.chooseModel(detail, 5) || !run.uncheckDefaultPrinter(detail)) return;

    for (int leave : {port::kBack, port::kCancel}) {
        const std::string name = leave == port::kBack ? "Back (1010)" : "Cancel (1023)";
        Window page = run.clickThrough(detail, ui::detailSetting::kNext, ui::kSelectPortCaption, "Next before " + name);
        if (!page.exists()) return;
        page.control(leave).click();
        run.expectClosed(page, name);
        checkChoicesKept(run, detail, name);
    }

    Window page = run.clickThrough(detail, ui::detailSetting::kNext, ui::kSelectPortCaption, "Next before Install");
    if (!page.exists()) return;
    page.control(port::kInstall).click();
    Window message = run.expectNewWindow({page, detail}, ui::kMessageCaption, "Install");
    if (!message.exists()) return;
    report.check(!page.exists(), "Install has closed the port page when the message shows", "it is still open");
    report.check(message.owner() == detail, "the message box is owned by Detail Setting",
                 "owner \"" + toUtf8(message.owner().caption()) + "\"");
    run.dismiss(message, "OK closes the message");
    run.expectQuietEnd({detail}, "OK on the message after Install");
}

const ScenarioRegistration registrations[] = {
    {"select-port-page", PrefixArch::Win64, selectPortPage},
    {"create-port", PrefixArch::Win64, createPort},
    {"port-page-keeps-options", PrefixArch::Win32, portPageKeepsOptions},
};

}  // namespace
