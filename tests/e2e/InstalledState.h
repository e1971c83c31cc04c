#pragma once

#include <optional>
#include <string>
#include <vector>

// What an installation left on the system the driver runs on: files in the
// spooler's driver directory, the registered driver, the printer and the
// current user's default printer. Read through the spooler and the registry
// themselves, so the checks hold on Windows as they do under Wine.
namespace installed {

const wchar_t kX86Environment[] = L"Windows NT x86";
const wchar_t kX64Environment[] = L"Windows x64";

// Empty when the spooler does not answer.
std::wstring driverDirectory(const wchar_t* environment);
// The spooler may move a registered driver's files into the version
// subfolder "3", so a staged file counts in either place.
bool isStaged(const std::wstring& directory, const std::wstring& fileName);

struct DriverRecord {
    std::wstring name;
    std::wstring driverPath;
    std::wstring dataFile;
    std::wstring helpFile;
    std::vector<std::wstring> dependentFiles;
};
std::optional<DriverRecord> findDriver(const wchar_t* environment, const std::wstring& name);

struct PrinterRecord {
    std::wstring portName;
    std::wstring driverName;
};
std::optional<PrinterRecord> findPrinter(const std::wstring& name);

// "Device" under HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows.
std::optional<std::wstring> defaultPrinterValue();
// Creates the key a fresh Wine prefix lacks and, when given, sets "Device"
// to an earlier default printer. False if the registry refused.
bool prepareDefaultPrinterKey(const std::optional<std::wstring>& earlierDevice);

}  // namespace installed
