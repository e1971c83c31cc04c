#pragma once

#define IDD_BARE_INSTALL 100
#define IDC_BARE_INSTALL 1000
#define IDC_BARE_PROGRESS 1001
#define BARE_INSTALL_CAPTION "Bare Install"
