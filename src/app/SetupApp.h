#pragma once

#include "app/PageSequence.h"
#include "pages/SelectOsPage.h"
#include "platform/Win32SpoolerServices.h"

// The application: runs the pages one after another. There is no main
// window; when the sequence ends, the process ends.
class SetupApp : private WizardPages {
public:
    SetupApp();
    // The start-up hook. False: there is no message loop to run afterwards.
    bool initInstance();

private:
    int showSelectOs() override;
    int showDetailSetting() override;

    Win32SpoolerServices services;
    SelectOsPage selectOsPage;
};
