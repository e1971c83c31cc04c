#pragma once

#include <optional>

// The two variants of the install run. Everything else the run does is the
// same for both.
enum class DriverArchitecture { X86, X64 };

struct ArchitectureTraits {
    const char* environment;   // the spooler's environment string
    const char* sourceFolder;  // package folder under the current directory, with its backslash
};

const ArchitectureTraits& traitsOf(DriverArchitecture architecture);

// Only WOW64 decides: a 32-bit program on 64-bit Windows installs the x64
// driver; no IsWow64Process at all means a system too old to have 64 bits.
DriverArchitecture architectureForWow64(std::optional<bool> isWow64);
