#pragma once

// The one door from the wizard's logic to the operating system: the print
// spooler, the registry, files, the version query, WOW64, the accounts, the
// pause and the debugger output. Plain C++ types only, so that the portable core and its
// tests never need <windows.h>. Records mirror the published Windows
// structures, keeping just the fields the wizard uses; an absent optional
// stands for a null pointer in the published record.

#include "platform/WideText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A Win32 error code (GetLastError / LSTATUS); 0 means success.
using ErrorCode = std::uint32_t;
constexpr ErrorCode NoError = 0;

// An opaque window handle, handed through to the monitor's own dialogs.
using WindowHandle = void*;
// An opaque printer or registry key handle; null means none.
using PrinterHandle = void*;
using RegistryKey = void*;

// PORT_INFO_2
struct PortInfo2 {
    std::optional<std::string> portName;
    std::optional<std::string> monitorName;
    std::optional<std::string> description;
    std::uint32_t portType = 0;
};

// MONITOR_INFO_1
struct MonitorInfo1 {
    std::optional<std::string> name;
};

// DRIVER_INFO_3. The dependent files are kept as a list; the binding joins
// them into the zero-separated, double-zero-terminated text the spooler takes.
struct DriverInfo3 {
    std::uint32_t version = 0;
    std::string name;
    std::string environment;
    std::string driverPath;
    std::string dataFile;
    std::string configFile;
    std::string helpFile;
    std::vector<std::string> dependentFiles;
    std::string monitorName;
    std::string defaultDataType;
};

// PRINTER_INFO_2 without its security descriptor, which the wizard always
// hands over as null: a changed printer keeps its permissions as they are.
// `Text` is std::string for the ANSI functions and WideText for the wide
// ones, which carry the printer's own texts unchanged.
template <typename Text>
struct BasicPrinterInfo2 {
    std::optional<Text> serverName;
    Text printerName;
    std::optional<Text> shareName;
    Text portName;
    Text driverName;
    std::optional<Text> comment;
    std::optional<Text> location;
    std::vector<std::uint8_t> devMode;  // the DEVMODE with its driver's extra bytes; empty for none
    std::optional<Text> sepFile;
    std::optional<Text> printProcessor;
    std::optional<Text> dataType;
    std::optional<Text> parameters;
    std::uint32_t attributes = 0;
    std::uint32_t priority = 0;
    std::uint32_t defaultPriority = 0;
    std::uint32_t startTime = 0;
    std::uint32_t untilTime = 0;
    std::uint32_t status = 0;
    std::uint32_t jobs = 0;
    std::uint32_t averagePpm = 0;
};
using PrinterInfo2 = BasicPrinterInfo2<std::string>;
using PrinterInfo2W = BasicPrinterInfo2<WideText>;

// FILE_ATTRIBUTE_*, the ones the wizard looks at.
namespace FileAttribute {
constexpr std::uint32_t ReadOnly = 0x1;
constexpr std::uint32_t Hidden = 0x2;
constexpr std::uint32_t System = 0x4;
constexpr std::uint32_t Directory = 0x10;
}  // namespace FileAttribute

// DRIVE_*, the ones the wizard looks at.
namespace DriveType {
constexpr std::uint32_t NoRootDir = 1;
constexpr std::uint32_t Remote = 4;
}  // namespace DriveType

// The three numbers of OSVERSIONINFO(EX)A that the wizard reads.
struct OsVersion {
    std::uint32_t platformId = 0;
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
};

// WTSDomainName and WTSUserName of a session.
struct SessionUser {
    std::string domain;
    std::string user;
};

enum class RegistryRoot { CurrentUser, LocalMachine };

template <typename T>
struct Result {
    T value{};
    ErrorCode error = NoError;
    bool ok() const { return error == NoError; }
};

class SpoolerServices {
public:
    virtual ~SpoolerServices() = default;

    // EnumPortsA level 2 and EnumMonitorsA level 1, local machine, with the
    // size protocol (ask for the size, allocate, ask again). A failed call
    // yields no records and its error: a stopped Print Spooler answers
    // RPC_S_SERVER_UNAVAILABLE.
    virtual Result<std::vector<PortInfo2>> enumPorts() = 0;
    virtual Result<std::vector<MonitorInfo1>> enumMonitors() = 0;

    // AddPortA and ConfigurePortA: the monitor shows its own dialog, owned
    // by `owner`.
    virtual ErrorCode addPort(WindowHandle owner, const std::string& monitorName) = 0;
    virtual ErrorCode configurePort(WindowHandle owner, const std::string& portName) = 0;

    // GetPrinterDriverDirectoryA, local machine, level 1.
    virtual Result<std::string> printerDriverDirectory(const std::string& environment) = 0;
    // Whether Windows protected print mode is on, which refuses every
    // printer driver that Windows does not ship: the static property
    // IsProtectedPrintEnabled of the Windows Runtime class
    // WindowsProtectedPrintInfo. False where Windows has no such mode: no
    // Windows Runtime (Windows 7) or no such class (before Windows 11 24H2).
    // Nullopt when the question fails otherwise, so that the answer is not
    // known.
    virtual std::optional<bool> protectedPrintEnabled() = 0;
    // AddPrinterDriverA, local machine, level 3.
    virtual ErrorCode addPrinterDriver(const DriverInfo3& driver) = 0;
    // AddPrinterA, local machine, level 2; null handle on failure.
    virtual Result<PrinterHandle> addPrinter(const PrinterInfo2& printer) = 0;
    // OpenPrinterW with PRINTER_ACCESS_ADMINISTER, local machine. An existing
    // printer is read and written through the wide functions, so that its
    // texts come back exactly as they were, whatever the ANSI code page.
    virtual Result<PrinterHandle> openPrinter(const WideText& printerName) = 0;
    // GetPrinterW level 2, with the size protocol, asking again a few times
    // when the record grows in between.
    virtual Result<PrinterInfo2W> getPrinter(PrinterHandle printer) = 0;
    // SetPrinterW level 2, no command. Status, jobs and pages per minute go
    // as zero: the spooler keeps those itself.
    virtual ErrorCode setPrinter(PrinterHandle printer, const PrinterInfo2W& info) = 0;
    virtual void closePrinter(PrinterHandle printer) = 0;

    // RegOpenKeyExA with KEY_SET_VALUE only: opens an existing key, never
    // creates one.
    virtual Result<RegistryKey> regOpenKeyForSetValue(RegistryRoot root, const std::string& subKey) = 0;
    // RegSetValueExA, REG_SZ, length counting the terminating zero byte.
    virtual ErrorCode regSetStringValue(RegistryKey key, const std::string& name, const std::string& text) = 0;
    virtual void regCloseKey(RegistryKey key) = 0;

    // CopyFileA with fail-if-exists false.
    virtual ErrorCode copyFile(const std::string& source, const std::string& destination) = 0;
    // GetFileAttributesA; nullopt when the call fails (nothing by that name).
    virtual std::optional<std::uint32_t> fileAttributes(const std::string& path) = 0;
    // SetFileAttributesA.
    virtual ErrorCode setFileAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // GetCurrentDirectoryA: where relative package paths are looked up.
    virtual std::string currentDirectory() = 0;
    // GetDriveTypeA with no root: the type of the current directory's drive.
    virtual std::uint32_t currentDriveType() = 0;
    // Whether the current directory is the account's temporary folder
    // (GetTempPathW) or lies inside it, both in their long forms and
    // compared without regard to case.
    virtual bool currentDirectoryIsTemporary() = 0;

    // GetVersionExA with a record whose size field is `recordSize` (156 for
    // OSVERSIONINFOEXA, 148 for OSVERSIONINFOA); nullopt when the call fails.
    virtual std::optional<OsVersion> versionEx(std::uint32_t recordSize) = 0;
    // IsWow64Process for the current process, looked up by name in kernel32;
    // nullopt when the function does not exist.
    virtual std::optional<bool> isWow64Process() = 0;
    // The native machine (IMAGE_FILE_MACHINE_*) that IsWow64Process2 reports,
    // looked up by name in kernel32; nullopt when the function does not
    // exist, as before Windows 10 version 1709, or fails.
    virtual std::optional<std::uint16_t> nativeMachine() = 0;

    // The account this process runs as: its token's user as a SID in text
    // form ("S-1-5-21-..."); nullopt when the token cannot be read.
    virtual std::optional<std::string> processAccount() = 0;
    // LookupAccountSidW: "DOMAIN\user" in UTF-8, or the SID itself when the
    // account has no name to be found (deleted, or its domain unreachable).
    virtual std::string accountName(const std::string& sid) = 0;
    // WTSQuerySessionInformationW for this process's session: the domain and
    // the user signed in, in UTF-8; empty where the query fails or names none.
    virtual SessionUser sessionUser() = 0;
    // LookupAccountNameW on a "DOMAIN\user" name: the account's SID in text
    // form; nullopt when the name does not resolve.
    virtual std::optional<std::string> accountSid(const std::string& name) = 0;
    // Whether two account names are the same as Windows compares them:
    // without regard to case.
    virtual bool sameAccountName(const std::string& a, const std::string& b) = 0;

    virtual void sleep(std::uint32_t milliseconds) = 0;
    virtual void outputDebugString(const std::string& text) = 0;

    // The system's own text for an error code (FormatMessage), without the
    // trailing line break, in UTF-8 like every message the wizard composes.
    virtual std::string errorText(ErrorCode error) = 0;
    // Names from the system (folders, ports) are in the ANSI code page; a
    // message needs them in UTF-8.
    virtual std::string ansiToUtf8(const std::string& text) = 0;
    // A name from the ANSI functions (a port, a driver) for the wide ones.
    virtual WideText ansiToWide(const std::string& text) = 0;
};
