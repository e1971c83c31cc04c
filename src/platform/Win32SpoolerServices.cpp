#include "platform/Win32SpoolerServices.h"

#include "platform/Accounts.h"
#include "platform/DevModeBounds.h"
#include "platform/ProtectedPrint.h"
#include "platform/SystemLibrary.h"
#include "platform/TemporaryFolder.h"
#include "platform/TextConversion.h"

#include <type_traits>
#include <utility>
#include <vector>

namespace {

char* mutableText(const std::string& text) {
    return const_cast<char*>(text.c_str());
}

wchar_t* mutableText(const WideText& text) {
    return const_cast<wchar_t*>(text.c_str());
}

template <typename Text>
auto mutableTextOrNull(const std::optional<Text>& text) -> decltype(mutableText(*text)) {
    return text ? mutableText(*text) : nullptr;
}

std::optional<std::string> textOrNull(const char* text) {
    if (text == nullptr) return std::nullopt;
    return std::string(text);
}

std::optional<WideText> textOrNull(const wchar_t* text) {
    if (text == nullptr) return std::nullopt;
    return WideText{text};
}

WideText textOrEmpty(const wchar_t* text) {
    return text ? WideText{text} : WideText();
}

// The record's texts that may be null, in the spooler's form (PRINTER_INFO_2A
// or W) and the wizard's.
template <typename Native, typename Text>
const std::pair<decltype(Native::pServerName) Native::*, std::optional<Text> BasicPrinterInfo2<Text>::*>
    OptionalTexts[] = {
        {&Native::pServerName, &BasicPrinterInfo2<Text>::serverName},
        {&Native::pShareName, &BasicPrinterInfo2<Text>::shareName},
        {&Native::pComment, &BasicPrinterInfo2<Text>::comment},
        {&Native::pLocation, &BasicPrinterInfo2<Text>::location},
        {&Native::pSepFile, &BasicPrinterInfo2<Text>::sepFile},
        {&Native::pPrintProcessor, &BasicPrinterInfo2<Text>::printProcessor},
        {&Native::pDatatype, &BasicPrinterInfo2<Text>::dataType},
        {&Native::pParameters, &BasicPrinterInfo2<Text>::parameters},
};

// The spooler's form of the record; its pointers point into `printer`. The
// spooler keeps status, jobs and pages per minute itself: a caller hands
// them over as zero.
template <typename Native, typename Text>
Native nativeRecord(const BasicPrinterInfo2<Text>& printer) {
    using DevMode = std::remove_pointer_t<decltype(Native::pDevMode)>;
    Native record = {};
    record.pPrinterName = mutableText(printer.printerName);
    record.pPortName = mutableText(printer.portName);
    record.pDriverName = mutableText(printer.driverName);
    for (const auto& [native, wizard] : OptionalTexts<Native, Text>)
        record.*native = mutableTextOrNull(printer.*wizard);
    if (!printer.devMode.empty())
        record.pDevMode = reinterpret_cast<DevMode*>(const_cast<std::uint8_t*>(printer.devMode.data()));
    record.Attributes = printer.attributes;
    record.Priority = printer.priority;
    record.DefaultPriority = printer.defaultPriority;
    record.StartTime = printer.startTime;
    record.UntilTime = printer.untilTime;
    return record;
}

// The printer's settings with its driver's extra bytes, where they lie
// within the buffer GetPrinterW filled and the spooler's own check accepts
// them; none otherwise. Where the check is missing (before Windows XP), the
// bounds alone decide.
std::vector<std::uint8_t> settingsWithin(const std::vector<BYTE>& buffer, DEVMODEW* devMode,
                                         decltype(&IsValidDevmodeW) isValid) {
    if (devMode == nullptr) return {};
    const std::size_t offset =
        reinterpret_cast<std::uintptr_t>(devMode) - reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::size_t length = devModeLength(buffer.data(), buffer.size(), offset);
    if (length == 0 || (isValid && !isValid(devMode, length))) return {};
    return {buffer.begin() + offset, buffer.begin() + offset + length};
}

// Every field as the spooler returned it in `buffer`.
PrinterInfo2W wizardRecord(const std::vector<BYTE>& buffer, decltype(&IsValidDevmodeW) isValidDevMode) {
    const PRINTER_INFO_2W& record = *reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    PrinterInfo2W printer;
    printer.printerName = textOrEmpty(record.pPrinterName);
    printer.portName = textOrEmpty(record.pPortName);
    printer.driverName = textOrEmpty(record.pDriverName);
    for (const auto& [native, wizard] : OptionalTexts<PRINTER_INFO_2W, WideText>)
        printer.*wizard = textOrNull(record.*native);
    printer.devMode = settingsWithin(buffer, record.pDevMode, isValidDevMode);
    printer.attributes = record.Attributes;
    printer.priority = record.Priority;
    printer.defaultPriority = record.DefaultPriority;
    printer.startTime = record.StartTime;
    printer.untilTime = record.UntilTime;
    printer.status = record.Status;
    printer.jobs = record.cJobs;
    printer.averagePpm = record.AveragePPM;
    return printer;
}

ErrorCode lastErrorIfFalse(BOOL succeeded) {
    return succeeded ? NoError : GetLastError();
}

}  // namespace

Win32SpoolerServices::Win32SpoolerServices() = default;
Win32SpoolerServices::~Win32SpoolerServices() = default;

// Loaded at the first spooler call, not at start-up: the library brings the
// spooler's RPC machinery with it, which the first page does not need.
SpoolerLibrary& Win32SpoolerServices::spooler() {
    if (!library) library = std::make_unique<SpoolerLibrary>();
    return *library;
}

Result<std::vector<PortInfo2>> Win32SpoolerServices::enumPorts() {
    Result<std::vector<PortInfo2>> ports;
    if (!spooler().enumPortsA) return {{}, ERROR_PROC_NOT_FOUND};
    DWORD count = 0;
    Result<std::vector<BYTE>> buffer =
        enumerate([this](BYTE* data, DWORD size, DWORD* needed,
                         DWORD* returned) { return spooler().enumPortsA(nullptr, 2, data, size, needed, returned); },
                  count);
    ports.error = buffer.error;
    const auto* records = reinterpret_cast<const PORT_INFO_2A*>(buffer.value.data());
    for (DWORD i = 0; i < count; ++i)
        ports.value.push_back({textOrNull(records[i].pPortName), textOrNull(records[i].pMonitorName),
                               textOrNull(records[i].pDescription), records[i].fPortType});
    return ports;
}

Result<std::vector<MonitorInfo1>> Win32SpoolerServices::enumMonitors() {
    Result<std::vector<MonitorInfo1>> monitors;
    if (!spooler().enumMonitorsA) return {{}, ERROR_PROC_NOT_FOUND};
    DWORD count = 0;
    Result<std::vector<BYTE>> buffer =
        enumerate([this](BYTE* data, DWORD size, DWORD* needed,
                         DWORD* returned) { return spooler().enumMonitorsA(nullptr, 1, data, size, needed, returned); },
                  count);
    monitors.error = buffer.error;
    const auto* records = reinterpret_cast<const MONITOR_INFO_1A*>(buffer.value.data());
    for (DWORD i = 0; i < count; ++i) monitors.value.push_back({textOrNull(records[i].pName)});
    return monitors;
}

ErrorCode Win32SpoolerServices::addPort(WindowHandle owner, const std::string& monitorName) {
    if (!spooler().addPortA) return ERROR_PROC_NOT_FOUND;
    return lastErrorIfFalse(spooler().addPortA(nullptr, static_cast<HWND>(owner), mutableText(monitorName)));
}

ErrorCode Win32SpoolerServices::configurePort(WindowHandle owner, const std::string& portName) {
    if (!spooler().configurePortA) return ERROR_PROC_NOT_FOUND;
    return lastErrorIfFalse(spooler().configurePortA(nullptr, static_cast<HWND>(owner), mutableText(portName)));
}

Result<std::string> Win32SpoolerServices::printerDriverDirectory(const std::string& environment) {
    if (!spooler().getPrinterDriverDirectoryA) return {"", ERROR_PROC_NOT_FOUND};
    DWORD needed = 0;
    spooler().getPrinterDriverDirectoryA(nullptr, mutableText(environment), 1, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + 1, 0);
    if (!spooler().getPrinterDriverDirectoryA(nullptr, mutableText(environment), 1, buffer.data(), needed, &needed))
        return {"", GetLastError()};
    return {reinterpret_cast<const char*>(buffer.data()), NoError};
}

std::optional<bool> Win32SpoolerServices::protectedPrintEnabled() {
    return protectedPrintMode();
}

ErrorCode Win32SpoolerServices::addPrinterDriver(const DriverInfo3& driver) {
    if (!spooler().addPrinterDriverA) return ERROR_PROC_NOT_FOUND;
    std::string dependentFiles;
    for (const std::string& file : driver.dependentFiles) dependentFiles.append(file).push_back('\0');
    dependentFiles.push_back('\0');

    DRIVER_INFO_3A record = {};
    record.cVersion = driver.version;
    record.pName = mutableText(driver.name);
    record.pEnvironment = mutableText(driver.environment);
    record.pDriverPath = mutableText(driver.driverPath);
    record.pDataFile = mutableText(driver.dataFile);
    record.pConfigFile = mutableText(driver.configFile);
    record.pHelpFile = mutableText(driver.helpFile);
    record.pDependentFiles = &dependentFiles[0];
    record.pMonitorName = mutableText(driver.monitorName);
    record.pDefaultDataType = mutableText(driver.defaultDataType);
    return lastErrorIfFalse(spooler().addPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&record)));
}

Result<PrinterHandle> Win32SpoolerServices::addPrinter(const PrinterInfo2& printer) {
    if (!spooler().addPrinterA) return {nullptr, ERROR_PROC_NOT_FOUND};
    PRINTER_INFO_2A record = nativeRecord<PRINTER_INFO_2A>(printer);
    HANDLE handle = spooler().addPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&record));
    return {handle, handle ? NoError : GetLastError()};
}

Result<PrinterHandle> Win32SpoolerServices::openPrinter(const WideText& printerName) {
    if (!spooler().openPrinterW) return {nullptr, ERROR_PROC_NOT_FOUND};
    // Enough to change the port and driver; a shop that tightened the
    // printer's permissions may refuse the rest of PRINTER_ALL_ACCESS.
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ACCESS_ADMINISTER};
    HANDLE handle = nullptr;
    if (!spooler().openPrinterW(mutableText(printerName), &handle, &access)) return {nullptr, GetLastError()};
    return {handle, NoError};
}

Result<PrinterInfo2W> Win32SpoolerServices::getPrinter(PrinterHandle printer) {
    if (!spooler().getPrinterW) return {{}, ERROR_PROC_NOT_FOUND};
    const Result<std::vector<BYTE>> read = readSized([&](BYTE* buffer, DWORD size, DWORD* needed) {
        return spooler().getPrinterW(static_cast<HANDLE>(printer), 2, buffer, size, needed);
    });
    if (!read.ok()) return {{}, read.error};
    if (read.value.size() < sizeof(PRINTER_INFO_2W)) return {{}, ERROR_INVALID_DATA};
    return {wizardRecord(read.value, spooler().isValidDevmodeW), NoError};
}

ErrorCode Win32SpoolerServices::setPrinter(PrinterHandle printer, const PrinterInfo2W& info) {
    if (!spooler().setPrinterW) return ERROR_PROC_NOT_FOUND;
    PRINTER_INFO_2W record = nativeRecord<PRINTER_INFO_2W>(info);
    return lastErrorIfFalse(
        spooler().setPrinterW(static_cast<HANDLE>(printer), 2, reinterpret_cast<BYTE*>(&record), 0));
}

void Win32SpoolerServices::closePrinter(PrinterHandle printer) {
    if (spooler().closePrinterFunction) spooler().closePrinterFunction(static_cast<HANDLE>(printer));
}

Result<RegistryKey> Win32SpoolerServices::regOpenKeyForSetValue(RegistryRoot root, const std::string& subKey) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                                subKey.c_str(), 0, KEY_SET_VALUE, &key);
    return {key, static_cast<ErrorCode>(status)};
}

ErrorCode Win32SpoolerServices::regSetStringValue(RegistryKey key, const std::string& name, const std::string& text) {
    return static_cast<ErrorCode>(RegSetValueExA(static_cast<HKEY>(key), name.c_str(), 0, REG_SZ,
                                                 reinterpret_cast<const BYTE*>(text.c_str()),
                                                 static_cast<DWORD>(text.size() + 1)));
}

void Win32SpoolerServices::regCloseKey(RegistryKey key) {
    RegCloseKey(static_cast<HKEY>(key));
}

ErrorCode Win32SpoolerServices::copyFile(const std::string& source, const std::string& destination) {
    return lastErrorIfFalse(CopyFileA(source.c_str(), destination.c_str(), FALSE));
}

std::optional<std::uint32_t> Win32SpoolerServices::fileAttributes(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

ErrorCode Win32SpoolerServices::setFileAttributes(const std::string& path, std::uint32_t attributes) {
    return lastErrorIfFalse(SetFileAttributesA(path.c_str(), attributes));
}

std::string Win32SpoolerServices::currentDirectory() {
    std::string folder(GetCurrentDirectoryA(0, nullptr), '\0');
    folder.resize(GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), &folder[0]));
    return folder;
}

// The root of the current directory: a start folder on a network drive, or
// on a drive letter that this process's logon does not have, reads as such.
std::uint32_t Win32SpoolerServices::currentDriveType() {
    return GetDriveTypeA(nullptr);
}

bool Win32SpoolerServices::currentDirectoryIsTemporary() {
    return ::currentDirectoryIsTemporary();
}

std::optional<OsVersion> Win32SpoolerServices::versionEx(std::uint32_t recordSize) {
    OSVERSIONINFOEXA record = {};
    record.dwOSVersionInfoSize = recordSize;
    // The manifest declares no newer systems, so later Windows versions
    // answer 6.2 here, as the classification expects.
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record))) return std::nullopt;
    return OsVersion{record.dwPlatformId, record.dwMajorVersion, record.dwMinorVersion};
}

std::optional<bool> Win32SpoolerServices::isWow64Process() {
    auto isWow64 = systemProcedure<BOOL(WINAPI*)(HANDLE, PBOOL)>(GetModuleHandleA("kernel32"), "IsWow64Process");
    if (!isWow64) return std::nullopt;
    BOOL flag = FALSE;
    isWow64(GetCurrentProcess(), &flag);
    return flag == TRUE;
}

std::optional<std::uint16_t> Win32SpoolerServices::nativeMachine() {
    auto isWow64Process2 =
        systemProcedure<BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*)>(GetModuleHandleA("kernel32"), "IsWow64Process2");
    USHORT processMachine = 0;
    USHORT nativeMachine = 0;
    if (!isWow64Process2 || !isWow64Process2(GetCurrentProcess(), &processMachine, &nativeMachine)) return std::nullopt;
    return nativeMachine;
}

std::optional<std::string> Win32SpoolerServices::processAccount() {
    return ::processAccount();
}

std::string Win32SpoolerServices::accountName(const std::string& sid) {
    return ::accountName(sid);
}

SessionUser Win32SpoolerServices::sessionUser() {
    return ::sessionUser();
}

std::optional<std::string> Win32SpoolerServices::accountSid(const std::string& name) {
    return ::accountSid(name);
}

bool Win32SpoolerServices::sameAccountName(const std::string& a, const std::string& b) {
    return ::sameAccountName(a, b);
}

void Win32SpoolerServices::sleep(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

void Win32SpoolerServices::outputDebugString(const std::string& text) {
    OutputDebugStringA(text.c_str());
}

std::string Win32SpoolerServices::errorText(ErrorCode error) {
    wchar_t* text = nullptr;
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::string message = toUtf8(std::wstring_view(text ? text : L"", length));
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    if (message.empty()) return "error " + std::to_string(error);
    return message;
}

std::string Win32SpoolerServices::ansiToUtf8(const std::string& text) {
    return toUtf8(fromAnsi(text).view());
}

WideText Win32SpoolerServices::ansiToWide(const std::string& text) {
    return fromAnsi(text);
}
