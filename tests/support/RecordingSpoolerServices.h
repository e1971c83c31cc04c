#pragma once

#include "platform/SpoolerServices.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The calls of SpoolerServices that a script can make fail.
enum class Operation {
    EnumPorts,
    EnumMonitors,
    AddPort,
    ConfigurePort,
    PrinterDriverDirectory,
    AddPrinterDriver,
    AddPrinter,
    OpenPrinter,
    GetPrinter,
    SetPrinter,
    RegOpenKey,
    RegSetValue,
    CopyFile,
    FileAttributes,
    SetFileAttributes,
};

// `operation` fails with `error`; with an argument, only where the call's
// first argument is that text (a path, a key, a value or printer name).
struct Failure {
    Operation operation;
    ErrorCode error;
    std::optional<std::string> argument = std::nullopt;
};

// A stand-in for the operating system: answers from a script, keeps what a
// run leaves behind (copied files, records, registry values) and writes down
// every call, with its arguments, in order. Call texts look like
// "CopyFileA(x86\ZRB.DLL, D:\drivers\ZRB.DLL)". Its ANSI code page is
// Latin-1 but for byte 0xA3, which is U+0141 (Ł) as in code page 1250: a
// name shown without conversion shows that byte instead.
class RecordingSpoolerServices : public SpoolerServices {
public:
    // The script.
    std::vector<PortInfo2> ports;
    std::vector<MonitorInfo1> monitors;
    std::map<std::string, std::string> driverDirectories = {
        {"Windows NT x86", "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86"},
        {"Windows x64", "C:\\WINDOWS\\system32\\spool\\drivers\\x64"}};
    std::map<std::uint32_t, OsVersion> versionAnswers;  // by record size; absent = the call fails
    std::optional<bool> wow64;                          // nullopt: IsWow64Process does not exist
    std::optional<std::uint16_t> machine;               // nullopt: IsWow64Process2 does not exist
    std::optional<bool> protectedPrint = false;         // nullopt: Windows cannot tell
    std::set<std::string> missingFiles;                 // every other path exists
    // Of an existing path; absent: FILE_ATTRIBUTE_ARCHIVE. As CopyFile says
    // of Windows, a copy refuses a read-only or hidden destination and gives
    // the new file the source's attributes, and SetFileAttributesA changes
    // them. Neither Windows' CopyFile page nor Wine refuses a system one.
    std::map<std::string, std::uint32_t> attributes;
    std::string startFolder = "C:\\setup";
    std::uint32_t startDrive = 3;  // DRIVE_FIXED
    bool startFolderTemporary = false;
    // The first that matches a call decides its error.
    std::vector<Failure> failures;
    // What GetPrinterW reads from any opened printer.
    PrinterInfo2W existingPrinter;
    std::optional<std::string> setupAccount = "S-1-5-21-7-1001";
    SessionUser session;  // empty: the session's account cannot be told
    // Accounts by SID, whose names resolve back to them (ignoring case)
    // but for those of a domain that cannot be reached.
    std::map<std::string, std::string> accountNames = {{"S-1-5-21-7-1001", "TILL-1\\cashier"},
                                                       {"S-1-5-21-7-500", "TILL-1\\Administrator"},
                                                       {"S-1-12-1-42", "AzureAD\\KasiaNowak"}};
    std::string unreachableDomain = "AzureAD";
    // More names that resolve, as the name the session keeps after the
    // account's own was changed.
    std::map<std::string, std::string> otherNames = {{"TILL-1\\kasjer", "S-1-5-21-7-1001"}};

    // The record.
    std::vector<std::string> calls;
    std::vector<std::pair<std::string, std::string>> copies;  // source, destination; those that succeeded
    std::vector<DriverInfo3> drivers;
    std::vector<PrinterInfo2> printers;
    std::vector<PrinterInfo2W> printerChanges;    // by SetPrinterW
    std::map<std::string, std::string> registry;  // "HKCU\<key>\<value name>": the text set

    // Whether every printer and key handed out was closed again.
    bool allHandlesClosed() const { return openHandles.empty(); }

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
    bool currentDirectoryIsTemporary() override { return startFolderTemporary; }
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
    void record(const std::string& call);
    ErrorCode scriptedError(Operation operation, const std::string& argument = {}) const;
    // Handles are checked as the system checks them: one it never handed
    // out, or one already closed, is refused.
    ErrorCode handleError(Operation operation, const void* handle, const std::string& argument = {}) const;
    void* handOut(const void* handle);
    std::uint32_t attributesOf(const std::string& path) const;

    std::set<const void*> openHandles;
    std::string openedKey;
};
