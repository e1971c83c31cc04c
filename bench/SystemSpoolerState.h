#pragma once

#include "SpoolerState.h"

// The spooler's state now, read through the spooler itself, for both driver
// environments.
SpoolerState currentSpoolerState();

// Takes away what installs have added since `baseline`: printers first, as
// they hold their drivers, then drivers, then files. True if the spooler is
// back at `baseline`.
bool restoreSpoolerState(const SpoolerState& baseline);
