#include "app/AboutDialog.h"

#include "resources/resource.h"

AboutDialog::AboutDialog() : Dialog(IDD_ABOUT) {}
