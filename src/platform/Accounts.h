#pragma once

#include "platform/SpoolerServices.h"

#include <optional>
#include <string>

// Accounts as SIDs in text form ("S-1-5-21-..."), which name an account
// exactly where its name may not: the same name in two domains, a renamed
// account. Names are "DOMAIN\user" in UTF-8.

// The user of this process's token; nullopt when the token cannot be read.
std::optional<std::string> processAccount();

// "DOMAIN\user" for a SID in text form; the SID itself when it names no
// account that can be found.
std::string accountName(const std::string& sid);

// The account signed in to this process's session: the person at the
// screen, whose session an elevated process stays in even when it runs with
// another account's rights. Empty parts where it cannot be told (no session
// services, no one signed in).
SessionUser sessionUser();

// The SID of a "DOMAIN\user" name; nullopt when the name does not resolve
// (an account of a directory this PC cannot reach, a domain controller that
// does not answer).
std::optional<std::string> accountSid(const std::string& name);

// Whether two names are the same account name, compared as the system
// compares them: without regard to case.
bool sameAccountName(const std::string& a, const std::string& b);
