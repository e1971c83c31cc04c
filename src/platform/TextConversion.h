#pragma once

#include "platform/WideText.h"

#include <string>
#include <string_view>

// The windows speak UTF-16; the spooler, registry and file calls speak the
// system's ANSI code page; the core's own messages are written in UTF-8.
// These are the only conversions between them.
WideText fromAnsi(const std::string& text);
WideText fromUtf8(const std::string& text);
std::string toUtf8(std::wstring_view text);
