#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The user of a process's token as a SID in text form; nullopt when the
// token cannot be read.
std::optional<std::string> accountOfProcess(HANDLE process);

// "DOMAIN\user" in UTF-8 for a SID in text form; the SID itself when it
// names no account that can be found.
std::string accountName(const std::string& sid);
