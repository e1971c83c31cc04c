#include "RecordingSpoolerServices.h"
#include "app/CompletionMessage.h"
#include "catalogue/ModelCatalogue.h"
#include "install/InstallEngine.h"
#include "install/InstallMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

// Records compared field by field.
template <typename Text>
auto fields(const BasicPrinterInfo2<Text>& p) {
    return std::tie(p.serverName, p.printerName, p.shareName, p.portName, p.driverName, p.comment, p.location,
                    p.devMode, p.sepFile, p.printProcessor, p.dataType, p.parameters, p.attributes, p.priority,
                    p.defaultPriority, p.startTime, p.untilTime, p.status, p.jobs, p.averagePpm);
}

template <typename Text>
bool operator==(const BasicPrinterInfo2<Text>& a, const BasicPrinterInfo2<Text>& b) {
    return fields(a) == fields(b);
}

bool operator==(const DriverInfo3& a, const DriverInfo3& b) {
    const auto fields = [](const DriverInfo3& d) {
        return std::tie(d.version, d.name, d.environment, d.driverPath, d.dataFile, d.configFile, d.helpFile,
                        d.dependentFiles, d.monitorName, d.defaultDataType);
    };
    return fields(a) == fields(b);
}

namespace {

const std::string X86Directory = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
const std::string X64Directory = "C:\\WINDOWS\\system32\\spool\\drivers\\x64";
const std::string DeviceValue = "HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows\\Device";
const std::string RegistryError = u8"错误：无法设置有关的注册表信息";

using Copies = std::vector<std::pair<std::string, std::string>>;
// A progress position with the number of files copied when it was set.
using Progress = std::vector<std::pair<int, std::size_t>>;
const Progress WholeRunProgress = {{10, 1},  {20, 2},  {30, 3},  {40, 5},  {50, 7},  {60, 10},
                                   {70, 10}, {80, 10}, {90, 10}, {95, 10}, {100, 10}};

// The two pages as the run sees them.
class FakePages : public InstallInputs, public InstallFeedback {
public:
    explicit FakePages(const RecordingSpoolerServices& services) : services(services) {}

    std::string port = "LPT1:";
    int portBoxIndex = 0;
    int model = 2;
    bool checked = true;
    SerialPortSettings serial = {5, 3, 0, 2, 2};  // the page's initial selections
    Progress progress;
    std::map<int, std::size_t> callsBefore;  // by position: the system calls made before it was set
    std::vector<std::string> messages;

    std::string portName() override { return port; }
    int portIndex() override { return portBoxIndex; }
    int modelIndex() override { return model; }
    bool defaultPrinterChecked() override { return checked; }
    SerialPortSettings serialSettings() override { return serial; }
    void setProgress(int position) override {
        progress.emplace_back(position, services.copies.size());
        callsBefore[position] = services.calls.size();
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }

private:
    const RecordingSpoolerServices& services;
};

struct Installation {
    RecordingSpoolerServices services;
    FakePages pages{services};

    InstallOutcome run(std::optional<DriverArchitecture> architecture = DriverArchitecture::X86) {
        const InstallOutcome outcome = InstallEngine(services, pages, pages).run(architecture);
        EXPECT_TRUE(services.allHandlesClosed());
        return outcome;
    }
    bool changedNothing() const {
        return services.copies.empty() && services.drivers.empty() && services.printers.empty() &&
               services.printerChanges.empty() && services.registry.empty();
    }
    // The pause lets the bar be seen full: it comes after 95 and before 100.
    bool pausedBeforeTheEnd() {
        const std::size_t pause = position("Sleep(500)");
        return pages.callsBefore.count(95) != 0 && pause >= pages.callsBefore[95] && pause < pages.callsBefore[100];
    }
    std::size_t position(const std::string& callPrefix) const {
        const auto& calls = services.calls;
        return std::find_if(calls.begin(), calls.end(),
                            [&](const std::string& call) { return call.rfind(callPrefix, 0) == 0; }) -
               calls.begin();
    }
};

Copies packageCopies(const std::string& folder, const std::string& directory) {
    Copies copies;
    for (const char* file : {"ZRB.DLL", "ZR103.GPD", "uniDRVui.DLL", "uniDRV.DLL", "UNIDRV.HLP", "UNIRES.DLL",
                             "TTFSUB.GPD", "STDNAMES.GPD", "TAVPLUG.ini", "TAVPLUG.dll"})
        copies.emplace_back(folder + "\\" + file, directory + "\\" + file);
    return copies;
}

void expectFragments(const InstallOutcome& outcome, std::initializer_list<std::string> fragments) {
    EXPECT_FALSE(outcome.succeeded);
    for (const std::string& fragment : fragments)
        EXPECT_NE(outcome.failure.find(fragment), std::string::npos) << fragment << "\nin: " << outcome.failure;
}

// A DEVMODEW of `publicSize` bytes followed by `privateSize` bytes of its
// driver's own: dmSize and dmDriverExtra are the WORDs at bytes 68 and 70.
std::vector<std::uint8_t> devMode(std::uint16_t publicSize, std::uint16_t privateSize) {
    std::vector<std::uint8_t> bytes(publicSize + privateSize, 'p');
    std::fill(bytes.begin(), bytes.begin() + publicSize, 'd');
    bytes[68] = publicSize & 0xFF;
    bytes[69] = publicSize >> 8;
    bytes[70] = privateSize & 0xFF;
    bytes[71] = privateSize >> 8;
    return bytes;
}

// A printer set up by an earlier install and then looked after by the shop,
// in texts no ANSI code page holds all of.
PrinterInfo2W earlierPrinter() {
    PrinterInfo2W printer;
    printer.serverName = WideText{L"\\\\TILL-1"};
    printer.printerName = WideText{L"ZR-103"};
    printer.shareName = WideText{L"KasaŁ"};
    printer.portName = WideText{L"LPT1:"};
    printer.driverName = WideText{L"ZR-103"};
    printer.comment = WideText{L"收银台 receipt €"};
    printer.location = WideText{L"Kasa 1 Łódź"};
    printer.devMode = devMode(220, 300);
    printer.printProcessor = WideText{L"WinPrint"};
    printer.dataType = WideText{L"RAW"};
    printer.parameters = WideText{L""};
    printer.attributes = 0x248;
    printer.priority = 3;
    printer.defaultPriority = 2;
    printer.startTime = 60;
    printer.untilTime = 1380;
    printer.status = 0x80;
    printer.jobs = 1;
    printer.averagePpm = 12;
    return printer;
}

// Protected print mode that Windows cannot tell about stops nothing.
TEST(InstallEngineTest, EachArchitectureStagesItsPackageThenRegistersDriverAndPrinterAndSetsTheDefault) {
    const std::pair<DriverArchitecture, std::optional<bool>> cases[] = {{DriverArchitecture::X86, std::nullopt},
                                                                        {DriverArchitecture::X64, false}};
    for (const auto& [architecture, protectedPrint] : cases) {
        const bool x86 = architecture == DriverArchitecture::X86;
        const std::string& d = x86 ? X86Directory : X64Directory;
        const std::string environment = x86 ? "Windows NT x86" : "Windows x64";
        Installation installation;
        installation.services.protectedPrint = protectedPrint;
        const InstallOutcome outcome = installation.run(architecture);

        EXPECT_TRUE(outcome.succeeded);
        EXPECT_EQ(outcome.failure, "");
        EXPECT_EQ(installation.services.copies, packageCopies(x86 ? "x86" : "x64", d));
        EXPECT_EQ(installation.pages.progress, WholeRunProgress);
        DriverInfo3 driver{2, "ZR-103", environment};
        driver.driverPath = d + "\\uniDRV.DLL";
        driver.dataFile = d + "\\ZR103.GPD";
        driver.configFile = d + "\\uniDRVui.DLL";
        driver.helpFile = d + "\\uniDRV.HLP";
        driver.dependentFiles = {"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD", "ZRB.DLL"};
        driver.defaultDataType = "RAW";
        EXPECT_EQ(installation.services.drivers, std::vector<DriverInfo3>{driver});
        PrinterInfo2 printer;
        printer.printerName = printer.driverName = "ZR-103";
        printer.portName = "LPT1:";
        printer.printProcessor = "WinPrint";
        printer.dataType = "RAW";
        EXPECT_EQ(installation.services.printers, std::vector<PrinterInfo2>{printer});
        EXPECT_EQ(installation.services.registry,
                  (std::map<std::string, std::string>{{DeviceValue, "ZR-103,winspool,LPT1:"}}));
        // The default printer names a printer of a registered driver.
        EXPECT_LT(installation.position("AddPrinterDriverA"), installation.position("AddPrinterA"));
        EXPECT_LT(installation.position("AddPrinterA"), installation.position("RegSetValueExA(Device"));
        EXPECT_TRUE(installation.pausedBeforeTheEnd());
    }
}

TEST(InstallEngineTest, ModelsThatCarryThePluginPairNameItBeforeTheirResourceDll) {
    Installation installation;
    installation.pages.model = 4;
    EXPECT_TRUE(installation.run().succeeded);
    ASSERT_EQ(installation.services.drivers.size(), 1u);
    EXPECT_EQ(installation.services.drivers[0].dependentFiles,
              (std::vector<std::string>{"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD", "\\TAVPLUG.ini",
                                        "\\TAVPLUG.dll", "ZRC.DLL"}));
    EXPECT_EQ(installation.services.copies.size(), 10u);
}

// "Device" is the default printer of the account the setup runs as, which
// after "Run as administrator" with another account's password is not the
// one signed in to the session. An account of a directory this PC cannot
// reach (AzureAD here) has a name but no SID to be found.
TEST(InstallEngineTest, DefaultPrinterIsSetOnlyWhenAskedForAndTheSetupRunsAsTheAccountSignedIn) {
    const std::string cashier = "S-1-5-21-7-1001";
    const std::string admin = "S-1-5-21-7-500";
    const std::string kasia = "S-1-12-1-42";
    const std::string nameless = "S-1-5-21-9-1105";
    const SessionUser tillCashier = {"TILL-1", "cashier"};
    const SessionUser cloudKasia = {"AzureAD", "KasiaNowak"};
    struct Case {
        bool checked;
        std::optional<std::string> setupAccount;
        SessionUser session;
        bool deviceWritten;
    };
    const Case cases[] = {{true, cashier, tillCashier, true},
                          {false, cashier, tillCashier, false},
                          {true, admin, tillCashier, false},
                          {false, admin, tillCashier, false},
                          {true, admin, {}, true},
                          {true, std::nullopt, tillCashier, true},
                          {true, cashier, {"TILL-1", "kasjer"}, true},
                          {true, kasia, cloudKasia, true},
                          {true, kasia, {"AZUREAD", "kasianowak"}, true},
                          {true, admin, cloudKasia, false},
                          {true, nameless, cloudKasia, true},
                          {true, admin, {"", "cashier"}, true},
                          {true, admin, {"TILL-1", ""}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Installation installation;
        installation.services.setupAccount = c.setupAccount;
        installation.services.session = c.session;
        installation.pages.checked = c.checked;
        installation.pages.port = "\xA3PT1:";
        const InstallOutcome outcome = installation.run();
        const bool otherAccount = c.checked && !c.deviceWritten;
        EXPECT_EQ(installation.services.registry.count(DeviceValue), c.deviceWritten ? 1u : 0u);
        EXPECT_EQ(installation.services.printers.size(), 1u);
        EXPECT_EQ(outcome.succeeded, !otherAccount);
        EXPECT_EQ(installation.pages.progress, WholeRunProgress);
        EXPECT_TRUE(installation.pausedBeforeTheEnd());
        // A bare user name may be found in another domain: only DOMAIN\user is looked up.
        for (const std::string& call : installation.services.calls) {
            const std::size_t backslash = call.find('\\');
            if (call.rfind("LookupAccountNameW(", 0) == 0) {
                EXPECT_TRUE(backslash != std::string::npos && backslash > 19 && backslash + 2 < call.size()) << call;
            }
        }
        const std::string signedIn = c.session.domain + "\\" + c.session.user;
        if (otherAccount) {
            EXPECT_EQ(outcome.failure,
                      "The printer ZR-103 is installed on the port \"ŁPT1:\", but it was not made the default "
                      "printer: the setup ran as TILL-1\\Administrator, and " +
                          signedIn + " is signed in. To make it the default printer, " + signedIn +
                          " opens Devices and Printers in Control Panel, right-clicks ZR-103 and chooses Set as "
                          "default printer; on Windows 10 and 11, in Settings, Printers & scanners, switches off "
                          "\"Let Windows manage my default printer\", then chooses ZR-103 and Set as default.");
        }
    }
}

TEST(InstallEngineTest, EmptyPortNameStillInstallsAndEndsDeviceWithAComma) {
    Installation installation;
    installation.pages.port = "";
    EXPECT_TRUE(installation.run().succeeded);
    ASSERT_EQ(installation.services.printers.size(), 1u);
    EXPECT_EQ(installation.services.printers[0].portName, "");
    EXPECT_EQ(installation.services.registry[DeviceValue], "ZR-103,winspool,");
}

TEST(InstallEngineTest, SerialDefaultsAreWrittenForComPortsOnly) {
    for (int portIndex = 0; portIndex < 7; ++portIndex) {
        Installation installation;
        installation.pages.portBoxIndex = portIndex;
        installation.run();
        std::map<std::string, std::string> expected = {{DeviceValue, "ZR-103,winspool,LPT1:"}};
        if (portIndex >= 3)
            expected["HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports\\COM" +
                     std::to_string(portIndex - 2) + ":"] = "19200,N,8,1,p";
        EXPECT_EQ(installation.services.registry, expected) << "port index " << portIndex;
    }
}

// Each stops the run before anything on the system has changed.
TEST(InstallEngineTest, NoSpoolerNoPackageOrNoFittingPackageChangesNothing) {
    const std::string besideTheSetup = "Put the complete x86 and x64 folders beside the setup program";
    const std::string networkDrive =
        "That folder is on a network drive or a drive letter, which a setup run as an administrator may "
        "not see: copy the setup program with its x86 and x64 folders to a folder on "
        "this PC";
    struct Case {
        std::optional<DriverArchitecture> architecture;
        std::vector<Failure> failures;
        std::set<std::string> missingFiles;
        std::initializer_list<std::string> fragments;
        std::map<std::string, std::uint32_t> attributes = {};
        std::uint32_t drive = 3;  // DRIVE_FIXED
        std::optional<bool> protectedPrint = false;
        bool temporaryFolder = false;
        int model = ModelCatalogue::DefaultModelIndex;
    };
    const Case cases[] = {
        {DriverArchitecture::X64,
         {{Operation::PrinterDriverDirectory, 1804}},
         {},
         {"Windows x64", "system error 1804"}},
        {DriverArchitecture::X86,
         {},
         {"x86\\ZRB.DLL", "x86\\TAVPLUG.dll"},
         {"incomplete: x86\\ZRB.DLL, x86\\TAVPLUG.dll not found in C:\\Łsetup,", besideTheSetup}},
        {DriverArchitecture::X86, {}, {"x86\\STDNAMES.GPD"}, {" x86\\STDNAMES.GPD not found in C:\\Łsetup,"}},
        // A folder of the file's name is not the file.
        {DriverArchitecture::X86, {}, {}, {"incomplete: x86\\UNIRES.DLL not found"}, {{"x86\\UNIRES.DLL", 0x10}}},
        {DriverArchitecture::X86, {}, {}, {"incomplete: x86\\TTFSUB.GPD not found"}, {{"x86\\TTFSUB.GPD", 0x11}}},
        // Remote, and a drive letter this process does not have.
        {DriverArchitecture::X86, {}, {"x86\\ZRB.DLL"}, {"not found in C:\\Łsetup,", networkDrive}, {}, 4},
        {DriverArchitecture::X86, {}, {"x86\\ZRB.DLL"}, {networkDrive}, {}, 1},
        {DriverArchitecture::X86, {}, {"x86\\ZRB.DLL"}, {"temporary folder", "extract the whole"}, {}, 4, false, true},
        {packageArchitecture(true, 0xAA64), {}, {}, {"x86 and x64", "ARM64. Nothing was installed."}, {}, 3, true},
        {DriverArchitecture::X64,
         {},
         {},
         {"Windows protected print mode is on", "so nothing was installed", "as an administrator will not help",
          "under Printer preferences turn off Windows protected print mode", "only its administrator can turn it off",
          "Then run the setup again."},
         {},
         3,
         true},
        {DriverArchitecture::X64, {{Operation::PrinterDriverDirectory, 1804}}, {}, {"print mode is on"}, {}, 3, true},
        {DriverArchitecture::X64, {}, {"x64\\ZRB.DLL"}, {"print mode is on"}, {}, 3, true},
        {DriverArchitecture::X86, {}, {}, {"No printer model", "on the Detail Setting page"}, {}, 3, false, false, -1},
        {DriverArchitecture::X86, {}, {}, {"No printer model"}, {}, 3, false, false, ModelCatalogue::ModelCount}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Installation installation;
        installation.services.failures = c.failures;
        installation.services.missingFiles = c.missingFiles;
        installation.services.attributes = c.attributes;
        installation.services.startFolder = "C:\\\xA3setup";
        installation.services.startDrive = c.drive;
        installation.services.protectedPrint = c.protectedPrint;
        installation.services.startFolderTemporary = c.temporaryFolder;
        installation.pages.model = c.model;
        expectFragments(installation.run(c.architecture), c.fragments);
        EXPECT_TRUE(installation.changedNothing());
        EXPECT_TRUE(installation.pages.progress.empty());
    }

    // The other architecture's folder is complete.
    Installation x64;
    x64.services.missingFiles = {"x86\\ZRB.DLL"};
    EXPECT_TRUE(x64.run(DriverArchitecture::X64).succeeded);
}

TEST(InstallEngineTest, PackageFitsTheNativeMachineNotTheProcess) {
    EXPECT_EQ(packageArchitecture(true, 0x8664), DriverArchitecture::X64);
    EXPECT_EQ(packageArchitecture(true, std::nullopt), DriverArchitecture::X64);  // no IsWow64Process2
    EXPECT_EQ(packageArchitecture(std::nullopt, std::nullopt), DriverArchitecture::X86);
    // 32-bit Windows: not under WOW64, whether or not it names its machine.
    EXPECT_EQ(packageArchitecture(false, std::nullopt), DriverArchitecture::X86);
    EXPECT_EQ(packageArchitecture(false, 0x14c), DriverArchitecture::X86);
    // A 32-bit program runs under WOW64 on ARM64 Windows too.
    EXPECT_EQ(packageArchitecture(true, 0xAA64), std::nullopt);
}

// A driver registered over an older file left in the folder would be a mix
// of two versions.
TEST(InstallEngineTest, FirstFileNotCopiedEndsTheRunBeforeTheDriverIsRegistered) {
    Installation installation;
    const std::string directory = "C:\\Spool\xA3";
    installation.services.driverDirectories["Windows NT x86"] = directory;
    installation.services.failures = {{Operation::CopyFile, 5, "x86\\UNIDRV.HLP"}};
    installation.pages.portBoxIndex = 3;
    expectFragments(installation.run(),
                    {"x86\\UNIDRV.HLP could not be copied to C:\\SpoolŁ\\UNIDRV.HLP, so", "system error 5"});
    const Copies package = packageCopies("x86", directory);
    EXPECT_EQ(installation.services.copies, Copies(package.begin(), package.begin() + 4));
    EXPECT_EQ(installation.pages.progress, (Progress{{10, 1}, {20, 2}, {30, 3}}));
    EXPECT_TRUE(installation.services.drivers.empty());
    EXPECT_TRUE(installation.services.printers.empty());
    EXPECT_TRUE(installation.services.registry.empty());
}

// Copies refuse a read-only or hidden destination and take the source's
// attributes: a package from a CD stages read-only files, and another
// installer may leave hidden or system ones. Each copy must replace them and
// leave nothing read-only for the next install.
TEST(InstallEngineTest, ReadOnlyHiddenOrSystemFilesAreReplacedAndNoneIsLeftReadOnly) {
    const std::string zrb = X86Directory + "\\ZRB.DLL";
    Installation fromCd;
    fromCd.services.attributes = {{"x86\\ZRB.DLL", 0x21}};
    EXPECT_TRUE(fromCd.run().succeeded);
    EXPECT_EQ(fromCd.services.attributes[zrb] & FileAttribute::ReadOnly, 0u);
    EXPECT_TRUE(fromCd.run().succeeded) << "installed again from the same CD";

    // Neither Windows' CopyFile page nor Wine says a system file is refused;
    // cleared before the copy, it cannot be.
    for (std::uint32_t left : {0x21u, 0x27u, 0x24u}) {
        Installation overAnEarlierInstall;
        overAnEarlierInstall.services.attributes = {{zrb, left}};
        EXPECT_TRUE(overAnEarlierInstall.run().succeeded) << left;
        EXPECT_EQ(overAnEarlierInstall.services.attributes[zrb] & FileAttribute::ReadOnly, 0u) << left;
        EXPECT_LT(overAnEarlierInstall.position("SetFileAttributesA(" + zrb + ", 0x20)"),
                  overAnEarlierInstall.position("CopyFileA(x86\\ZRB.DLL"))
            << left;
    }

    Installation unclearable;
    unclearable.services.attributes = {{zrb, 0x21}};
    unclearable.services.failures = {{Operation::SetFileAttributes, 5}};
    expectFragments(unclearable.run(), {"x86\\ZRB.DLL could not be copied to " + zrb + ","});
}

// The printer can still be added on a driver of the same name that an
// earlier install registered; the run then says what failed all the same.
// Rights help with a refusal, not with a driver on Windows' list of bad ones.
TEST(InstallEngineTest, UnregisteredDriverIsToldEvenWhenThePrinterIsAdded) {
    const std::string knownBad =
        "Windows refuses it as a printer driver it knows to be faulty; install a newer driver package from the "
        "printer's supplier.";
    const std::string kernelMode =
        "Windows refuses it as a kernel-mode printer driver, which a policy of this PC blocks; running the setup "
        "again cannot help, but a newer (user-mode) driver package from the printer's supplier can.";
    const std::string rights = "Run the setup again as an administrator.";
    const std::string maybeProtectedPrint = "Windows could not tell whether its protected print mode is on";
    const std::tuple<ErrorCode, std::string, std::optional<bool>> cases[] = {
        {1797, rights, false},           {1930, kernelMode, false}, {3013, knownBad, false},
        {3014, knownBad, false},         {3015, rights, false},     {1797, maybeProtectedPrint, std::nullopt},
        {1930, kernelMode, std::nullopt}};
    for (const auto& [error, whatToDo, protectedPrint] : cases) {
        Installation installation;
        installation.services.failures = {{Operation::AddPrinterDriver, error}};
        installation.services.protectedPrint = protectedPrint;
        expectFragments(installation.run(), {"ZR-103 could not be registered. " + whatToDo,
                                             "Windows reported: system error " + std::to_string(error)});
        EXPECT_EQ(installation.services.registry[DeviceValue], "ZR-103,winspool,LPT1:");
        EXPECT_TRUE(installation.pausedBeforeTheEnd());
    }
}

// Later failures are usually consequences of the first: only the first is
// told, and a printer that is not there is never made the default.
TEST(InstallEngineTest, PrinterNotAddedIsNeitherDefaultNorTheOnlyFailureTold) {
    struct Case {
        std::string port;
        std::vector<Failure> failures;
        std::string told;
    };
    const Case cases[] = {
        {"\xA3PT1:", {{Operation::AddPrinter, 1801}}, "printer ZR-103 could not be added on the port \"ŁPT1:\". Check"},
        {"", {{Operation::AddPrinter, 1801}}, "printer ZR-103 could not be added without a port. Check"},
        {"LPT1:",
         {{Operation::AddPrinterDriver, 1797}, {Operation::AddPrinter, 1797}},
         "printer driver ZR-103 could not be registered"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told);
        Installation installation;
        installation.services.failures = c.failures;
        installation.pages.port = c.port;
        installation.pages.portBoxIndex = 3;
        const InstallOutcome outcome = installation.run();
        expectFragments(outcome, {c.told, "system error 1"});
        EXPECT_EQ(outcome.failure.find("could not be added", c.told.size()), std::string::npos);
        EXPECT_EQ(installation.services.registry.count(DeviceValue), 0u);
        EXPECT_EQ(installation.services.registry.size(), 1u) << "the serial defaults are still written";
        EXPECT_EQ(installation.pages.progress.back().first, 100);
        EXPECT_TRUE(installation.pausedBeforeTheEnd());
        EXPECT_TRUE(installation.pages.messages.empty());
    }
}

TEST(InstallEngineTest, ExistingPrinterOnTheChosenPortWithThisDriverIsLeftAsItIs) {
    Installation installation;
    installation.services.failures = {{Operation::AddPrinterDriver, 1795}, {Operation::AddPrinter, 1802}};
    installation.services.existingPrinter = earlierPrinter();
    EXPECT_TRUE(installation.run().succeeded);
    EXPECT_TRUE(installation.services.printerChanges.empty());
    EXPECT_EQ(installation.services.registry[DeviceValue], "ZR-103,winspool,LPT1:");
}

// Installed once on LPT1:, then again for another port, or over a printer
// that an older driver served: it ends up on the chosen port with this run's
// driver, keeping everything the shop set; of another driver's settings, the
// public part that every driver reads. The port's name goes through the ANSI
// code page, where byte 0xA3 is Ł.
TEST(InstallEngineTest, ExistingPrinterMovesToTheChosenPortWithThisDriverKeepingTheRest) {
    const auto olderDriver = [](std::vector<std::uint8_t> settings) {
        PrinterInfo2W printer = earlierPrinter();
        printer.driverName = WideText{L"Generic / Text Only"};
        printer.devMode = std::move(settings);
        return printer;
    };
    // A DEVMODE the spooler takes reaches at least to its dmFields, 76 bytes.
    const std::tuple<std::string, std::wstring, PrinterInfo2W, std::vector<std::uint8_t>> cases[] = {
        {"COM2:", L"COM2:", earlierPrinter(), devMode(220, 300)},
        {"LPT1:", L"LPT1:", olderDriver(devMode(220, 300)), devMode(220, 0)},
        {"LPT1:", L"LPT1:", olderDriver(devMode(220, 0)), devMode(220, 0)},
        {"LPT1:", L"LPT1:", olderDriver(devMode(300, 40)), devMode(300, 0)},
        {"LPT1:", L"LPT1:", olderDriver(devMode(76, 0)), devMode(76, 0)},
        {"LPT1:", L"LPT1:", olderDriver(devMode(76, 10)), devMode(76, 0)},
        {"LPT1:", L"LPT1:", olderDriver(devMode(75, 1)), {}},
        {"LPT1:", L"LPT1:", olderDriver(devMode(74, 40)), {}},
        {"LPT1:", L"LPT1:", olderDriver({}), {}},
        {"\xA3PT1:", L"ŁPT1:", earlierPrinter(), devMode(220, 300)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const auto& [port, widePort, existing, settings] = c;
        Installation installation;
        installation.services.failures = {{Operation::AddPrinter, 1802}};
        installation.services.existingPrinter = existing;
        installation.pages.port = port;
        EXPECT_TRUE(installation.run().succeeded);
        PrinterInfo2W expected = existing;
        expected.portName = WideText{widePort};
        expected.driverName = WideText{L"ZR-103"};
        expected.devMode = settings;
        EXPECT_EQ(installation.services.printerChanges, std::vector<PrinterInfo2W>{expected});
        EXPECT_EQ(installation.services.registry[DeviceValue], "ZR-103,winspool," + port);
    }
}

TEST(InstallEngineTest, ExistingPrinterThatCannotBeChangedIsTheFailure) {
    for (Operation step : {Operation::OpenPrinter, Operation::GetPrinter, Operation::SetPrinter}) {
        SCOPED_TRACE(static_cast<int>(step));
        Installation installation;
        installation.services.failures = {{Operation::AddPrinter, 1802}, {step, 5}};
        installation.services.existingPrinter = earlierPrinter();
        installation.pages.port = "COM\xA3:";
        expectFragments(installation.run(), {"printer ZR-103 is already installed and could not be moved to the port "
                                             "\"COMŁ:\". Run the setup again as an administrator.",
                                             "system error 5"});
        EXPECT_EQ(installation.services.registry.count(DeviceValue), 0u);
    }
}

TEST(InstallEngineTest, UnsettableValueIsToldMidRunButDoesNotFailTheInstall) {
    Installation installation;
    installation.services.failures = {{Operation::RegSetValue, 5}};
    installation.pages.portBoxIndex = 4;
    EXPECT_TRUE(installation.run().succeeded);
    EXPECT_EQ(installation.pages.messages, (std::vector<std::string>{RegistryError, RegistryError}));
    EXPECT_TRUE(installation.services.registry.empty());
}

TEST(InstallEngineTest, MissingKeyIsPassedOverInSilence) {
    Installation installation;
    installation.services.failures = {{Operation::RegOpenKey, 2}};
    installation.pages.portBoxIndex = 3;
    EXPECT_TRUE(installation.run().succeeded);
    EXPECT_TRUE(installation.services.registry.empty());
    EXPECT_TRUE(installation.pages.messages.empty());
}

TEST(InstallEngineTest, LongDriverDirectoryIsUsedWhole) {
    Installation installation;
    const std::string d = "C:\\" + std::string(297, 'd');
    installation.services.driverDirectories["Windows NT x86"] = d;
    EXPECT_TRUE(installation.run().succeeded);
    EXPECT_EQ(installation.services.copies.back(),
              std::make_pair(std::string("x86\\TAVPLUG.dll"), d + "\\TAVPLUG.dll"));
    ASSERT_EQ(installation.services.drivers.size(), 1u);
    EXPECT_EQ(installation.services.drivers[0].dataFile, d + "\\ZR103.GPD");
    EXPECT_EQ(installation.services.drivers[0].helpFile, d + "\\uniDRV.HLP");
}

// Each says what failed and what helps, then Windows' text; a cancel is no failure.
TEST(InstallMessagesTest, PortMessagesSayWhatFailedAndWhatHelpsThenWindowsText) {
    using namespace InstallMessages;
    const std::pair<std::string, std::string> cases[] = {
        {portsNotListed(1722, "W."), "The Print Spooler service does not answer"},
        {portsNotListed(5, "W."), "The printer ports could not be listed"},
        {portDialogNotShown(PortDialog::NewPort, "Local Port", 50, "W."), "no such dialog here: choose another port"},
        {portDialogNotShown(PortDialog::Configure, "LPT1:", 5, "W."), "needs an administrator"}};
    for (const auto& [message, told] : cases) {
        EXPECT_NE(message.find(told), std::string::npos) << message;
        EXPECT_EQ(message.rfind(" Windows reported: W."), message.size() - 21) << message;
    }
    for (const ErrorCode error : {0u, 1223u}) EXPECT_FALSE(portDialogRefused(error)) << error;
    EXPECT_TRUE(portDialogRefused(50));
}

TEST(CompletionMessageTest, SuccessIsAnnouncedOnTheNtFamilyAndFailureEverywhere) {
    const InstallOutcome done{true, ""};
    const InstallOutcome failed{false, "The printer ZR-103 could not be added."};
    // NT 4.0 up to Windows 8 and later.
    for (std::int32_t generation : {3, 4, 8, 9})
        EXPECT_EQ(completionMessage(generation, done), std::optional<std::string>("Completed!")) << generation;
    // Undetected, the Windows 95 family, and a value no detection gives.
    for (std::int32_t generation : {0, 1, 2, 10})
        EXPECT_EQ(completionMessage(generation, done), std::nullopt) << generation;
    for (std::int32_t generation : {0, 2, 3, 9})
        EXPECT_EQ(completionMessage(generation, failed), failed.failure) << generation;
}

}  // namespace
