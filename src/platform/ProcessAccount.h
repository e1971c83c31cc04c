#pragma once

#include "platform/SpoolerServices.h"

#include <windows.h>

#include <optional>

// The user of a process's token; nullopt when the token cannot be read.
std::optional<Account> accountOfProcess(HANDLE process);
