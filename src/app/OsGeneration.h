#pragma once

#include "platform/SpoolerServices.h"

#include <cstdint>

// The detected Windows generation, 0 until detection recognises the system:
// 1 Windows 95, 2 Windows 98/Me, 3 NT 4.0 and older, 4 Windows 2000 (and any
// unknown platform), 5 XP, 6 Server 2003, 7 Vista, 8 Windows 7, 9 Windows 8
// and everything later that reports itself as 6.2.
extern std::int32_t OsGeneration;

// The generation for a reported version; `previous` when the version is not
// one the wizard knows.
std::int32_t classifyOsVersion(const OsVersion& version, std::int32_t previous);

// Asks the system for its version (the extended record first, then the plain
// one) and updates OsGeneration; leaves it unchanged when neither answers.
void DetectOsGeneration(SpoolerServices& services);
