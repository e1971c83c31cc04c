#pragma once

#include "resources/resource.h"

#include <cstdint>

// The Select OS radio button that names a generation; 0 for none. Window ids
// only, so that the unit tests can hold the table without a window.
inline constexpr int OsRadioButtonByGeneration[] = {IDC_WIN95,   IDC_WIN98,    IDC_WINNT4, IDC_WIN2000, IDC_WINXP,
                                                    IDC_WIN2003, IDC_WINVISTA, IDC_WIN7,   IDC_WIN8};

constexpr int osRadioButtonFor(std::int32_t generation) {
    constexpr std::int32_t count = sizeof(OsRadioButtonByGeneration) / sizeof(OsRadioButtonByGeneration[0]);
    return generation < 1 || generation > count ? 0 : OsRadioButtonByGeneration[generation - 1];
}
