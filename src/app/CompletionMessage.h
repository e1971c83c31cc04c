#pragma once

#include "install/InstallEngine.h"

#include <cstdint>
#include <optional>
#include <string>

// The message the wizard shows after the port page closed with an install:
// "Completed!" on the NT family when everything is in place, what failed
// when something is not, nothing otherwise.
std::optional<std::string> completionMessage(std::int32_t osGeneration, const InstallOutcome& outcome);
