#pragma once

#include <optional>
#include <string>

// Accounts as SIDs in text form ("S-1-5-21-..."), which name an account
// exactly where its name may not: the same name in two domains, a renamed
// account.

// The user of this process's token; nullopt when the token cannot be read.
std::optional<std::string> processAccount();

// The account signed in to this process's session: the person at the
// screen, whose session an elevated process stays in even when it runs with
// another account's rights. nullopt when it cannot be told (no session
// services, no one signed in, a name that cannot be looked up).
std::optional<std::string> sessionAccount();

// "DOMAIN\user" in UTF-8 for a SID in text form; the SID itself when it
// names no account that can be found.
std::string accountName(const std::string& sid);
