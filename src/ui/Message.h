#pragma once

#include <string>

// The executable's file name without folder and extension: the caption of
// every message box.
std::wstring applicationTitle();

// A modal message box with OK and the exclamation icon, owned by the active
// window.
void showMessageBox(const std::wstring& text);
