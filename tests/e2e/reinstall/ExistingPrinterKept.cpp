// A second install on another port, through the wizard's own install run and
// the real Win32 binding, against a spooler that refuses a taken printer name
// with 1802, as Windows does. The printer's texts hold characters no ANSI code
// page has all of, and its DEVMODE carries driver bytes: afterwards the
// printer is on the new port and every other field reads back exactly as
// before, through the spooler and from the printer's registry key.
// Wine knows a printer as taken only when its key holds a subkey named
// "Attributes" (it reads a subkey's default value where it means the value),
// so the test makes one. Wine 10's AddPrinterA then answers 1802 itself, and
// the road runs through the wizard's own call; Wine 8's AddPrinterA reports 87
// there while its AddPrinterW answers 1802, and only on that answer does the
// test give the wizard 1802 in the spooler's stead. Any other answer fails.
// Run from the folder that holds the package.
// First, the binding's reading of the signed-in account.
#include "install/InstallEngine.h"
#include "lib/Report.h"
#include "lib/Utf8.h"
#include "platform/Win32SpoolerServices.h"

#include <windows.h>

#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr ErrorCode ErrorPrinterAlreadyExists = 1802;
const wchar_t* const PrinterName = L"ZR-103";
const wchar_t* const PrinterKey = L"System\\CurrentControlSet\\Control\\Print\\Printers\\ZR-103";

class QuickSpooler : public Win32SpoolerServices {
public:
    void sleep(std::uint32_t) override {}
};

// AddPrinterW's answer for the name, port, driver and print processor of the
// wizard's record (plain ASCII, so any conversion gives the same texts).
ErrorCode wideAnswer(const PrinterInfo2& printer) {
    auto wide = [](const std::string& text) { return wideFromUtf8(text); };
    std::wstring name = wide(printer.printerName), port = wide(printer.portName), driver = wide(printer.driverName),
                 processor = wide(printer.printProcessor.value_or(""));
    PRINTER_INFO_2W record = {};
    record.pPrinterName = name.data();
    record.pPortName = port.data();
    record.pDriverName = driver.data();
    record.pPrintProcessor = processor.data();
    HANDLE handle = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&record));
    if (!handle) return GetLastError();
    ClosePrinter(handle);
    return NoError;
}

// Which of the spooler's calls refused the taken name.
enum class Road { NotReached, AddPrinterA, AddPrinterWInStead };

class TakenNameSpooler : public QuickSpooler {
public:
    Result<PrinterHandle> addPrinter(const PrinterInfo2& printer) override {
        Result<PrinterHandle> answer = Win32SpoolerServices::addPrinter(printer);
        ansiAnswer = answer.error;
        if (answer.error == ErrorPrinterAlreadyExists) {
            road = Road::AddPrinterA;
        } else if (answer.error == ERROR_INVALID_PARAMETER) {
            wideAnswered = wideAnswer(printer);
            if (wideAnswered == ErrorPrinterAlreadyExists) road = Road::AddPrinterWInStead;
            return {nullptr, road == Road::AddPrinterWInStead ? ErrorPrinterAlreadyExists : answer.error};
        }
        return answer;
    }

    Road road = Road::NotReached;
    ErrorCode ansiAnswer = NoError;
    std::optional<ErrorCode> wideAnswered;
};

class Pages : public InstallInputs, public InstallFeedback {
public:
    explicit Pages(std::string port) : port(std::move(port)) {}
    std::string portName() override { return port; }
    int portIndex() override { return 1; }
    int modelIndex() override { return 2; }  // ZR-103
    bool defaultPrinterChecked() override { return false; }
    SerialPortSettings serialSettings() override { return {}; }
    void setProgress(int) override {}
    void showMessage(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }

private:
    std::string port;
};

InstallOutcome install(Win32SpoolerServices& spooler, const std::string& port) {
    Pages pages(port);
    return InstallEngine(spooler, pages, pages).run(DriverArchitecture::X86);
}

// PRINTER_INFO_2W with its texts in one buffer, as GetPrinterW gives it.
std::vector<BYTE> readPrinter() {
    std::vector<BYTE> buffer;
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(PrinterName), &printer, nullptr)) return buffer;
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    buffer.resize(needed);
    if (needed == 0 || !GetPrinterW(printer, 2, buffer.data(), needed, &needed)) buffer.clear();
    ClosePrinter(printer);
    return buffer;
}

const PRINTER_INFO_2W& record(const std::vector<BYTE>& buffer) {
    return *reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
}

// The shop's texts, which no ANSI code page holds all of.
const wchar_t* const Share = L"Kasa\u0141";
const wchar_t* const Comment = L"\u6536\u94f6\u53f0 receipt \u20ac";
const wchar_t* const Location = L"Kasa 1 \u0141\u00f3d\u017a";

// The shop's own settings on the installed printer; the system's error when
// they cannot be set.
DWORD customise() {
    std::vector<BYTE> devMode(sizeof(DEVMODEW) + 8, 0);
    auto* mode = reinterpret_cast<DEVMODEW*>(devMode.data());
    lstrcpynW(mode->dmDeviceName, PrinterName, CCHDEVICENAME);
    mode->dmSpecVersion = DM_SPECVERSION;
    mode->dmSize = sizeof(DEVMODEW);
    mode->dmDriverExtra = 8;
    mode->dmFields = DM_ORIENTATION;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    for (int i = 0; i < 8; ++i) devMode[sizeof(DEVMODEW) + i] = static_cast<BYTE>(0xB0 + i);

    std::vector<BYTE> buffer = readPrinter();
    if (buffer.empty()) return GetLastError();
    PRINTER_INFO_2W info = record(buffer);
    std::wstring share = Share, comment = Comment, location = Location;
    info.pShareName = share.data();
    info.pComment = comment.data();
    info.pLocation = location.data();
    info.pDevMode = mode;
    info.pSecurityDescriptor = nullptr;
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterW(const_cast<wchar_t*>(PrinterName), &printer, &access)) return GetLastError();
    const DWORD error = SetPrinterW(printer, 2, reinterpret_cast<BYTE*>(&info), 0) ? NO_ERROR : GetLastError();
    ClosePrinter(printer);
    return error;
}

std::wstring text(const wchar_t* value) {
    return value ? value : L"(none)";
}

// A text value of the printer's registry key, read past the spooler, which
// could hand back what it converted on the way in.
std::wstring registryText(const wchar_t* value) {
    wchar_t data[256] = {};
    DWORD size = sizeof data - sizeof *data;
    const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, PrinterKey, value, RRF_RT_REG_SZ, nullptr, data, &size);
    return status == ERROR_SUCCESS ? data : L"(error " + std::to_wstring(status) + L")";
}

// Where Windows and Wine 10 take the road through the wizard's own call,
// Wine 8 through the substitute answer; anything else fails.
// Wine's major version, 0 where the system names none.
int wineMajorVersion() {
    using WineVersion = const char*(CDECL*)();
    const auto version =
        reinterpret_cast<WineVersion>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"));
    return version ? std::atoi(version()) : 0;
}

// From Wine 10 on, the spooler's own AddPrinterA refuses the taken name:
// only that road passes there.
void checkRoad(Report& report, const TakenNameSpooler& spooler) {
    std::string answers = "AddPrinterA answered " + std::to_string(spooler.ansiAnswer);
    if (spooler.wideAnswered) answers += ", AddPrinterW " + std::to_string(*spooler.wideAnswered);
    const Road wanted = wineMajorVersion() >= 10 ? Road::AddPrinterA : spooler.road;
    report.check(spooler.road != Road::NotReached && spooler.road == wanted,
                 wanted == Road::AddPrinterWInStead
                     ? "AddPrinterW answers the taken name 1802 where AddPrinterA reports 87 (Wine 8), so the "
                       "wizard is given 1802 in the spooler's stead"
                     : "the wizard's own AddPrinterA answers the taken name 1802",
                 answers);
}

// The printer's key as the spooler keeps it: the port, and the texts
// unchanged whatever the ANSI code page.
void checkRegistry(Report& report) {
    report.checkEqual("the printer's key names the chosen port", L"COM2:", registryText(L"Port"));
    const std::pair<const wchar_t*, const wchar_t*> texts[] = {
        {L"Share Name", Share}, {L"Description", Comment}, {L"Location", Location}};
    for (const auto& [value, expected] : texts)
        report.checkEqual("the printer's key keeps its \"" + toUtf8(value) + "\"", expected, registryText(value));
}

// The device name up to its zero, then every byte after the name's field:
// Wine fills the field's unused tail of its reply with whatever its buffer
// held before.
std::wstring devModeContent(const DEVMODEW* mode) {
    if (!mode) return L"(none)";
    const auto* bytes = reinterpret_cast<const BYTE*>(mode);
    std::wstring content = text(mode->dmDeviceName);
    for (size_t i = sizeof mode->dmDeviceName; i < size_t{mode->dmSize} + mode->dmDriverExtra; ++i)
        content += L" " + std::to_wstring(bytes[i]);
    return content;
}

void compare(Report& report, const PRINTER_INFO_2W& before, const PRINTER_INFO_2W& after) {
    const std::pair<const char*, std::pair<const wchar_t*, const wchar_t*>> texts[] = {
        {"printer name", {before.pPrinterName, after.pPrinterName}},
        {"share name", {before.pShareName, after.pShareName}},
        {"driver", {before.pDriverName, after.pDriverName}},
        {"comment", {before.pComment, after.pComment}},
        {"location", {before.pLocation, after.pLocation}},
        {"separator page", {before.pSepFile, after.pSepFile}},
        {"print processor", {before.pPrintProcessor, after.pPrintProcessor}},
        {"data type", {before.pDatatype, after.pDatatype}},
        {"parameters", {before.pParameters, after.pParameters}}};
    for (const auto& [what, values] : texts)
        report.checkEqual(std::string("the printer keeps its ") + what, text(values.first), text(values.second));
    const std::pair<const char*, std::pair<DWORD, DWORD>> numbers[] = {
        {"attributes", {before.Attributes, after.Attributes}},
        {"priority", {before.Priority, after.Priority}},
        {"default priority", {before.DefaultPriority, after.DefaultPriority}},
        {"start time", {before.StartTime, after.StartTime}},
        {"until time", {before.UntilTime, after.UntilTime}}};
    for (const auto& [what, values] : numbers)
        report.checkEqual(std::string("the printer keeps its ") + what, values.first, values.second);
    report.setUp(before.pDevMode && before.pDevMode->dmDriverExtra == 8, "the shop's DEVMODE with driver bytes");
    report.checkEqual("the printer keeps its DEVMODE and its driver's bytes", devModeContent(before.pDevMode),
                      devModeContent(after.pDevMode));
}

}  // namespace

int wmain() {
    Report report("existing-printer-kept");
    // Wine has one account, so the session's is this process's own; Windows
    // alone has a road where they differ.
    Win32SpoolerServices system;
    const SessionUser session = system.sessionUser();
    const std::string signedIn = session.domain + "\\" + session.user;
    const std::optional<std::string> setupAccount = system.processAccount();
    report.check(!session.domain.empty() && !session.user.empty() && setupAccount &&
                     system.sameAccountName(system.accountName(*setupAccount), signedIn) &&
                     system.accountSid(signedIn) == setupAccount,
                 "the session's account is found and is the setup's own", signedIn);
    QuickSpooler plain;
    const InstallOutcome first = install(plain, "LPT1:");
    if (!report.setUp(first.succeeded, "the first install", first.failure)) return 1;
    const DWORD customised = customise();
    if (!report.setUp(customised == NO_ERROR, "the shop's settings on the printer", std::to_string(customised)))
        return 1;
    HKEY attributes = nullptr;
    const LSTATUS marked = RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(PrinterKey) + L"\\Attributes").c_str(), 0,
                                           nullptr, 0, KEY_WRITE, nullptr, &attributes, nullptr);
    if (!report.setUp(marked == ERROR_SUCCESS, "a subkey \"Attributes\" in the printer's key", std::to_string(marked)))
        return 1;
    RegCloseKey(attributes);
    const std::vector<BYTE> before = readPrinter();

    TakenNameSpooler spooler;
    const InstallOutcome second = install(spooler, "COM2:");
    checkRoad(report, spooler);
    report.check(second.succeeded, "the second install, answered 1802, succeeds", second.failure);
    const std::vector<BYTE> after = readPrinter();
    if (report.setUp(!before.empty() && !after.empty(), "the printer read back")) {
        report.checkEqual("the printer is on the chosen port", L"COM2:", record(after).pPortName);
        compare(report, record(before), record(after));
    }
    checkRegistry(report);
    return report.failures() == 0 ? 0 : 1;
}
