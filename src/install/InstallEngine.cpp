#include "install/InstallEngine.h"

#include "catalogue/ModelCatalogue.h"

#include <utility>
#include <vector>

std::string SelectedPortName;

namespace {

// UTF-8; the Win32 layer turns it into the message box text.
const char* const RegistryErrorMessage = u8"错误：无法设置有关的注册表信息";
const char* const DefaultPrinterKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
const char* const SerialPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

// Re-installing over an earlier run meets these; what the run needs is in place.
constexpr ErrorCode ErrorPrinterDriverAlreadyInstalled = 1795;
constexpr ErrorCode ErrorPrinterAlreadyExists = 1802;
// Drivers on Windows' own list of bad printer drivers: known to be
// unreliable, or to harm the system.
constexpr ErrorCode ErrorPrinterDriverWarned = 3013;
constexpr ErrorCode ErrorPrinterDriverBlocked = 3014;

constexpr int NoProgress = 0;
constexpr std::uint32_t FinishingPauseMilliseconds = 500;

struct PackageFile {
    std::string name;
    int progressAfterCopy;
};

std::string resourceDllFileName(int modelIndex) {
    return std::string(ModelCatalogue::resourceDllBaseName(modelIndex)) + ".DLL";
}

std::string gpdFileName(int modelIndex) {
    return std::string(ModelCatalogue::gpdBaseName(modelIndex)) + ".GPD";
}

// The plug-in pair is copied for every model, but only these two name it.
bool usesPlugin(int modelIndex) {
    return modelIndex == 4 || modelIndex == 5;
}

// In copy order.
std::vector<PackageFile> packageFiles(int modelIndex) {
    return {
        {resourceDllFileName(modelIndex), 10},
        {gpdFileName(modelIndex), 20},
        {"uniDRVui.DLL", 30},
        {"uniDRV.DLL", NoProgress},
        {"UNIDRV.HLP", 40},
        {"UNIRES.DLL", NoProgress},
        {"TTFSUB.GPD", 50},
        {"STDNAMES.GPD", NoProgress},
        {"TAVPLUG.ini", NoProgress},
        {"TAVPLUG.dll", 60},
    };
}

DriverInfo3 driverRecord(const ArchitectureTraits& traits, const std::string& directory, int modelIndex) {
    DriverInfo3 driver;
    driver.version = 2;
    driver.name = ModelCatalogue::driverName(modelIndex);
    driver.environment = traits.environment;
    driver.driverPath = directory + "\\uniDRV.DLL";
    driver.dataFile = directory + "\\" + gpdFileName(modelIndex);
    driver.configFile = directory + "\\uniDRVui.DLL";
    driver.helpFile = directory + "\\uniDRV.HLP";
    driver.dependentFiles = {"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD"};
    if (usesPlugin(modelIndex)) {
        driver.dependentFiles.push_back("\\TAVPLUG.ini");
        driver.dependentFiles.push_back("\\TAVPLUG.dll");
    }
    driver.dependentFiles.push_back(resourceDllFileName(modelIndex));
    driver.monitorName = "";
    driver.defaultDataType = "RAW";
    return driver;
}

bool isFile(SpoolerServices& services, const std::string& path) {
    const std::optional<std::uint32_t> attributes = services.fileAttributes(path);
    return attributes && (*attributes & FileAttribute::Directory) == 0;
}

std::vector<std::string> missingSources(SpoolerServices& services, const ArchitectureTraits& traits,
                                        const std::vector<PackageFile>& files) {
    std::vector<std::string> missing;
    for (const PackageFile& file : files) {
        const std::string source = traits.sourceFolder + file.name;
        if (!isFile(services, source)) missing.push_back(source);
    }
    return missing;
}

// CopyFile refuses to replace a read-only or hidden file, and gives the new
// file the source's attributes: a package on a CD would leave read-only files
// in the shared driver folder that stop every later install, this model's or
// another's. Clearing is a best effort: where it fails before a copy, the
// copy tells what is wrong; a file left read-only after a copy is cleared
// again before the next install copies over it.
void clearAttributes(SpoolerServices& services, const std::string& path, std::uint32_t unwanted) {
    const std::optional<std::uint32_t> attributes = services.fileAttributes(path);
    if (attributes && (*attributes & unwanted) != 0) services.setFileAttributes(path, *attributes & ~unwanted);
}

ErrorCode stageFile(SpoolerServices& services, const std::string& source, const std::string& destination) {
    clearAttributes(services, destination, FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System);
    const ErrorCode error = services.copyFile(source, destination);
    if (error == NoError) clearAttributes(services, destination, FileAttribute::ReadOnly);
    return error;
}

PrinterInfo2 printerRecord(const std::string& driverName) {
    PrinterInfo2 printer;
    printer.printerName = driverName;
    printer.portName = SelectedPortName;
    printer.driverName = driverName;
    printer.printProcessor = "WinPrint";
    printer.dataType = "RAW";
    return printer;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

// What the user is told: what failed and what to do. The system's own text
// goes last, as it brings its own punctuation.
std::string directoryFailure(const ArchitectureTraits& traits, const std::string& systemText) {
    return std::string("The printer driver folder for ") + traits.environment +
           " could not be found, so nothing was installed. Make sure the Print Spooler service is running and run "
           "the setup again. Windows reported: " +
           systemText;
}

std::string incompletePackage(const std::vector<std::string>& missing, const std::string& startFolder) {
    return "The driver package is incomplete: " + joined(missing) + " not found in " + startFolder +
           ", the folder the setup was started from. Nothing was installed. Put the complete x86 and x64 folders "
           "beside the setup program, start it from there and run it again.";
}

std::string unsupportedProcessor() {
    return "This setup holds printer drivers for x86 and x64 Windows only, and this PC runs Windows on ARM64. "
           "Nothing was installed.";
}

std::string copyFailure(const std::string& source, const std::string& destination, const std::string& systemText) {
    return "The driver file " + source + " could not be copied to " + destination +
           ", so the driver was not installed. Make sure nothing is printing and run the setup again as an "
           "administrator. Windows reported: " +
           systemText;
}

// Rights cannot help a driver that Windows knows to be faulty; a newer one can.
std::string driverFailure(const std::string& driverName, ErrorCode error, const std::string& systemText) {
    const bool knownBad = error == ErrorPrinterDriverWarned || error == ErrorPrinterDriverBlocked;
    return "The printer driver " + driverName + " could not be registered. " +
           (knownBad ? "Windows refuses it as a printer driver it knows to be faulty; install a newer driver package "
                       "from the printer's supplier."
                     : "Run the setup again as an administrator.") +
           " Windows reported: " + systemText;
}

std::string printerFailure(const std::string& printerName, const std::string& portName, const std::string& systemText) {
    const std::string where = portName.empty() ? "without a port" : "on the port \"" + portName + "\"";
    return "The printer " + printerName + " could not be added " + where +
           ". Check that the port exists, then run the setup again as an administrator. Windows reported: " +
           systemText;
}

std::string printerNotMoved(const std::string& printerName, const std::string& portName,
                            const std::string& systemText) {
    return "The printer " + printerName + " is already installed and could not be moved to the port \"" + portName +
           "\". Run the setup again as an administrator. Windows reported: " + systemText;
}

// Windows refuses to add a printer whose name is taken. A second install
// must still leave it on the chosen port with this run's driver; its name,
// sharing, comments and settings stay exactly as they were, since other
// programs and the share's clients find the printer by them.
ErrorCode updateExistingPrinter(SpoolerServices& services, const PrinterInfo2& wanted) {
    const std::u16string port = services.ansiToUtf16(wanted.portName);
    const std::u16string driver = services.ansiToUtf16(wanted.driverName);
    const Result<PrinterHandle> opened = services.openPrinter(services.ansiToUtf16(wanted.printerName));
    if (!opened.ok()) return opened.error;
    Result<PrinterInfo2W> current = services.getPrinter(opened.value);
    ErrorCode error = current.error;
    if (current.ok() && (current.value.portName != port || current.value.driverName != driver)) {
        current.value.portName = port;
        current.value.driverName = driver;
        error = services.setPrinter(opened.value, current.value);
    }
    services.closePrinter(opened.value);
    return error;
}

std::string notMadeDefault(const std::string& printerName, const std::string& portName, const std::string& setupAccount,
                           const std::string& signedIn) {
    return "The printer " + printerName + " is installed on the port \"" + portName +
           "\", but it was not made the default printer: the setup ran as " + setupAccount + ", and " + signedIn +
           " is signed in. To make it the default printer, " + signedIn +
           " opens Devices and Printers in Control Panel, right-clicks " + printerName +
           " and chooses Set as default printer.";
}

// "Device" is the default printer of the account the setup runs as. Elevated
// with another account's name and password, that is not the one signed in
// at the screen, whose default would stay as it was: then the user is told
// instead. Where the signed-in account cannot be told, the setup's own
// account is taken to be it.
std::string defaultPrinterRefusal(SpoolerServices& services, const std::string& printerName,
                                  const std::string& portName) {
    const std::optional<std::string> signedIn = services.sessionAccount();
    if (!signedIn) return {};
    const std::optional<std::string> setupAccount = services.processAccount();
    if (!setupAccount || *setupAccount == *signedIn) return {};
    return notMadeDefault(printerName, services.ansiToUtf8(portName), services.accountName(*setupAccount),
                          services.accountName(*signedIn));
}

// Later failures of a run are usually consequences of the first, so only
// the first is told.
class FirstFailure {
public:
    void note(std::string failure) {
        if (text.empty()) text = std::move(failure);
    }
    InstallOutcome outcome() const { return {text.empty(), text}; }

private:
    std::string text;
};

// A key that is not there is passed over: the key is opened, never created.
void writeRegistryValue(SpoolerServices& services, InstallFeedback& feedback, RegistryRoot root,
                        const std::string& subKey, const std::string& name, const std::string& text) {
    const Result<RegistryKey> key = services.regOpenKeyForSetValue(root, subKey);
    if (!key.ok()) return;
    if (services.regSetStringValue(key.value, name, text) != NoError) feedback.showMessage(RegistryErrorMessage);
    services.regCloseKey(key.value);
}

}  // namespace

InstallEngine::InstallEngine(SpoolerServices& services, InstallInputs& inputs, InstallFeedback& feedback)
    : services(services), inputs(inputs), feedback(feedback) {}

InstallOutcome InstallEngine::run(std::optional<DriverArchitecture> architecture) {
    SelectedPortName = inputs.portName();
    if (!architecture) return {false, unsupportedProcessor()};
    const ArchitectureTraits& traits = traitsOf(*architecture);
    const Result<std::string> directoryQuery = services.printerDriverDirectory(traits.environment);
    const int portIndex = inputs.portIndex();
    const int modelIndex = inputs.modelIndex();

    // The early stops come before anything on the system has changed.
    if (!directoryQuery.ok()) return {false, directoryFailure(traits, services.errorText(directoryQuery.error))};
    const std::string& directory = directoryQuery.value;
    const std::vector<PackageFile> files = packageFiles(modelIndex);
    const std::vector<std::string> missing = missingSources(services, traits, files);
    if (!missing.empty()) return {false, incompletePackage(missing, services.ansiToUtf8(services.currentDirectory()))};

    // A driver registered over an older file left in the folder would be a
    // mix of two versions: the first file not copied ends the run.
    for (const PackageFile& file : files) {
        const std::string source = traits.sourceFolder + file.name;
        const std::string destination = directory + "\\" + file.name;
        const ErrorCode error = stageFile(services, source, destination);
        if (error != NoError)
            return {false, copyFailure(services.ansiToUtf8(source), services.ansiToUtf8(destination),
                                       services.errorText(error))};
        if (file.progressAfterCopy != NoProgress) feedback.setProgress(file.progressAfterCopy);
    }

    FirstFailure failure;
    const DriverInfo3 driver = driverRecord(traits, directory, modelIndex);
    const ErrorCode driverError = services.addPrinterDriver(driver);
    if (driverError != NoError && driverError != ErrorPrinterDriverAlreadyInstalled)
        failure.note(driverFailure(driver.name, driverError, services.errorText(driverError)));
    feedback.setProgress(70);

    const PrinterInfo2 printer = printerRecord(driver.name);
    const Result<PrinterHandle> added = services.addPrinter(printer);
    bool printerExists = added.ok();
    if (added.error == ErrorPrinterAlreadyExists) {
        const ErrorCode error = updateExistingPrinter(services, printer);
        printerExists = error == NoError;
        if (!printerExists)
            failure.note(
                printerNotMoved(driver.name, services.ansiToUtf8(SelectedPortName), services.errorText(error)));
    } else if (!printerExists) {
        failure.note(
            printerFailure(driver.name, services.ansiToUtf8(SelectedPortName), services.errorText(added.error)));
    }
    feedback.setProgress(80);

    // A failed install must not point the default printer at a missing printer.
    if (inputs.defaultPrinterChecked() && printerExists) {
        const std::string refusal = defaultPrinterRefusal(services, driver.name, SelectedPortName);
        if (!refusal.empty())
            failure.note(refusal);
        else
            writeRegistryValue(services, feedback, RegistryRoot::CurrentUser, DefaultPrinterKey, "Device",
                               driver.name + ",winspool," + SelectedPortName);
    }
    feedback.setProgress(90);

    if (portIndex >= FirstComPortIndex) {
        writeRegistryValue(services, feedback, RegistryRoot::LocalMachine, SerialPortsKey, portValueName(portIndex),
                           serialSettingsText(inputs.serialSettings()));
    }
    feedback.setProgress(95);

    if (added.value != nullptr) services.closePrinter(added.value);
    services.sleep(FinishingPauseMilliseconds);
    feedback.setProgress(100);
    return failure.outcome();
}
