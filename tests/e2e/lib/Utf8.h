#pragma once

#include <string>

// Check lines are UTF-8 so the Chinese captions read correctly in any log.
std::string toUtf8(const std::wstring& text);
std::wstring wideFromUtf8(const std::string& text);
