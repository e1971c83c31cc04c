#pragma once

#include "platform/WideText.h"

// The executable's file name without folder and extension: the caption of
// every message box.
WideText applicationTitle();

// A modal message box with OK and the exclamation icon, owned by the active
// window.
void showMessageBox(const WideText& text);
