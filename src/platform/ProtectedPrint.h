#pragma once

#include <optional>

// Whether Windows protected print mode is on, asked through the Windows
// Runtime: false where Windows has no such mode, nullopt where the question
// failed.
std::optional<bool> protectedPrintMode();
