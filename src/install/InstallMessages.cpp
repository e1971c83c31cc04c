#include "install/InstallMessages.h"

#include "platform/ComposedText.h"

namespace InstallMessages {
namespace {

// A kernel-mode printer driver where a policy blocks them, and drivers on
// Windows' own list of bad printer drivers (known to be unreliable, or to
// harm the system).
constexpr ErrorCode ErrorKernelModeDriverBlocked = 1930;
constexpr ErrorCode ErrorPrinterDriverWarned = 3013;
constexpr ErrorCode ErrorPrinterDriverBlocked = 3014;
// What a stopped or disabled Print Spooler answers.
constexpr ErrorCode ErrorServerUnavailable = 1722;
// A port monitor's answers: no right to change ports, no such dialog, and
// the user's own cancel.
constexpr ErrorCode ErrorAccessDenied = 5;
constexpr ErrorCode ErrorNotSupported = 50;
constexpr ErrorCode ErrorCancelled = 1223;

const char* const TurnOffProtectedPrint =
    "open Settings, Bluetooth & devices, Printers & scanners, and under Printer preferences turn off Windows "
    "protected print mode; on a PC whose organisation turned it on by policy, only its administrator can turn it "
    "off.";

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text.append(text.empty() ? "" : ", ").append(item);
    return text;
}

}  // namespace

const char* const RegistryError = u8"错误：无法设置有关的注册表信息";

std::string unsupportedProcessor() {
    return "This setup holds printer drivers for x86 and x64 Windows only, and this PC runs Windows on ARM64. "
           "Nothing was installed.";
}

std::string noModelChosen() {
    return "No printer model of this setup is chosen, so nothing was installed. Run the setup again and choose the "
           "printer's model on the Detail Setting page.";
}

// Administrators' rights do not reach past the mode; only turning it off does.
std::string protectedPrintModeOn() {
    return composed(
        {"Windows protected print mode is on: it refuses every printer driver that Windows does not ship, "
         "this one too, so nothing was installed, and running the setup as an administrator will not "
         "help. To turn it off, ",
         TurnOffProtectedPrint, " Then run the setup again."});
}

std::string portsNotListed(ErrorCode error, const std::string& systemText) {
    return composed({error == ErrorServerUnavailable
                         ? "The Print Spooler service does not answer, so no port can be listed and nothing can be "
                           "installed. It is not running or it is disabled: open Services, double-click Print "
                           "Spooler, set its Startup type to Automatic and press Start, or ask the administrator who "
                           "disabled it. Then run the setup again."
                         : "The printer ports could not be listed, so nothing can be installed. Make sure the Print "
                           "Spooler service is running, then run the setup again.",
                     " Windows reported: ", systemText});
}

bool portDialogRefused(ErrorCode error) {
    return error != NoError && error != ErrorCancelled;
}

std::string portDialogNotShown(PortDialog dialog, const std::string& name, ErrorCode error,
                               const std::string& systemText) {
    const bool newPort = dialog == PortDialog::NewPort;
    const char* whatToDo = "Make sure the Print Spooler service is running, then try again.";
    if (error == ErrorAccessDenied)
        whatToDo =
            "Creating and configuring printer ports needs an administrator: run the setup again as an "
            "administrator, or ask one to do it.";
    else if (error == ErrorNotSupported)
        whatToDo = newPort ? "This port type offers no such dialog here: choose another port type, or add the port "
                             "in Windows' printer settings, on the Ports tab of a printer's properties; the port "
                             "list shows it once this dialog is closed."
                           : "This port offers no such dialog here: configure it in Windows' printer settings, on "
                             "the Ports tab of a printer's properties.";
    return composed(
        {newPort ? "The dialog for creating a port of the type \"" : "The dialog for configuring the port \"", name,
         "\" could not be shown. ", whatToDo, " Windows reported: ", systemText});
}

std::string driverFolderNotFound(const std::string& environment, const std::string& systemText) {
    return composed({"The printer driver folder for ", environment,
                     " could not be found, so nothing was installed. Make sure the Print Spooler service is running "
                     "and run the setup again. Windows reported: ",
                     systemText});
}

// A setup run as an administrator does not see the drive letters mapped
// for the person's own logon: the package is there, out of its reach. A
// setup opened inside a compressed folder is copied alone to a temporary
// folder and started there: the package is in the archive, beside it.
std::string incompletePackage(const std::vector<std::string>& missing, const std::string& startFolder,
                              StartFolder kind) {
    const char* whatToDo =
        "Put the complete x86 and x64 folders beside the setup program, start it from there and "
        "run it again.";
    if (kind == StartFolder::NetworkDrive)
        whatToDo =
            "That folder is on a network drive or a drive letter, which a setup run as an administrator may "
            "not see: copy the setup program with its x86 and x64 folders to a folder on this PC, start it "
            "from there and run it again.";
    else if (kind == StartFolder::Temporary)
        whatToDo =
            "That folder is a temporary folder, as when the setup is opened from inside a compressed (zip) "
            "folder, which leaves the x86 and x64 folders behind in the archive: extract the whole package "
            "first (right-click the zip file and choose Extract All), then start the setup from the "
            "extracted folder.";
    return composed({"The driver package is incomplete: ", joined(missing), " not found in ", startFolder,
                     ", the folder the setup was started from. Nothing was installed. ", whatToDo});
}

std::string fileNotCopied(const std::string& source, const std::string& destination, const std::string& systemText) {
    return composed({"The driver file ", source, " could not be copied to ", destination,
                     ", so the driver was not installed. Make sure nothing is printing and run the setup again as an "
                     "administrator. Windows reported: ",
                     systemText});
}

// Rights cannot help a driver that Windows refuses by policy or knows to be
// faulty; a newer one can. A refusal without a reason of its own may be
// protected print mode's, where Windows could not say whether it is on.
std::string driverNotRegistered(const std::string& driverName, ErrorCode error, const std::string& systemText,
                                bool protectedPrintUnknown) {
    std::string whatToDo = "Run the setup again as an administrator.";
    if (protectedPrintUnknown)
        whatToDo =
            composed({"Windows could not tell whether its protected print mode is on, which refuses every "
                      "printer driver that Windows does not ship. If it is, turn it off: ",
                      TurnOffProtectedPrint, " Then run the setup again, as an administrator."});
    if (error == ErrorKernelModeDriverBlocked)
        whatToDo =
            "Windows refuses it as a kernel-mode printer driver, which a policy of this PC blocks; running the "
            "setup again cannot help, but a newer (user-mode) driver package from the printer's supplier can.";
    else if (error == ErrorPrinterDriverWarned || error == ErrorPrinterDriverBlocked)
        whatToDo =
            "Windows refuses it as a printer driver it knows to be faulty; install a newer driver package from "
            "the printer's supplier.";
    return composed(
        {"The printer driver ", driverName, " could not be registered. ", whatToDo, " Windows reported: ", systemText});
}

std::string printerNotAdded(const std::string& printerName, const std::string& portName,
                            const std::string& systemText) {
    const bool withoutPort = portName.empty();
    return composed(
        {"The printer ", printerName, " could not be added ", withoutPort ? "without a port" : "on the port \"",
         portName, withoutPort ? "" : "\"",
         ". Check that the port exists, then run the setup again as an administrator. Windows reported: ", systemText});
}

std::string printerNotMoved(const std::string& printerName, const std::string& portName,
                            const std::string& systemText) {
    return composed({"The printer ", printerName, " is already installed and could not be moved to the port \"",
                     portName, "\". Run the setup again as an administrator. Windows reported: ", systemText});
}

std::string notMadeDefault(const std::string& printerName, const std::string& portName, const std::string& setupAccount,
                           const std::string& signedIn) {
    return composed({"The printer ", printerName, " is installed on the port \"", portName,
                     "\", but it was not made the default printer: the setup ran as ", setupAccount, ", and ", signedIn,
                     " is signed in. To make it the default printer, ", signedIn,
                     " opens Devices and Printers in Control Panel, right-clicks ", printerName,
                     " and chooses Set as default printer; on Windows 10 and 11, in Settings, Printers & scanners, "
                     "switches off \"Let Windows manage my default printer\", then chooses ",
                     printerName, " and Set as default."});
}

}  // namespace InstallMessages
