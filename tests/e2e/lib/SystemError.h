#pragma once

#include <windows.h>

#include <string>

std::string systemErrorText(DWORD code);
