// The least a program can do to show a dialog: the floor under the wizard's
// size and start-up time.
#include "BareDialogResource.h"
#include "ClosingDialog.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_BARE_DIALOG), nullptr, closingDialogProc, 0));
}
