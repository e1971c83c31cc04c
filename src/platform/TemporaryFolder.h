#pragma once

// Whether the current directory is the account's temporary folder or lies
// inside it: where a setup opened from inside a compressed folder runs.
bool currentDirectoryIsTemporary();
