#include "RecordingSpoolerServices.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

PrinterHandle const RecordedPrinter = reinterpret_cast<PrinterHandle>(0x1000);
PrinterHandle const OpenedPrinter = reinterpret_cast<PrinterHandle>(0x3000);
RegistryKey const RecordedKey = reinterpret_cast<RegistryKey>(0x2000);

constexpr ErrorCode ErrorAccessDenied = 5;
constexpr ErrorCode ErrorInvalidHandle = 6;
constexpr std::uint32_t Archive = 0x20;

std::string rootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? "HKCU" : "HKLM";
}

// For the call log: ASCII as it is, anything else as \u{hex}.
std::string logText(const WideText& text) {
    std::string out;
    for (wchar_t unit : text.view()) {
        if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else {
            char escaped[12];
            std::snprintf(escaped, sizeof escaped, "\\u{%x}", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out;
}

}  // namespace

void RecordingSpoolerServices::record(const std::string& call) {
    calls.push_back(call);
}

ErrorCode RecordingSpoolerServices::scriptedError(Operation operation, const std::string& argument) const {
    for (const Failure& failure : failures)
        if (failure.operation == operation && (!failure.argument || *failure.argument == argument))
            return failure.error;
    return NoError;
}

ErrorCode RecordingSpoolerServices::handleError(Operation operation, const void* handle,
                                                const std::string& argument) const {
    return openHandles.count(handle) == 0 ? ErrorInvalidHandle : scriptedError(operation, argument);
}

void* RecordingSpoolerServices::handOut(const void* handle) {
    openHandles.insert(handle);
    return const_cast<void*>(handle);
}

Result<std::vector<PortInfo2>> RecordingSpoolerServices::enumPorts() {
    record("EnumPortsA");
    const ErrorCode error = scriptedError(Operation::EnumPorts);
    return {error == NoError ? ports : std::vector<PortInfo2>{}, error};
}

Result<std::vector<MonitorInfo1>> RecordingSpoolerServices::enumMonitors() {
    record("EnumMonitorsA");
    const ErrorCode error = scriptedError(Operation::EnumMonitors);
    return {error == NoError ? monitors : std::vector<MonitorInfo1>{}, error};
}

ErrorCode RecordingSpoolerServices::addPort(WindowHandle, const std::string& monitorName) {
    record("AddPortA(" + monitorName + ")");
    return scriptedError(Operation::AddPort, monitorName);
}

ErrorCode RecordingSpoolerServices::configurePort(WindowHandle, const std::string& portName) {
    record("ConfigurePortA(" + portName + ")");
    return scriptedError(Operation::ConfigurePort, portName);
}

Result<std::string> RecordingSpoolerServices::printerDriverDirectory(const std::string& environment) {
    record("GetPrinterDriverDirectoryA(" + environment + ")");
    const ErrorCode error = scriptedError(Operation::PrinterDriverDirectory, environment);
    if (error != NoError) return {"", error};
    return {driverDirectories[environment], NoError};
}

std::optional<bool> RecordingSpoolerServices::protectedPrintEnabled() {
    record("IsProtectedPrintEnabled");
    return protectedPrint;
}

ErrorCode RecordingSpoolerServices::addPrinterDriver(const DriverInfo3& driver) {
    drivers.push_back(driver);
    record("AddPrinterDriverA(" + driver.name + ", " + driver.environment + ")");
    return scriptedError(Operation::AddPrinterDriver, driver.name);
}

Result<PrinterHandle> RecordingSpoolerServices::addPrinter(const PrinterInfo2& printer) {
    printers.push_back(printer);
    record("AddPrinterA(" + printer.printerName + ", " + printer.portName + ")");
    const ErrorCode error = scriptedError(Operation::AddPrinter, printer.printerName);
    return {error == NoError ? handOut(RecordedPrinter) : nullptr, error};
}

Result<PrinterHandle> RecordingSpoolerServices::openPrinter(const WideText& printerName) {
    record("OpenPrinterW(" + logText(printerName) + ")");
    const ErrorCode error = scriptedError(Operation::OpenPrinter, logText(printerName));
    return {error == NoError ? handOut(OpenedPrinter) : nullptr, error};
}

Result<PrinterInfo2W> RecordingSpoolerServices::getPrinter(PrinterHandle printer) {
    record("GetPrinterW");
    const ErrorCode error = handleError(Operation::GetPrinter, printer);
    return {error == NoError ? existingPrinter : PrinterInfo2W{}, error};
}

ErrorCode RecordingSpoolerServices::setPrinter(PrinterHandle printer, const PrinterInfo2W& info) {
    printerChanges.push_back(info);
    record("SetPrinterW(" + logText(info.printerName) + ", " + logText(info.portName) + ", " +
           logText(info.driverName) + ")");
    return handleError(Operation::SetPrinter, printer);
}

void RecordingSpoolerServices::closePrinter(PrinterHandle printer) {
    record("ClosePrinter");
    openHandles.erase(printer);
}

Result<RegistryKey> RecordingSpoolerServices::regOpenKeyForSetValue(RegistryRoot root, const std::string& subKey) {
    record("RegOpenKeyExA(" + rootName(root) + ", " + subKey + ")");
    const ErrorCode error = scriptedError(Operation::RegOpenKey, subKey);
    if (error != NoError) return {nullptr, error};
    openedKey = rootName(root) + "\\" + subKey;
    return {handOut(RecordedKey), NoError};
}

ErrorCode RecordingSpoolerServices::regSetStringValue(RegistryKey key, const std::string& name,
                                                      const std::string& text) {
    record("RegSetValueExA(" + name + ", " + text + ")");
    const ErrorCode error = handleError(Operation::RegSetValue, key, name);
    if (error == NoError) registry[openedKey + "\\" + name] = text;
    return error;
}

void RecordingSpoolerServices::regCloseKey(RegistryKey key) {
    record("RegCloseKey");
    openHandles.erase(key);
}

ErrorCode RecordingSpoolerServices::copyFile(const std::string& source, const std::string& destination) {
    record("CopyFileA(" + source + ", " + destination + ")");
    const ErrorCode error = scriptedError(Operation::CopyFile, source);
    if (error != NoError) return error;
    if (attributesOf(destination) & (FileAttribute::ReadOnly | FileAttribute::Hidden)) return ErrorAccessDenied;
    attributes[destination] = attributesOf(source);
    missingFiles.erase(destination);
    copies.emplace_back(source, destination);
    return NoError;
}

std::optional<std::uint32_t> RecordingSpoolerServices::fileAttributes(const std::string& path) {
    record("GetFileAttributesA(" + path + ")");
    if (scriptedError(Operation::FileAttributes, path) != NoError || missingFiles.count(path) != 0) return std::nullopt;
    return attributesOf(path);
}

std::uint32_t RecordingSpoolerServices::attributesOf(const std::string& path) const {
    const auto scripted = attributes.find(path);
    return scripted == attributes.end() ? Archive : scripted->second;
}

ErrorCode RecordingSpoolerServices::setFileAttributes(const std::string& path, std::uint32_t value) {
    char hex[12];
    std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(value));
    record("SetFileAttributesA(" + path + ", " + hex + ")");
    const ErrorCode error = scriptedError(Operation::SetFileAttributes, path);
    if (error == NoError) attributes[path] = value;
    return error;
}

std::string RecordingSpoolerServices::currentDirectory() {
    record("GetCurrentDirectoryA");
    return startFolder;
}

std::uint32_t RecordingSpoolerServices::currentDriveType() {
    record("GetDriveTypeA");
    return startDrive;
}

std::optional<OsVersion> RecordingSpoolerServices::versionEx(std::uint32_t recordSize) {
    record("GetVersionExA(" + std::to_string(recordSize) + ")");
    auto answer = versionAnswers.find(recordSize);
    if (answer == versionAnswers.end()) return std::nullopt;
    return answer->second;
}

std::optional<bool> RecordingSpoolerServices::isWow64Process() {
    record("IsWow64Process");
    return wow64;
}

std::optional<std::uint16_t> RecordingSpoolerServices::nativeMachine() {
    record("IsWow64Process2");
    return machine;
}

std::optional<std::string> RecordingSpoolerServices::processAccount() {
    record("GetTokenInformation(process)");
    return setupAccount;
}

std::string RecordingSpoolerServices::accountName(const std::string& sid) {
    record("LookupAccountSidW(" + sid + ")");
    const auto name = accountNames.find(sid);
    return name == accountNames.end() ? sid : name->second;
}

SessionUser RecordingSpoolerServices::sessionUser() {
    record("WTSQuerySessionInformationW");
    return session;
}

std::optional<std::string> RecordingSpoolerServices::accountSid(const std::string& name) {
    record("LookupAccountNameW(" + name + ")");
    if (sameAccountName(name.substr(0, name.find('\\')), unreachableDomain)) return std::nullopt;
    for (const auto& [sid, known] : accountNames)
        if (sameAccountName(known, name)) return sid;
    for (const auto& [other, sid] : otherNames)
        if (sameAccountName(other, name)) return sid;
    return std::nullopt;
}

bool RecordingSpoolerServices::sameAccountName(const std::string& a, const std::string& b) {
    const auto folded = [](unsigned char c) { return std::tolower(c); };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return folded(x) == folded(y); });
}

void RecordingSpoolerServices::sleep(std::uint32_t milliseconds) {
    record("Sleep(" + std::to_string(milliseconds) + ")");
}

void RecordingSpoolerServices::outputDebugString(const std::string& text) {
    record("OutputDebugStringA(" + text + ")");
}

std::string RecordingSpoolerServices::errorText(ErrorCode error) {
    return "system error " + std::to_string(error);
}

std::string RecordingSpoolerServices::ansiToUtf8(const std::string& text) {
    const WideText wide = ansiToWide(text);
    std::string utf8;
    for (wchar_t unit : wide.view()) {
        if (unit < 0x80) {
            utf8 += static_cast<char>(unit);
        } else {
            utf8 += static_cast<char>(0xC0 | (unit >> 6));
            utf8 += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return utf8;
}

WideText RecordingSpoolerServices::ansiToWide(const std::string& text) {
    std::wstring wide;
    for (unsigned char byte : text) wide += byte == 0xA3 ? L'\u0141' : static_cast<wchar_t>(byte);
    return WideText{wide};
}
