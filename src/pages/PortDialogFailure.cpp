#include "pages/PortDialogFailure.h"

#include "platform/TextConversion.h"
#include "ui/Message.h"

void tellPortDialogFailure(SpoolerServices& services, InstallMessages::PortDialog dialog, const std::string& name,
                           ErrorCode error) {
    if (!InstallMessages::portDialogRefused(error)) return;
    showMessageBox(fromUtf8(
        InstallMessages::portDialogNotShown(dialog, services.ansiToUtf8(name), error, services.errorText(error))));
}
