#pragma once

#include "platform/SpoolerServices.h"

#include <string>
#include <vector>

// What the user is told when a run fails: what failed and what to do, in
// UTF-8. Names from the system come in already converted; the system's own
// text for an error goes last, as it brings its own punctuation.
namespace InstallMessages {

// Shown mid-run, in the product's own language, when a value cannot be set.
extern const char* const RegistryError;

std::string unsupportedProcessor();
// The model box named no model of the catalogue.
std::string noModelChosen();
std::string protectedPrintModeOn();
// The spooler listed no ports or port monitors, and `error` says why.
std::string portsNotListed(ErrorCode error, const std::string& systemText);
// The port monitor's own dialogs, which New Port and Configure Port open.
enum class PortDialog { NewPort, Configure };
// Whether the dialog failed otherwise than by the user's own cancel, which
// needs no word.
bool portDialogRefused(ErrorCode error);
// `name`: the port type for a new port, the port for configuring.
std::string portDialogNotShown(PortDialog dialog, const std::string& name, ErrorCode error,
                               const std::string& systemText);
std::string driverFolderNotFound(const std::string& environment, const std::string& systemText);
// Where the setup was started from, as far as it changes what helps.
enum class StartFolder { Local, NetworkDrive, Temporary };
std::string incompletePackage(const std::vector<std::string>& missing, const std::string& startFolder,
                              StartFolder kind);
std::string fileNotCopied(const std::string& source, const std::string& destination, const std::string& systemText);
// `protectedPrintUnknown`: Windows could not say whether protected print mode is on.
std::string driverNotRegistered(const std::string& driverName, ErrorCode error, const std::string& systemText,
                                bool protectedPrintUnknown);
std::string printerNotAdded(const std::string& printerName, const std::string& portName, const std::string& systemText);
std::string printerNotMoved(const std::string& printerName, const std::string& portName, const std::string& systemText);
std::string notMadeDefault(const std::string& printerName, const std::string& portName, const std::string& setupAccount,
                           const std::string& signedIn);

}  // namespace InstallMessages
