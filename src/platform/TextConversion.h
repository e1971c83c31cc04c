#pragma once

#include <string>

// The windows speak UTF-16; the spooler, registry and file calls speak the
// system's ANSI code page; the core's own messages are written in UTF-8.
// These are the only conversions between them.
std::wstring fromAnsi(const std::string& text);
std::wstring fromUtf8(const std::string& text);
std::string toUtf8(const std::wstring& text);
