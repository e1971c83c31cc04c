#pragma once

#include "platform/SpoolerLibrary.h"
#include "platform/SpoolerServices.h"

#include <memory>

// The real door: the ANSI spooler, registry and file functions, and the wide
// ones for reading and writing back an existing printer.
class Win32SpoolerServices : public SpoolerServices {
public:
    Win32SpoolerServices();
    ~Win32SpoolerServices() override;
    Win32SpoolerServices(const Win32SpoolerServices&) = delete;
    Win32SpoolerServices& operator=(const Win32SpoolerServices&) = delete;

    Result<std::vector<PortInfo2>> enumPorts() override;
    Result<std::vector<MonitorInfo1>> enumMonitors() override;
    ErrorCode addPort(WindowHandle owner, const std::string& monitorName) override;
    ErrorCode configurePort(WindowHandle owner, const std::string& portName) override;
    Result<std::string> printerDriverDirectory(const std::string& environment) override;
    std::optional<bool> protectedPrintEnabled() override;
    ErrorCode addPrinterDriver(const DriverInfo3& driver) override;
    Result<PrinterHandle> addPrinter(const PrinterInfo2& printer) override;
    Result<PrinterHandle> openPrinter(const WideText& printerName) override;
    Result<PrinterInfo2W> getPrinter(PrinterHandle printer) override;
    ErrorCode setPrinter(PrinterHandle printer, const PrinterInfo2W& info) override;
    void closePrinter(PrinterHandle printer) override;
    Result<RegistryKey> regOpenKeyForSetValue(RegistryRoot root, const std::string& subKey) override;
    ErrorCode regSetStringValue(RegistryKey key, const std::string& name, const std::string& text) override;
    void regCloseKey(RegistryKey key) override;
    ErrorCode copyFile(const std::string& source, const std::string& destination) override;
    std::optional<std::uint32_t> fileAttributes(const std::string& path) override;
    ErrorCode setFileAttributes(const std::string& path, std::uint32_t attributes) override;
    std::string currentDirectory() override;
    std::uint32_t currentDriveType() override;
    bool currentDirectoryIsTemporary() override;
    std::optional<OsVersion> versionEx(std::uint32_t recordSize) override;
    std::optional<bool> isWow64Process() override;
    std::optional<std::uint16_t> nativeMachine() override;
    std::optional<std::string> processAccount() override;
    std::string accountName(const std::string& sid) override;
    SessionUser sessionUser() override;
    std::optional<std::string> accountSid(const std::string& name) override;
    bool sameAccountName(const std::string& a, const std::string& b) override;
    void sleep(std::uint32_t milliseconds) override;
    void outputDebugString(const std::string& text) override;
    std::string errorText(ErrorCode error) override;
    std::string ansiToUtf8(const std::string& text) override;
    WideText ansiToWide(const std::string& text) override;

private:
    SpoolerLibrary& spooler();

    std::unique_ptr<SpoolerLibrary> library;
};
