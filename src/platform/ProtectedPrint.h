#pragma once

#include <optional>

// Whether Windows protected print mode is on, asked through the Windows
// Runtime; nullopt where it cannot be asked.
std::optional<bool> protectedPrintMode();
