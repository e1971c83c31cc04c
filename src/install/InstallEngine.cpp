#include "install/InstallEngine.h"

#include "catalogue/ModelCatalogue.h"
#include "install/InstallMessages.h"
#include "platform/ComposedText.h"
#include "platform/DevModeBounds.h"

#include <utility>
#include <vector>

using namespace InstallMessages;

namespace {

const char* const DefaultPrinterKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
const char* const SerialPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

// Re-installing over an earlier run meets these; what the run needs is in place.
constexpr ErrorCode ErrorPrinterDriverAlreadyInstalled = 1795;
constexpr ErrorCode ErrorPrinterAlreadyExists = 1802;

constexpr int NoProgress = 0;
constexpr std::uint32_t FinishingPauseMilliseconds = 500;

// A file of the package and where it is staged.
struct PackageFile {
    std::string source;
    std::string destination;
    int progressAfterCopy;
};

using ModelCatalogue::gpdFileName;
using ModelCatalogue::resourceDllFileName;

// Every model's, in copy order after the model's own two.
constexpr struct {
    const char* name;
    int progressAfterCopy;
} SharedPackageFiles[] = {
    {"uniDRVui.DLL", 30}, {"uniDRV.DLL", NoProgress},   {"UNIDRV.HLP", 40},          {"UNIRES.DLL", NoProgress},
    {"TTFSUB.GPD", 50},   {"STDNAMES.GPD", NoProgress}, {"TAVPLUG.ini", NoProgress}, {"TAVPLUG.dll", 60},
};

// In copy order.
std::vector<PackageFile> packageFiles(const ArchitectureTraits& traits, const std::string& directory, int modelIndex) {
    std::vector<PackageFile> files;
    const auto add = [&](const std::string& name, int progressAfterCopy) {
        files.push_back({composed({traits.sourceFolder, name}), composed({directory, "\\", name}), progressAfterCopy});
    };
    add(resourceDllFileName(modelIndex), 10);
    add(gpdFileName(modelIndex), 20);
    for (const auto& file : SharedPackageFiles) add(file.name, file.progressAfterCopy);
    return files;
}

DriverInfo3 driverRecord(const ArchitectureTraits& traits, const std::string& directory, int modelIndex) {
    DriverInfo3 driver;
    driver.version = 2;
    driver.name = ModelCatalogue::driverName(modelIndex);
    driver.environment = traits.environment;
    driver.driverPath = directory + "\\uniDRV.DLL";
    driver.dataFile = composed({directory, "\\", gpdFileName(modelIndex)});
    driver.configFile = directory + "\\uniDRVui.DLL";
    driver.helpFile = directory + "\\uniDRV.HLP";
    for (const char* file : {"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD"})
        driver.dependentFiles.emplace_back(file);
    // Copied for every model, the plug-in pair is named only by the models that carry it.
    if (ModelCatalogue::carriesPluginPair(modelIndex))
        for (const char* file : {"\\TAVPLUG.ini", "\\TAVPLUG.dll"}) driver.dependentFiles.emplace_back(file);
    driver.dependentFiles.push_back(resourceDllFileName(modelIndex));
    driver.monitorName = "";
    driver.defaultDataType = "RAW";
    return driver;
}

bool isFile(SpoolerServices& services, const std::string& path) {
    const std::optional<std::uint32_t> attributes = services.fileAttributes(path);
    return attributes && (*attributes & FileAttribute::Directory) == 0;
}

StartFolder startFolderKind(SpoolerServices& services) {
    if (services.currentDirectoryIsTemporary()) return StartFolder::Temporary;
    const std::uint32_t drive = services.currentDriveType();
    return drive == DriveType::Remote || drive == DriveType::NoRootDir ? StartFolder::NetworkDrive : StartFolder::Local;
}

std::vector<std::string> missingSources(SpoolerServices& services, const std::vector<PackageFile>& files) {
    std::vector<std::string> missing;
    for (const PackageFile& file : files)
        if (!isFile(services, file.source)) missing.push_back(file.source);
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

PrinterInfo2 printerRecord(const std::string& driverName, const std::string& portName) {
    PrinterInfo2 printer;
    printer.printerName = driverName;
    printer.portName = portName;
    printer.driverName = driverName;
    printer.printProcessor = "WinPrint";
    printer.dataType = "RAW";
    return printer;
}

// After dmSize and dmDriverExtra comes the DWORD dmFields, which the spooler
// needs to tell which settings the record holds.
constexpr std::size_t ShortestDevMode = 76;

// The settings every driver reads (paper, orientation, copies) without the
// private bytes after them, which only the driver that wrote them knows;
// none when the record is not a whole DEVMODE.
std::vector<std::uint8_t> publicPart(std::vector<std::uint8_t> devMode) {
    if (devMode.size() < ShortestDevMode) return {};
    const std::size_t size = littleEndianWord(&devMode[DevModeField::Size]);
    if (size < ShortestDevMode || size > devMode.size()) return {};
    devMode.resize(size);
    devMode[DevModeField::DriverExtra] = devMode[DevModeField::DriverExtra + 1] = 0;
    return devMode;
}

// Windows refuses to add a printer whose name is taken. A second install
// must still leave it on the chosen port with this run's driver; its name,
// sharing, comments and settings stay as they were, since other programs
// and the share's clients find the printer by them. Settings kept for
// another driver keep their public part only.
ErrorCode updateExistingPrinter(SpoolerServices& services, const PrinterInfo2& wanted) {
    WideText port = services.ansiToWide(wanted.portName);
    WideText driver = services.ansiToWide(wanted.driverName);
    const Result<PrinterHandle> opened = services.openPrinter(services.ansiToWide(wanted.printerName));
    if (!opened.ok()) return opened.error;
    Result<PrinterInfo2W> current = services.getPrinter(opened.value);
    ErrorCode error = current.error;
    if (current.ok() && (current.value.portName != port || current.value.driverName != driver)) {
        if (current.value.driverName != driver) current.value.devMode = publicPart(std::move(current.value.devMode));
        current.value.portName = std::move(port);
        current.value.driverName = std::move(driver);
        error = services.setPrinter(opened.value, current.value);
    }
    services.closePrinter(opened.value);
    return error;
}

// "Device" is the default printer of the account the setup runs as. Elevated
// with another account's name and password, that is not the one signed in
// at the screen, whose default would stay as it was: then the user is told
// instead. Names are compared first: an account of a directory this PC
// cannot reach, or of a domain whose controller does not answer, has a name
// but no SID to be found. Where the signed-in account cannot be told, the
// setup's own account is taken to be it.
std::string defaultPrinterRefusal(SpoolerServices& services, const std::string& printerName,
                                  const std::string& portName) {
    const SessionUser session = services.sessionUser();
    // A bare user name may resolve to an account of another domain.
    if (session.domain.empty() || session.user.empty()) return {};
    const std::optional<std::string> setupAccount = services.processAccount();
    if (!setupAccount) return {};
    const std::string signedIn = composed({session.domain, "\\", session.user});
    const std::string setupName = services.accountName(*setupAccount);
    if (services.sameAccountName(setupName, signedIn)) return {};
    const std::optional<std::string> signedInSid = services.accountSid(signedIn);
    // Neither SID to compare nor a name of the setup's own to compare with.
    if (signedInSid ? *signedInSid == *setupAccount : setupName == *setupAccount) return {};
    return InstallMessages::notMadeDefault(printerName, services.ansiToUtf8(portName), setupName, signedIn);
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
    if (services.regSetStringValue(key.value, name, text) != NoError) feedback.showMessage(RegistryError);
    services.regCloseKey(key.value);
}

}  // namespace

InstallEngine::InstallEngine(SpoolerServices& services, InstallInputs& inputs, InstallFeedback& feedback)
    : services(services), inputs(inputs), feedback(feedback) {}

InstallOutcome InstallEngine::run(std::optional<DriverArchitecture> architecture) {
    const std::string portName = inputs.portName();
    if (!architecture) return {false, unsupportedProcessor()};
    // The mode would refuse the driver after its files were staged: asked
    // first, it leaves nothing behind. Where Windows cannot tell, the run
    // goes on, and a refused driver names the mode as a possible cause.
    const std::optional<bool> protectedPrint = services.protectedPrintEnabled();
    if (protectedPrint == true) return {false, protectedPrintModeOn()};
    const ArchitectureTraits& traits = traitsOf(*architecture);
    const Result<std::string> directoryQuery = services.printerDriverDirectory(traits.environment);
    const int portIndex = inputs.portIndex();
    const int modelIndex = inputs.modelIndex();

    // The early stops come before anything on the system has changed.
    if (modelIndex < 0 || modelIndex >= ModelCatalogue::ModelCount) return {false, noModelChosen()};
    if (!directoryQuery.ok())
        return {false, driverFolderNotFound(traits.environment, services.errorText(directoryQuery.error))};
    const std::string& directory = directoryQuery.value;
    const std::vector<PackageFile> files = packageFiles(traits, directory, modelIndex);
    const std::vector<std::string> missing = missingSources(services, files);
    if (!missing.empty())
        return {false, incompletePackage(missing, services.ansiToUtf8(services.currentDirectory()),
                                         startFolderKind(services))};

    // A driver registered over an older file left in the folder would be a
    // mix of two versions: the first file not copied ends the run.
    for (const PackageFile& file : files) {
        const ErrorCode error = stageFile(services, file.source, file.destination);
        if (error != NoError)
            return {false, fileNotCopied(services.ansiToUtf8(file.source), services.ansiToUtf8(file.destination),
                                         services.errorText(error))};
        if (file.progressAfterCopy != NoProgress) feedback.setProgress(file.progressAfterCopy);
    }

    FirstFailure failure;
    const DriverInfo3 driver = driverRecord(traits, directory, modelIndex);
    const ErrorCode driverError = services.addPrinterDriver(driver);
    if (driverError != NoError && driverError != ErrorPrinterDriverAlreadyInstalled)
        failure.note(driverNotRegistered(driver.name, driverError, services.errorText(driverError), !protectedPrint));
    feedback.setProgress(70);

    const PrinterInfo2 printer = printerRecord(driver.name, portName);
    const Result<PrinterHandle> added = services.addPrinter(printer);
    bool printerExists = added.ok();
    if (added.error == ErrorPrinterAlreadyExists) {
        const ErrorCode error = updateExistingPrinter(services, printer);
        printerExists = error == NoError;
        if (!printerExists)
            failure.note(printerNotMoved(driver.name, services.ansiToUtf8(portName), services.errorText(error)));
    } else if (!printerExists) {
        failure.note(printerNotAdded(driver.name, services.ansiToUtf8(portName), services.errorText(added.error)));
    }
    feedback.setProgress(80);

    // A failed install must not point the default printer at a missing printer.
    if (inputs.defaultPrinterChecked() && printerExists) {
        const std::string refusal = defaultPrinterRefusal(services, driver.name, portName);
        if (!refusal.empty())
            failure.note(refusal);
        else
            writeRegistryValue(services, feedback, RegistryRoot::CurrentUser, DefaultPrinterKey, "Device",
                               composed({driver.name, ",winspool,", portName}));
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
