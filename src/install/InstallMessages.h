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
std::string driverFolderNotFound(const std::string& environment, const std::string& systemText);
std::string incompletePackage(const std::vector<std::string>& missing, const std::string& startFolder,
                              bool networkDrive);
std::string fileNotCopied(const std::string& source, const std::string& destination, const std::string& systemText);
std::string driverNotRegistered(const std::string& driverName, ErrorCode error, const std::string& systemText);
std::string printerNotAdded(const std::string& printerName, const std::string& portName, const std::string& systemText);
std::string printerNotMoved(const std::string& printerName, const std::string& portName, const std::string& systemText);
std::string notMadeDefault(const std::string& printerName, const std::string& portName, const std::string& setupAccount,
                           const std::string& signedIn);

}  // namespace InstallMessages
