#pragma once

#include "install/InstallMessages.h"
#include "platform/SpoolerServices.h"

#include <string>

// Tells the user why the port monitor's dialog did not open, unless it
// opened or the user cancelled it. `name` is in the ANSI code page.
void tellPortDialogFailure(SpoolerServices& services, InstallMessages::PortDialog dialog, const std::string& name,
                           ErrorCode error);
