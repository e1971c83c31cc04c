// Whole installations under the system's own spooler, and what each leaves
// behind: driver files, the registered driver, the printer and the user's
// default printer, also when the package or the destination is faulty.
#include "InstalledState.h"
#include "WizardSteps.h"
#include "WizardUi.h"
#include "lib/ListViewReader.h"
#include "lib/Paths.h"
#include "lib/Poll.h"
#include "lib/Utf8.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <optional>
#include <string>
#include <vector>

namespace {

using installed::kX64Environment;
using installed::kX86Environment;

const wchar_t kEarlierDevice[] = L"Earlier,winspool,LPT2:";
const wchar_t kDefaultPort[] = L"LPT1:";
const wchar_t* const kPluginFiles[] = {L"TAVPLUG.ini", L"TAVPLUG.dll"};
const int kDefaultModel = 2;
const int kPluginModel = 4;

// What the tests know of each model they install, independently of the wizard.
struct Model {
    int index;
    const wchar_t* driverName;
    const wchar_t* gpdFile;
    const wchar_t* resourceDll;
};
const Model kModels[] = {
    {kDefaultModel, L"ZR-103", L"ZR103.GPD", L"ZRB.DLL"},
    {kPluginModel, L"ZR-105", L"ZR105.GPD", L"ZRC.DLL"},
};

const Model& model(int index) {
    return *std::find_if(std::begin(kModels), std::end(kModels), [&](const Model& m) { return m.index == index; });
}

std::vector<std::wstring> packageFiles(const Model& m) {
    return {m.resourceDll, m.gpdFile,     L"uniDRVui.DLL", L"uniDRV.DLL",   L"UNIDRV.HLP",
            L"UNIRES.DLL", L"TTFSUB.GPD", L"STDNAMES.GPD", kPluginFiles[0], kPluginFiles[1]};
}

std::wstring upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

// File names are matched without regard to letter case, as the system does.
bool endsWithFile(const std::wstring& path, const std::wstring& fileName) {
    const std::wstring p = upper(path), f = upper(fileName);
    return p.size() >= f.size() && p.compare(p.size() - f.size(), f.size(), f) == 0 &&
           (p.size() == f.size() || p[p.size() - f.size() - 1] == L'\\');
}

bool listsFile(const std::vector<std::wstring>& files, const std::wstring& fileName) {
    return std::any_of(files.begin(), files.end(), [&](const std::wstring& f) { return endsWithFile(f, fileName); });
}

bool contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

bool opensWith(Report& report, const std::wstring& message, const std::wstring& opening, const std::string& what) {
    return report.check(message.compare(0, opening.size(), opening) == 0, what, "it said \"" + toUtf8(message) + "\"");
}

std::wstring environmentValue(const wchar_t* name) {
    wchar_t value[256];
    const DWORD length = GetEnvironmentVariableW(name, value, 256);
    return length < 256 ? std::wstring(value, length) : std::wstring();
}

std::string quoted(const std::optional<std::wstring>& value) {
    return value ? "\"" + toUtf8(*value) + "\"" : "no value";
}

// The spooler's name for the staging folder, e.g. "C:\...\w32x86".
std::wstring stagingDirectory(Report& report, const wchar_t* environment) {
    const std::wstring directory = installed::driverDirectory(environment);
    report.setUp(!directory.empty(), "the spooler names its driver directory for " + toUtf8(environment),
                 "GetPrinterDriverDirectoryW failed");
    return directory;
}

// Before the run: the key a fresh prefix lacks, and optionally an earlier default printer.
bool prepareDevice(Report& report, const std::optional<std::wstring>& earlier) {
    return report.setUp(installed::prepareDefaultPrinterKey(earlier),
                        earlier ? "an earlier default printer is set" : "the default-printer key is created",
                        "the registry refused");
}

// From Detail Setting to the port page, with the given model and check box.
Window portPageFor(WizardRun& run, int modelIndex, bool defaultPrinter) {
    Window detail = run.toDetailSetting();
    if (!detail.exists()) return Window();
    if (modelIndex != kDefaultModel) run.chooseModel(detail, modelIndex);
    if (!defaultPrinter) run.uncheckDefaultPrinter(detail);
    return run.clickThrough(detail, ui::detailSetting::kNext, ui::kSelectPortCaption, "Next on Detail Setting");
}

// Install, then the one message the wizard ends with; OK must end the process.
// Returns that message's text, empty if none came.
std::wstring installAndRead(WizardRun& run, Window port) {
    if (!port.exists()) return {};
    Window detail = port.owner();
    port.control(ui::selectPort::kInstall).click();
    Window message = run.expectNewWindow({port, detail}, ui::kMessageCaption, "Install");
    if (!message.exists()) return {};
    run.report().check(!port.exists(), "the port page has closed when the message shows", "it is still open");
    const std::wstring text = message.messageText();
    run.dismiss(message, "OK closes the message");
    run.expectQuietEnd({detail}, "OK on the message");
    return text;
}

// Every package file in `directory` (or its "3"), or none of them.
void checkStaged(Report& report, const std::wstring& directory, const Model& m, bool staged = true) {
    std::string wrong;
    for (const std::wstring& file : packageFiles(m))
        if (installed::isStaged(directory, file) != staged) wrong += " " + toUtf8(file);
    report.check(wrong.empty(),
                 staged ? "the ten package files are in " + toUtf8(directory) + " (or its \"3\")"
                        : "no package file reached " + toUtf8(directory),
                 (staged ? "missing:" : "found:") + wrong);
}

void checkDriver(Report& report, const wchar_t* environment, const Model& m) {
    const std::string where = " under \"" + toUtf8(environment) + "\"";
    const auto driver = installed::findDriver(environment, m.driverName);
    if (!report.check(driver.has_value(), "the driver " + toUtf8(m.driverName) + " is registered" + where,
                      "EnumPrinterDriversW does not list it"))
        return;
    report.check(endsWithFile(driver->driverPath, L"uniDRV.DLL"), "its driver file is uniDRV.DLL",
                 toUtf8(driver->driverPath));
    report.check(endsWithFile(driver->dataFile, m.gpdFile), "its data file is " + toUtf8(m.gpdFile),
                 toUtf8(driver->dataFile));
    report.check(endsWithFile(driver->helpFile, L"UNIDRV.HLP"), "its help file is UNIDRV.HLP",
                 toUtf8(driver->helpFile));
    std::string lacking;
    for (const wchar_t* file : {L"TTFSUB.GPD", L"UNIRES.DLL", L"STDNAMES.GPD", m.resourceDll})
        if (!listsFile(driver->dependentFiles, file)) lacking += " " + toUtf8(file);
    report.check(lacking.empty(), "its dependent files list the fixed files and " + toUtf8(m.resourceDll),
                 "not listed:" + lacking);
    const bool plugin = m.index == kPluginModel;
    const int pluginFiles =
        listsFile(driver->dependentFiles, kPluginFiles[0]) + listsFile(driver->dependentFiles, kPluginFiles[1]);
    report.check(pluginFiles == (plugin ? 2 : 0),
                 plugin ? "its dependent files list the plug-in pair" : "its dependent files leave out the plug-in",
                 "dependent files: " + std::to_string(driver->dependentFiles.size()));
}

void checkPrinter(Report& report, const Model& m, const std::wstring& portName) {
    const auto printer = installed::findPrinter(m.driverName);
    if (!report.check(printer.has_value(), "the printer " + toUtf8(m.driverName) + " exists",
                      "OpenPrinterW cannot open it"))
        return;
    report.checkEqual("the printer's port", portName, printer->portName);
    report.checkEqual("the printer's driver", m.driverName, printer->driverName);
}

void checkDevice(Report& report, const std::optional<std::wstring>& expected, const std::string& what) {
    const auto device = installed::defaultPrinterValue();
    report.check(device == expected, what, "expected " + quoted(expected) + ", found " + quoted(device));
}

std::wstring deviceText(const Model& m, const std::wstring& portName) {
    return std::wstring(m.driverName) + L",winspool," + portName;
}

// A finished install in a 32-bit system: everything in place and "Completed!".
void checkInstalled(Report& report, const std::wstring& message, const Model& m, const std::wstring& portName) {
    report.checkEqual("the wizard says it is done", ui::kCompletedText, message);
    checkStaged(report, stagingDirectory(report, kX86Environment), m);
    checkDriver(report, kX86Environment, m);
    checkPrinter(report, m, portName);
}

void checkNothingRegistered(Report& report, const wchar_t* environment, const Model& m) {
    report.check(!installed::findDriver(environment, m.driverName), "no driver is registered", "the driver is there");
    report.check(!installed::findPrinter(m.driverName), "no printer is added", "the printer is there");
}

// A run stopped before it changed anything.
void checkNothingInstalled(Report& report, const wchar_t* environment, const Model& m) {
    checkStaged(report, stagingDirectory(report, environment), m, false);
    checkNothingRegistered(report, environment, m);
}

void checkNotCompleted(Report& report, const std::wstring& message) {
    report.check(message != ui::kCompletedText && !message.empty(), "the wizard does not say \"Completed!\"",
                 "it said \"" + toUtf8(message) + "\"");
}

int rowOf(const ListViewReader& list, const std::wstring& text) {
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.cellText(row, 0) == text) return row;
    return -1;
}

// Selects a port's row from outside, as a click on it would.
bool choosePort(WizardRun& run, Window port, const std::wstring& portName) {
    ListViewReader list(run.process().handle(), port.control(ui::selectPort::kPortList));
    int row = -1;
    pollUntil(timeouts::kWindowMs, [&] { return (row = rowOf(list, portName)) >= 0; });
    if (!run.report().check(row >= 0, "the port list shows " + toUtf8(portName), "no row holds it")) return false;
    list.setRowState(-1, 0, LVIS_SELECTED);
    list.setRowState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return run.report().setUp(list.selectedRow() == row, toUtf8(portName) + " is selected from outside",
                              "row " + std::to_string(list.selectedRow()));
}

// The variations protected-print-on and -off register a stand-in for the
// Windows class that tells whether Windows protected print mode is on, and
// name its answer here; without them the class is not registered, as before
// Windows 11 24H2. The stand-in notes each activation beside itself, which is
// beside this program. (Wine's display driver loads combase into every
// window program, so combase among the wizard's libraries would tell nothing.)
void checkNotAskedYet(Report& report) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (!report.setUp(length > 0 && length < MAX_PATH, "the driver knows its own folder")) return;
    const std::wstring notes = folderOf(self) + L"\\protected-print.txt";
    report.check(GetFileAttributesW(notes.c_str()) == INVALID_FILE_ATTRIBUTES,
                 "before Install the wizard has not asked whether protected print mode is on",
                 "the class was activated");
}

void installDefaultModel(ScenarioContext& context) {
    Report& report = context.report;
    if (!prepareDevice(report, std::nullopt)) return;
    WizardRun run(context);
    const Model& m = model(kDefaultModel);
    const std::wstring answer = environmentValue(L"BRIVANE_PROTECTED_PRINT");
    Window port = portPageFor(run, m.index, true);
    if (port.exists() && !answer.empty()) checkNotAskedYet(report);
    const std::wstring message = installAndRead(run, port);
    if (answer == L"on") {
        opensWith(report, message, ui::kProtectedPrintOpening, "the wizard says Windows protected print mode is on");
        checkNothingInstalled(report, kX86Environment, m);
        checkDevice(report, std::nullopt, "no \"Device\" is written");
        return;
    }
    checkInstalled(report, message, m, kDefaultPort);
    checkDevice(report, deviceText(m, kDefaultPort), "\"Device\" names the new printer on LPT1:");
}

void installWithoutDefault(ScenarioContext& context) {
    Report& report = context.report;
    if (!prepareDevice(report, std::nullopt)) return;
    WizardRun run(context);
    const Model& m = model(kDefaultModel);
    checkInstalled(report, installAndRead(run, portPageFor(run, m.index, false)), m, kDefaultPort);
    checkDevice(report, std::nullopt, "no \"Device\" is written with the box cleared");
}

void installPluginModel(ScenarioContext& context) {
    WizardRun run(context);
    const Model& m = model(kPluginModel);
    checkInstalled(run.report(), installAndRead(run, portPageFor(run, m.index, true)), m, kDefaultPort);
}

// Installed on LPT1:, then again for COM2:. Windows keeps the printer that
// exists on its old port unless the wizard moves it.
void installAgainOnAnotherPort(ScenarioContext& context) {
    const std::wstring otherPort = L"COM2:";
    Report& report = context.report;
    if (!prepareDevice(report, std::nullopt)) return;
    const Model& m = model(kDefaultModel);
    {
        WizardRun first(context);
        report.checkEqual("the first run, on LPT1:, says it is done", ui::kCompletedText,
                          installAndRead(first, portPageFor(first, m.index, true)));
    }
    checkPrinter(report, m, kDefaultPort);
    WizardRun run(context);
    Window port = portPageFor(run, m.index, true);
    if (!port.exists() || !choosePort(run, port, otherPort)) return;
    checkInstalled(report, installAndRead(run, port), m, otherPort);
    checkDevice(report, deviceText(m, otherPort), "\"Device\" names the printer on COM2:");
}

// The package-check stop: the message names the folder and what it lacks,
// and the system is as it was.
void checkPackageRefused(Report& report, const std::wstring& message, const std::vector<std::wstring>& missing,
                         const std::optional<std::wstring>& earlierDevice) {
    const Model& m = model(kDefaultModel);
    checkNotCompleted(report, message);
    report.check(contains(message, L"x86"), "the message names the folder x86", toUtf8(message));
    std::string unnamed;
    for (const std::wstring& file : missing)
        if (!contains(message, file)) unnamed += " " + toUtf8(file);
    report.check(unnamed.empty(), "the message names every missing file", "not named:" + unnamed);
    checkNothingInstalled(report, kX86Environment, m);
    checkDevice(report, earlierDevice,
                earlierDevice ? "\"Device\" keeps the earlier default printer" : "no \"Device\" is written");
}

// Started from a folder that holds the program alone; with opened-from-zip, as
// Explorer starts a program opened inside a zip file, from the temporary folder.
void installWithoutPackage(ScenarioContext& context) {
    wchar_t temporary[MAX_PATH + 2] = {};
    GetTempPathW(MAX_PATH + 2, temporary);
    const bool fromZip = environmentValue(L"BRIVANE_START_FOLDER") == L"zip";
    const std::wstring folder = fromZip ? temporary + std::wstring(L"Temp1_BrivaneSetup.zip") : L"C:\\empty";
    const std::wstring exe = folder + L"\\BrivaneSetup.exe";
    Report& report = context.report;
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!report.setUp(CopyFileW(context.exePath.c_str(), exe.c_str(), FALSE),
                      "the program alone is copied to " + toUtf8(folder), "CopyFileW failed"))
        return;
    if (!prepareDevice(report, std::nullopt)) return;
    ScenarioContext bare{report, exe, folder, context.screenshots};
    WizardRun run(bare);
    const std::wstring message = installAndRead(run, portPageFor(run, kDefaultModel, true));
    checkPackageRefused(report, message, packageFiles(model(kDefaultModel)), std::nullopt);
    if (fromZip)
        report.check(contains(message, L"extract the whole package first"),
                     "the message says to extract the whole package first", toUtf8(message));
}

void installWithFileMissing(ScenarioContext& context) {
    const std::wstring missing = L"ZRB.DLL";
    Report& report = context.report;
    const std::wstring path = folderOf(context.exePath) + L"\\x86\\" + missing;
    if (!report.setUp(DeleteFileW(path.c_str()), "x86\\ZRB.DLL is taken out of the package", "DeleteFileW failed"))
        return;
    if (!prepareDevice(report, std::wstring(kEarlierDevice))) return;
    WizardRun run(context);
    const std::wstring message = installAndRead(run, portPageFor(run, kDefaultModel, true));
    checkPackageRefused(report, message, {missing}, std::wstring(kEarlierDevice));
}

// In a 64-bit system the x64 package is staged and registered; Wine then
// refuses the printer because it looks the driver up for its own environment.
void installUnderWow64(ScenarioContext& context) {
    Report& report = context.report;
    if (!prepareDevice(report, std::wstring(kEarlierDevice))) return;
    WizardRun run(context);
    const Model& m = model(kDefaultModel);
    const std::wstring message = installAndRead(run, portPageFor(run, m.index, true));
    checkStaged(report, stagingDirectory(report, kX64Environment), m);
    checkDriver(report, kX64Environment, m);
    report.check(!installed::findDriver(kX86Environment, m.driverName), "no driver is registered for x86",
                 "the x86 environment lists it");
    report.check(!installed::findPrinter(m.driverName), "the system refused the printer", "the printer exists");
    report.check(contains(message, L"printer ZR-103") && contains(message, L"could not be added"),
                 "the wizard says the printer ZR-103 was not added", "it said \"" + toUtf8(message) + "\"");
    checkDevice(report, std::wstring(kEarlierDevice), "\"Device\" keeps the earlier default printer");
}

// A folder where a package file must go: that copy fails, and the run ends
// before the driver is registered, whatever was copied before it.
void installBlockedByFolder(ScenarioContext& context) {
    Report& report = context.report;
    const Model& m = model(kDefaultModel);
    const std::wstring blocked = stagingDirectory(report, kX86Environment) + L"\\UNIRES.DLL";
    if (!report.setUp(CreateDirectoryW(blocked.c_str(), nullptr), "a folder UNIRES.DLL stands in the driver folder",
                      "CreateDirectoryW failed"))
        return;
    if (!prepareDevice(report, std::nullopt)) return;
    WizardRun run(context);
    const std::wstring message = installAndRead(run, portPageFor(run, m.index, true));
    checkNotCompleted(report, message);
    report.check(contains(message, L"x86\\UNIRES.DLL") && contains(message, blocked),
                 "the message names the file and where it could not go", toUtf8(message));
    checkNothingRegistered(report, kX86Environment, m);
    checkDevice(report, std::nullopt, "no \"Device\" is written");
}

void checkAsksForPort(Report& report, const std::wstring& text) {
    report.checkEqual("the message asks for a port", ui::kNoPortText, text);
}

void checkNamesSpooler(Report& report, const std::wstring& text) {
    opensWith(report, text, ui::kSpoolerSilentOpening, "the message says the Print Spooler service does not answer");
}

// The selection cleared, as a click on the list's empty area clears it:
// Install asks for a port and the page stays open for the choice. The
// variation spooler-not-answering takes the local spooler from the wizard
// alone and names it in BRIVANE_SPOOLER, as a stopped Print Spooler leaves
// it: the list is empty, Install and Create Port say why, and the page stays
// open.
void installWithoutPort(ScenarioContext& context) {
    Report& report = context.report;
    if (!prepareDevice(report, std::nullopt)) return;
    const bool spoolerSilent = environmentValue(L"BRIVANE_SPOOLER") == L"not-answering";
    WizardRun run(context);
    Window port = portPageFor(run, kDefaultModel, true);
    if (!port.exists()) return;
    ListViewReader list(run.process().handle(), port.control(ui::selectPort::kPortList));
    if (!report.setUp(list.setRowState(-1, 0, LVIS_SELECTED) && list.selectedRow() == -1,
                      "the selection is cleared from outside", "row " + std::to_string(list.selectedRow())))
        return;
    if (spoolerSilent &&
        !report.setUp(list.rowCount() == 0, "the wizard's spooler lists no port", std::to_string(list.rowCount())))
        return;
    port.control(ui::selectPort::kInstall).click();
    // A message the port page shows over itself; OK must give the page back.
    const std::vector<Window> page = {port, port.owner()};
    (spoolerSilent ? checkNamesSpooler : checkAsksForPort)(
        report, run.answerMessage(page, port, "Install with no port chosen"));
    if (spoolerSilent) {
        port.control(ui::selectPort::kCreatePort).click();
        checkNamesSpooler(report, run.answerMessage(page, port, "Create Port... with no spooler"));
        // OK gives the page back as the message closes, a moment before the
        // dialog that showed it from its start has ended.
        report.check(pollUntil(timeouts::kWindowMs,
                               [&] { return !run.process().findDialog(ui::createPort::kCaption).exists(); }),
                     "the Create Port dialog does not stay open", "it is open");
    }
    checkNothingInstalled(report, kX86Environment, model(kDefaultModel));
    checkDevice(report, std::nullopt, "no \"Device\" is written");
}

// Wine's local monitor takes as a port any name it could create as a file, so
// a 200-character path is a good port and the whole install must succeed on it.
void installOnLongPort(ScenarioContext& context) {
    const std::wstring longPort = L"C:\\" + std::wstring(193, L'p') + L".prn";
    Report& report = context.report;
    if (!prepareDevice(report, std::wstring(kEarlierDevice))) return;
    WizardRun run(context);
    const Model& m = model(kDefaultModel);
    Window port = portPageFor(run, m.index, true);
    if (!port.exists() || !run.addLocalPort(port, longPort) || !choosePort(run, port, longPort)) return;

    const std::wstring message = installAndRead(run, port);
    checkInstalled(report, message, m, longPort);
    checkDevice(report, deviceText(m, longPort), "\"Device\" names the printer on the long port");
}

const ScenarioRegistration registrations[] = {
    {"install-default-model", PrefixArch::Win32, installDefaultModel},
    {"install-without-default", PrefixArch::Win32, installWithoutDefault},
    {"install-plugin-model", PrefixArch::Win32, installPluginModel},
    {"install-again-on-another-port", PrefixArch::Win32, installAgainOnAnotherPort},
    {"install-without-package", PrefixArch::Win32, installWithoutPackage},
    {"install-file-missing", PrefixArch::Win32, installWithFileMissing},
    {"install-under-wow64", PrefixArch::Win64, installUnderWow64},
    {"install-blocked-by-folder", PrefixArch::Win32, installBlockedByFolder},
    {"install-without-port", PrefixArch::Win32, installWithoutPort},
    {"install-on-long-port", PrefixArch::Win32, installOnLongPort},
};

}  // namespace
