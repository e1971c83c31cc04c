#pragma once

#define IDD_BARE_DIALOG 100
#define BARE_DIALOG_CAPTION "Bare Dialog"
