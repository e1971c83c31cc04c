#include "RecordingSpoolerServices.h"

namespace {

PrinterHandle const RecordedPrinter = reinterpret_cast<PrinterHandle>(0x1000);
PrinterHandle const OpenedPrinter = reinterpret_cast<PrinterHandle>(0x3000);
RegistryKey const RecordedKey = reinterpret_cast<RegistryKey>(0x2000);

std::string rootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? "HKCU" : "HKLM";
}

}  // namespace

ErrorCode RecordingSpoolerServices::record(const std::string& call) {
    calls.push_back(call);
    for (const auto& [prefix, error] : errors)
        if (call.compare(0, prefix.size(), prefix) == 0) return error;
    return NoError;
}

std::vector<PortInfo2> RecordingSpoolerServices::enumPorts() {
    return record("EnumPortsA") == NoError ? ports : std::vector<PortInfo2>{};
}

std::vector<MonitorInfo1> RecordingSpoolerServices::enumMonitors() {
    return record("EnumMonitorsA") == NoError ? monitors : std::vector<MonitorInfo1>{};
}

ErrorCode RecordingSpoolerServices::addPort(WindowHandle, const std::string& monitorName) {
    return record("AddPortA(" + monitorName + ")");
}

ErrorCode RecordingSpoolerServices::configurePort(WindowHandle, const std::string& portName) {
    return record("ConfigurePortA(" + portName + ")");
}

Result<std::string> RecordingSpoolerServices::printerDriverDirectory(const std::string& environment) {
    ErrorCode error = record("GetPrinterDriverDirectoryA(" + environment + ")");
    if (error != NoError) return {"", error};
    return {driverDirectories[environment], NoError};
}

ErrorCode RecordingSpoolerServices::addPrinterDriver(const DriverInfo3& driver) {
    drivers.push_back(driver);
    return record("AddPrinterDriverA(" + driver.name + ", " + driver.environment + ")");
}

Result<PrinterHandle> RecordingSpoolerServices::addPrinter(const PrinterInfo2& printer) {
    printers.push_back(printer);
    ErrorCode error = record("AddPrinterA(" + printer.printerName + ", " + printer.portName + ")");
    return {error == NoError ? RecordedPrinter : nullptr, error};
}

Result<PrinterHandle> RecordingSpoolerServices::openPrinter(const std::string& printerName) {
    ErrorCode error = record("OpenPrinterA(" + printerName + ")");
    return {error == NoError ? OpenedPrinter : nullptr, error};
}

Result<PrinterInfo2> RecordingSpoolerServices::getPrinter(PrinterHandle) {
    ErrorCode error = record("GetPrinterA");
    return {error == NoError ? existingPrinter : PrinterInfo2{}, error};
}

ErrorCode RecordingSpoolerServices::setPrinter(PrinterHandle, const PrinterInfo2& info) {
    printerChanges.push_back(info);
    return record("SetPrinterA(" + info.printerName + ", " + info.portName + ", " + info.driverName + ")");
}

void RecordingSpoolerServices::closePrinter(PrinterHandle) {
    record("ClosePrinter");
}

Result<RegistryKey> RecordingSpoolerServices::regOpenKeyForSetValue(RegistryRoot root, const std::string& subKey) {
    ErrorCode error = record("RegOpenKeyExA(" + rootName(root) + ", " + subKey + ")");
    return {error == NoError ? RecordedKey : nullptr, error};
}

ErrorCode RecordingSpoolerServices::regSetStringValue(RegistryKey, const std::string& name, const std::string& text) {
    return record("RegSetValueExA(" + name + ", " + text + ")");
}

void RecordingSpoolerServices::regCloseKey(RegistryKey) {
    record("RegCloseKey");
}

ErrorCode RecordingSpoolerServices::copyFile(const std::string& source, const std::string& destination) {
    return record("CopyFileA(" + source + ", " + destination + ")");
}

bool RecordingSpoolerServices::fileExists(const std::string& path) {
    record("GetFileAttributesA(" + path + ")");
    return missingFiles.count(path) == 0;
}

std::string RecordingSpoolerServices::currentDirectory() {
    record("GetCurrentDirectoryA");
    return startFolder;
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

void RecordingSpoolerServices::sleep(std::uint32_t milliseconds) {
    record("Sleep(" + std::to_string(milliseconds) + ")");
}

void RecordingSpoolerServices::outputDebugString(const std::string& text) {
    record("OutputDebugStringA(" + text + ")");
}

std::string RecordingSpoolerServices::errorText(ErrorCode error) {
    return "system error " + std::to_string(error);
}

// Marks the conversion, so that a test sees which texts went through it.
std::string RecordingSpoolerServices::ansiToUtf8(const std::string& text) {
    return "<" + text + ">";
}
