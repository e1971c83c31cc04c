// The wizard's first page with none of the wizard behind it: the wizard's own
// resources (the Select OS template, icon, manifest, version) and the common
// controls that the template's trackbar needs, nothing more. Against this
// program the wizard's start-up differs by the wizard's own work alone.
#include "ClosingDialog.h"
#include "resources/resource.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SELECT_OS), nullptr, closingDialogProc, 0));
}
