#include "RecordingSpoolerServices.h"
#include "app/CompletionMessage.h"
#include "install/InstallEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const std::string X86Directory = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
const std::string X64Directory = "C:\\WINDOWS\\system32\\spool\\drivers\\x64";
const std::string RegistryError = u8"错误：无法设置有关的注册表信息";

// The two pages as the run sees them. Reads, progress and messages go into
// the services' call log, so one list shows how they interleave with the
// system calls.
class FakePages : public InstallInputs, public InstallFeedback {
public:
    explicit FakePages(std::vector<std::string>& log) : log(log) {}

    std::string port = "LPT1:";
    int portBoxIndex = 0;
    int model = 2;
    bool checked = true;
    SerialPortSettings serial = {5, 3, 0, 2, 2};  // the page's initial selections
    std::vector<int> progress;
    std::vector<std::string> messages;

    std::string portName() override { return read("portName", port); }
    int portIndex() override { return read("portIndex", portBoxIndex); }
    int modelIndex() override { return read("modelIndex", model); }
    bool defaultPrinterChecked() override { return read("defaultPrinterChecked", checked); }
    SerialPortSettings serialSettings() override { return read("serialSettings", serial); }
    std::string chosenPort = "left over from an earlier run";
    void installingOn(const std::string& portName) override { chosenPort = portName; }
    void setProgress(int position) override {
        progress.push_back(position);
        log.push_back("progress " + std::to_string(position));
    }
    void showMessage(const std::string& text) override {
        messages.push_back(text);
        log.push_back("message");
    }

private:
    template <typename Value>
    Value read(const std::string& what, const Value& value) {
        log.push_back("read " + what);
        return value;
    }
    std::vector<std::string>& log;
};

struct Installation {
    RecordingSpoolerServices services;
    FakePages pages{services.calls};

    InstallOutcome run(std::optional<DriverArchitecture> architecture = DriverArchitecture::X86) {
        return InstallEngine(services, pages, pages).run(architecture);
    }
    // The log entries strictly between the first `from` and the `to` after it.
    std::vector<std::string> between(const std::string& from, const std::string& to) const {
        const auto& calls = services.calls;
        auto first = std::find(calls.begin(), calls.end(), from);
        EXPECT_NE(first, calls.end()) << from;
        if (first == calls.end()) return {};
        return {first + 1, std::find(first + 1, calls.end(), to)};
    }
    int count(const std::string& prefix) const {
        return static_cast<int>(
            std::count_if(services.calls.begin(), services.calls.end(),
                          [&](const std::string& call) { return call.compare(0, prefix.size(), prefix) == 0; }));
    }
};

// A whole run for model 2 on LPT1: with the box checked.
std::vector<std::string> expectedRun(const std::string& folder, const std::string& d, const std::string& environment) {
    std::vector<std::string> calls = {"read portName", "GetPrinterDriverDirectoryA(" + environment + ")",
                                      "read portIndex", "read modelIndex"};
    const std::vector<std::pair<std::string, std::string>> package = {{"ZRB.DLL", "progress 10"},
                                                                      {"ZR103.GPD", "progress 20"},
                                                                      {"uniDRVui.DLL", "progress 30"},
                                                                      {"uniDRV.DLL", ""},
                                                                      {"UNIDRV.HLP", "progress 40"},
                                                                      {"UNIRES.DLL", ""},
                                                                      {"TTFSUB.GPD", "progress 50"},
                                                                      {"STDNAMES.GPD", ""},
                                                                      {"TAVPLUG.ini", ""},
                                                                      {"TAVPLUG.dll", "progress 60"}};
    for (const auto& file : package) calls.push_back("GetFileAttributesA(" + folder + "\\" + file.first + ")");
    for (const auto& [file, progress] : package) {
        const std::string destination = d + "\\" + file;
        calls.insert(calls.end(), {"GetFileAttributesA(" + destination + ")",
                                   "CopyFileA(" + folder + "\\" + file + ", " + destination + ")",
                                   "GetFileAttributesA(" + destination + ")"});
        if (!progress.empty()) calls.push_back(progress);
    }
    calls.insert(calls.end(),
                 {"AddPrinterDriverA(ZR-103, " + environment + ")", "progress 70", "AddPrinterA(ZR-103, LPT1:)",
                  "progress 80", "read defaultPrinterChecked", "WTSQuerySessionInformationW",
                  "RegOpenKeyExA(HKCU, Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows)",
                  "RegSetValueExA(Device, ZR-103,winspool,LPT1:)", "RegCloseKey", "progress 90", "progress 95",
                  "ClosePrinter", "Sleep(500)", "progress 100"});
    return calls;
}

std::string shown(const std::string& text) {
    return text;
}

// Code units beyond ASCII as numbers, so that no two texts look alike.
std::string shown(const WideText& text) {
    std::string out;
    for (wchar_t unit : text.view())
        out += unit < 0x80 ? std::string(1, static_cast<char>(unit)) : "&" + std::to_string(unit) + ";";
    return out;
}

template <typename Text>
std::string text(const std::optional<Text>& value) {
    return value ? "\"" + shown(*value) + "\"" : "null";
}

// Every field of the record, to compare two records whole.
template <typename Text>
std::string describe(const BasicPrinterInfo2<Text>& p) {
    std::string numbers;
    for (std::uint32_t n :
         {p.attributes, p.priority, p.defaultPriority, p.startTime, p.untilTime, p.status, p.jobs, p.averagePpm})
        numbers += " " + std::to_string(n);
    return text(p.serverName) + " " + shown(p.printerName) + " " + text(p.shareName) + " " + shown(p.portName) + " " +
           shown(p.driverName) + " " + text(p.comment) + " " + text(p.location) + " devmode " +
           std::string(p.devMode.begin(), p.devMode.end()) + " " + text(p.sepFile) + " " + text(p.printProcessor) +
           " " + text(p.dataType) + " " + text(p.parameters) + numbers;
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
    printer.devMode = {'d', 'e', 'v', 0, 'x'};
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

}  // namespace

TEST(InstallEngineTest, EachArchitectureMakesEveryCallInOrderWithItsOwnFolderAndDirectory) {
    for (DriverArchitecture architecture : {DriverArchitecture::X86, DriverArchitecture::X64}) {
        const bool x86 = architecture == DriverArchitecture::X86;
        const std::string& d = x86 ? X86Directory : X64Directory;
        Installation installation;
        const InstallOutcome outcome = installation.run(architecture);
        EXPECT_EQ(installation.services.calls, expectedRun(x86 ? "x86" : "x64", d, traitsOf(architecture).environment));
        EXPECT_TRUE(outcome.succeeded);
        EXPECT_EQ(outcome.failure, "");
        EXPECT_EQ(installation.pages.chosenPort, "LPT1:");
        EXPECT_EQ(installation.pages.progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100}));

        ASSERT_EQ(installation.services.drivers.size(), 1u);
        const DriverInfo3& driver = installation.services.drivers[0];
        EXPECT_EQ(driver.version, 2u);
        EXPECT_EQ(driver.environment, x86 ? "Windows NT x86" : "Windows x64");
        EXPECT_EQ(driver.driverPath, d + "\\uniDRV.DLL");
        EXPECT_EQ(driver.dataFile, d + "\\ZR103.GPD");
        EXPECT_EQ(driver.configFile, d + "\\uniDRVui.DLL");
        EXPECT_EQ(driver.helpFile, d + "\\uniDRV.HLP");
        EXPECT_EQ(driver.monitorName + "," + driver.defaultDataType, ",RAW");
        ASSERT_EQ(installation.services.printers.size(), 1u);
        const PrinterInfo2& printer = installation.services.printers[0];
        EXPECT_EQ(describe(printer),
                  "null ZR-103 null LPT1: ZR-103 null null devmode  null \"WinPrint\" \"RAW\" null"
                  " 0 0 0 0 0 0 0 0");
    }
}

TEST(InstallEngineTest, OnlyModels4And5ListThePluginBeforeTheResourceDll) {
    const std::vector<std::string> fixed = {"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD"};
    const char* const resourceDlls[] = {"ZRA.DLL", "ZRB.DLL", "ZRB.DLL", "ZRC.DLL", "ZRC.DLL", "ZRC.DLL", "ZRB.DLL"};
    for (int model = 0; model < 7; ++model) {
        Installation installation;
        installation.pages.model = model;
        installation.run();
        std::vector<std::string> expected = fixed;
        if (model == 4 || model == 5) expected.insert(expected.end(), {"\\TAVPLUG.ini", "\\TAVPLUG.dll"});
        expected.push_back(resourceDlls[model]);
        ASSERT_EQ(installation.services.drivers.size(), 1u);
        EXPECT_EQ(installation.services.drivers[0].dependentFiles, expected) << "model " << model;
        // The plug-in pair is copied for every model all the same.
        EXPECT_EQ(installation.count("CopyFileA(x86\\TAVPLUG."), 2) << "model " << model;
    }
}

TEST(InstallEngineTest, ClearBoxLeavesTheRegistryAlone) {
    Installation installation;
    installation.pages.checked = false;
    EXPECT_TRUE(installation.run().succeeded);
    EXPECT_EQ(installation.between("progress 80", "progress 90"),
              std::vector<std::string>{"read defaultPrinterChecked"});
    EXPECT_EQ(installation.count("Reg"), 0);
}

TEST(InstallEngineTest, EmptyPortNameStillInstallsAndEndsDeviceWithAComma) {
    Installation installation;
    installation.pages.port = "";
    installation.run();
    EXPECT_EQ(installation.count("AddPrinterA(ZR-103, )"), 1);
    EXPECT_EQ(installation.count("RegSetValueExA(Device, ZR-103,winspool,)"), 1);
}

TEST(InstallEngineTest, SerialDefaultsAreWrittenForComPortsOnly) {
    for (int portIndex = 0; portIndex < 7; ++portIndex) {
        Installation installation;
        installation.pages.portBoxIndex = portIndex;
        installation.run();
        std::vector<std::string> expected;
        if (portIndex >= 3) {
            expected = {"read serialSettings",
                        "RegOpenKeyExA(HKLM, SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports)",
                        "RegSetValueExA(COM" + std::to_string(portIndex - 2) + ":, 19200,N,8,1,p)", "RegCloseKey"};
        }
        EXPECT_EQ(installation.between("progress 90", "progress 95"), expected) << "port index " << portIndex;
        EXPECT_EQ(installation.count("read serialSettings"), portIndex >= 3 ? 1 : 0);
    }
}

TEST(InstallEngineTest, FailedDirectoryQueryStopsBeforeAnythingChanges) {
    Installation installation;
    installation.services.errors = {{"GetPrinterDriverDirectoryA", 1804}};
    const InstallOutcome outcome = installation.run(DriverArchitecture::X64);
    EXPECT_EQ(installation.services.calls,
              (std::vector<std::string>{"read portName", "GetPrinterDriverDirectoryA(Windows x64)", "read portIndex",
                                        "read modelIndex"}));
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.failure.find("Windows x64"), std::string::npos) << outcome.failure;
    EXPECT_NE(outcome.failure.find("system error 1804"), std::string::npos) << outcome.failure;
    EXPECT_TRUE(installation.pages.progress.empty());
    EXPECT_EQ(installation.pages.chosenPort, "LPT1:");
}

TEST(InstallEngineTest, IncompletePackageIsFoundBeforeAnyCopy) {
    const std::vector<std::pair<std::set<std::string>, std::string>> cases = {
        {{"x86\\ZRB.DLL", "x86\\TAVPLUG.dll"}, "incomplete: x86\\ZRB.DLL, x86\\TAVPLUG.dll not found in <C:\\setup>,"},
        {{"x86\\STDNAMES.GPD"}, " x86\\STDNAMES.GPD not found in <C:\\setup>,"}};
    for (const auto& [missing, named] : cases) {
        Installation installation;
        installation.services.missingFiles = missing;
        const InstallOutcome outcome = installation.run();
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_NE(outcome.failure.find(named), std::string::npos) << outcome.failure;
        EXPECT_EQ(installation.count("GetFileAttributesA(x86\\"), 10);
        EXPECT_EQ(installation.count("CopyFileA") + installation.count("AddPrinter") + installation.count("Reg"), 0);
        EXPECT_TRUE(installation.pages.progress.empty());
    }

    // The other architecture's folder is complete.
    Installation x64;
    x64.services.missingFiles = {"x86\\ZRB.DLL"};
    EXPECT_TRUE(x64.run(DriverArchitecture::X64).succeeded);
}

TEST(InstallEngineTest, FirstFileNotCopiedEndsTheRunBeforeTheDriverIsRegistered) {
    Installation installation;
    installation.services.errors = {{"CopyFileA(x86\\UNIDRV.HLP", 5}};
    installation.pages.portBoxIndex = 3;
    const InstallOutcome outcome = installation.run();
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.failure.find("<x86\\UNIDRV.HLP> could not be copied to <" + X86Directory + "\\UNIDRV.HLP>"),
              std::string::npos)
        << outcome.failure;
    EXPECT_NE(outcome.failure.find("system error 5"), std::string::npos);
    EXPECT_EQ(installation.services.calls.back(), "CopyFileA(x86\\UNIDRV.HLP, " + X86Directory + "\\UNIDRV.HLP)");
    EXPECT_EQ(installation.count("AddPrinter") + installation.count("Reg") + installation.count("read serial"), 0);
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
    EXPECT_EQ(fromCd.services.attributes[zrb], 0x20u);
    EXPECT_TRUE(fromCd.run().succeeded) << "installed again from the same CD";

    Installation overAnotherInstaller;
    overAnotherInstaller.services.attributes = {{zrb, 0x27}};
    EXPECT_TRUE(overAnotherInstaller.run().succeeded);
    EXPECT_EQ(overAnotherInstaller.services.attributes[zrb], 0x20u);

    Installation unclearable;
    unclearable.services.attributes = {{zrb, 0x21}};
    unclearable.services.errors = {{"SetFileAttributesA", 5}};
    const InstallOutcome outcome = unclearable.run();
    EXPECT_NE(outcome.failure.find("<x86\\ZRB.DLL> could not be copied to <" + zrb + ">"), std::string::npos)
        << outcome.failure;
}

// "Device" is the default printer of the account the setup runs as, which
// after "Run as administrator" with another account's password is not the
// one at the desktop.
TEST(InstallEngineTest, DefaultPrinterIsSetOnlyWhenTheSetupRunsAsTheAccountSignedIn) {
    const std::string cashier = "S-1-5-21-7-1001";
    const std::string admin = "S-1-5-21-7-500";
    struct Case {
        std::optional<std::string> setupAccount, signedIn;
        bool checked, deviceWritten;
    };
    const Case cases[] = {{cashier, cashier, true, true},
                          {admin, cashier, true, false},
                          {admin, cashier, false, false},
                          {admin, std::nullopt, true, true},
                          {std::nullopt, cashier, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Installation installation;
        installation.services.setupAccount = c.setupAccount;
        installation.services.signedInAccount = c.signedIn;
        installation.pages.checked = c.checked;
        const InstallOutcome outcome = installation.run();
        const bool otherAccount = c.checked && !c.deviceWritten;
        EXPECT_EQ(installation.count("RegSetValueExA(Device"), c.deviceWritten ? 1 : 0);
        EXPECT_EQ(outcome.succeeded, !otherAccount);
        // A name may need the network to be found: only a message asks for it.
        EXPECT_EQ(installation.count("LookupAccountSidW"), otherAccount ? 2 : 0);
        if (otherAccount) {
            EXPECT_EQ(
                outcome.failure,
                "The printer ZR-103 is installed on the port \"<LPT1:>\", but it was not made the default printer: "
                "the setup ran as TILL-1\\Administrator, and TILL-1\\cashier is signed in. To make it the "
                "default printer, TILL-1\\cashier opens Devices and Printers in Control Panel, right-clicks "
                "ZR-103 and chooses Set as default printer.");
        }
    }
}

TEST(InstallEngineTest, UnregisteredDriverIsTheFailureNotItsConsequence) {
    Installation installation;
    installation.services.errors = {{"AddPrinterDriverA", 1797}, {"AddPrinterA", 1797}};
    installation.pages.portBoxIndex = 3;
    const InstallOutcome outcome = installation.run();
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.failure.find("printer driver ZR-103 could not be registered"), std::string::npos)
        << outcome.failure;
    EXPECT_EQ(outcome.failure.find("could not be added"), std::string::npos);
    EXPECT_EQ(installation.count("AddPrinterA"), 1);
    EXPECT_EQ(installation.count("RegOpenKeyExA(HKCU"), 0);
    EXPECT_EQ(installation.count("RegSetValueExA(COM1:"), 1);
    EXPECT_EQ(installation.count("ClosePrinter"), 0);
    EXPECT_EQ(installation.count("Sleep(500)"), 1);
    EXPECT_TRUE(installation.pages.messages.empty());
}

// The printer can still be added on a driver of the same name that an
// earlier install registered; the run then says what failed all the same.
TEST(InstallEngineTest, UnregisteredDriverIsToldEvenWhenThePrinterIsAdded) {
    // Rights help with a refusal, not with a driver on Windows' list of bad ones.
    const std::string knownBad =
        "Windows refuses it as a printer driver it knows to be faulty; install a newer driver package from the "
        "printer's supplier.";
    const std::pair<ErrorCode, std::string> cases[] = {
        {1797, "Run the setup again as an administrator."}, {3013, knownBad}, {3014, knownBad}};
    for (const auto& [error, whatToDo] : cases) {
        Installation installation;
        installation.services.errors = {{"AddPrinterDriverA", error}};
        const InstallOutcome outcome = installation.run();
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_NE(outcome.failure.find("ZR-103 could not be registered. " + whatToDo), std::string::npos)
            << outcome.failure;
        EXPECT_NE(outcome.failure.find("Windows reported: system error " + std::to_string(error)), std::string::npos);
        EXPECT_EQ(installation.count("RegSetValueExA(Device, ZR-103,winspool,LPT1:)"), 1);
    }
}

TEST(InstallEngineTest, PrinterNotAddedIsNeitherDefaultNorClosed) {
    Installation installation;
    installation.services.errors = {{"AddPrinterA", 1801}};
    const InstallOutcome outcome = installation.run();
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.failure.find("printer ZR-103 could not be added on the port \"<LPT1:>\"."), std::string::npos)
        << outcome.failure;
    EXPECT_NE(outcome.failure.find("system error 1801"), std::string::npos);
    EXPECT_EQ(installation.between("progress 80", "progress 90"),
              std::vector<std::string>{"read defaultPrinterChecked"});
    EXPECT_EQ(installation.count("ClosePrinter"), 0);
    EXPECT_EQ(installation.pages.progress.back(), 100);
}

TEST(InstallEngineTest, ExistingPrinterOnTheChosenPortWithThisDriverIsLeftAsItIs) {
    Installation installation;
    installation.services.errors = {{"AddPrinterDriverA", 1795}, {"AddPrinterA", 1802}};
    installation.services.existingPrinter = earlierPrinter();
    const InstallOutcome outcome = installation.run();
    EXPECT_TRUE(outcome.succeeded) << outcome.failure;
    EXPECT_EQ(installation.between("AddPrinterA(ZR-103, LPT1:)", "progress 80"),
              (std::vector<std::string>{"OpenPrinterW(ZR-103)", "GetPrinterW", "ClosePrinter"}));
    EXPECT_EQ(installation.count("RegSetValueExA(Device, ZR-103,winspool,LPT1:)"), 1);
    EXPECT_EQ(installation.count("ClosePrinter"), 1);  // AddPrinterA gave no handle to close
}

// Installed once on LPT1:, then again for another port, or over a printer
// that an older driver served: it ends up on the chosen port with this run's
// driver, keeping everything the shop set.
TEST(InstallEngineTest, ExistingPrinterMovesToTheChosenPortWithThisDriverKeepingTheRest) {
    PrinterInfo2W olderDriver = earlierPrinter();
    olderDriver.driverName = WideText{L"Generic / Text Only"};
    const std::vector<std::pair<std::string, PrinterInfo2W>> cases = {{"COM2:", earlierPrinter()},
                                                                      {"LPT1:", olderDriver}};
    for (const auto& [port, existing] : cases) {
        Installation installation;
        installation.services.errors = {{"AddPrinterA", 1802}};
        installation.services.existingPrinter = existing;
        installation.pages.port = port;
        const InstallOutcome outcome = installation.run();
        EXPECT_TRUE(outcome.succeeded) << outcome.failure;
        EXPECT_EQ(installation.between("AddPrinterA(ZR-103, " + port + ")", "progress 80"),
                  (std::vector<std::string>{"OpenPrinterW(ZR-103)", "GetPrinterW",
                                            "SetPrinterW(ZR-103, " + port + ", ZR-103)", "ClosePrinter"}));
        PrinterInfo2W expected = existing;
        expected.portName = WideText{std::wstring(port.begin(), port.end())};
        expected.driverName = WideText{L"ZR-103"};
        ASSERT_EQ(installation.services.printerChanges.size(), 1u);
        EXPECT_EQ(describe(installation.services.printerChanges[0]), describe(expected));
        EXPECT_EQ(installation.count("RegSetValueExA(Device, ZR-103,winspool," + port + ")"), 1);
    }
}

TEST(InstallEngineTest, ExistingPrinterThatCannotBeChangedIsTheFailure) {
    for (const std::string step : {"OpenPrinterW", "GetPrinterW", "SetPrinterW"}) {
        Installation installation;
        installation.services.errors = {{"AddPrinterA", 1802}, {step, 5}};
        installation.services.existingPrinter = earlierPrinter();
        installation.pages.port = "COM2:";
        const InstallOutcome outcome = installation.run();
        EXPECT_FALSE(outcome.succeeded) << step;
        EXPECT_NE(outcome.failure.find("printer ZR-103 is already installed and could not be moved to the port "
                                       "\"<COM2:>\". Run the setup again as an administrator."),
                  std::string::npos)
            << outcome.failure;
        EXPECT_NE(outcome.failure.find("system error 5"), std::string::npos) << step;
        EXPECT_EQ(installation.count("RegOpenKeyExA(HKCU"), 0) << step;
        // A printer that was opened is closed again.
        EXPECT_EQ(installation.count("ClosePrinter"), step == "OpenPrinterW" ? 0 : 1) << step;
    }
}

TEST(InstallEngineTest, UnsettableValueIsToldMidRunButDoesNotFailTheInstall) {
    Installation installation;
    installation.services.errors = {{"RegSetValueExA", 5}};
    installation.pages.portBoxIndex = 4;
    const InstallOutcome outcome = installation.run();
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(installation.pages.messages, (std::vector<std::string>{RegistryError, RegistryError}));
    EXPECT_EQ(installation.between("RegSetValueExA(Device, ZR-103,winspool,LPT1:)", "progress 90"),
              (std::vector<std::string>{"message", "RegCloseKey"}));
    EXPECT_EQ(installation.between("RegSetValueExA(COM2:, 19200,N,8,1,p)", "progress 95"),
              (std::vector<std::string>{"message", "RegCloseKey"}));
}

TEST(InstallEngineTest, MissingKeyIsPassedOverInSilence) {
    Installation installation;
    installation.services.errors = {{"RegOpenKeyExA", 2}};
    installation.pages.portBoxIndex = 3;
    EXPECT_TRUE(installation.run().succeeded);
    EXPECT_EQ(installation.count("RegOpenKeyExA"), 2);
    EXPECT_EQ(installation.count("RegSetValueExA") + installation.count("RegCloseKey"), 0);
    EXPECT_TRUE(installation.pages.messages.empty());
}

TEST(InstallEngineTest, LongDriverDirectoryIsUsedWhole) {
    Installation installation;
    const std::string d = "C:\\" + std::string(297, 'd');
    installation.services.driverDirectories["Windows NT x86"] = d;
    EXPECT_TRUE(installation.run().succeeded);
    ASSERT_EQ(installation.services.drivers.size(), 1u);
    EXPECT_EQ(installation.count("CopyFileA(x86\\TAVPLUG.dll, " + d + "\\TAVPLUG.dll)"), 1);
    EXPECT_EQ(installation.services.drivers[0].dataFile, d + "\\ZR103.GPD");
    EXPECT_EQ(installation.services.drivers[0].helpFile, d + "\\uniDRV.HLP");
}

TEST(InstallEngineTest, Arm64WindowsGetsNoPackageAndNothingChanges) {
    EXPECT_EQ(packageArchitecture(true, 0x8664), DriverArchitecture::X64);
    EXPECT_EQ(packageArchitecture(true, std::nullopt), DriverArchitecture::X64);  // no IsWow64Process2
    EXPECT_EQ(packageArchitecture(std::nullopt, std::nullopt), DriverArchitecture::X86);
    // 32-bit Windows: not under WOW64, whether or not it names its machine.
    EXPECT_EQ(packageArchitecture(false, std::nullopt), DriverArchitecture::X86);
    EXPECT_EQ(packageArchitecture(false, 0x14c), DriverArchitecture::X86);
    // A 32-bit program runs under WOW64 on ARM64 Windows too.
    EXPECT_EQ(packageArchitecture(true, 0xAA64), std::nullopt);

    Installation installation;
    const InstallOutcome outcome = installation.run(packageArchitecture(true, 0xAA64));
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_NE(outcome.failure.find("x86 and x64 Windows only"), std::string::npos) << outcome.failure;
    EXPECT_NE(outcome.failure.find("Nothing was installed."), std::string::npos) << outcome.failure;
    EXPECT_EQ(installation.services.calls, std::vector<std::string>{"read portName"});
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
