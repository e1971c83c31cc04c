#pragma once

#include "platform/SpoolerServices.h"
#include "ui/Dialog.h"

// The first page: shows which Windows the wizard runs on. Informative only;
// nothing reads its radio buttons.
class SelectOsPage : public Dialog {
public:
    explicit SelectOsPage(SpoolerServices& services);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;

private:
    SpoolerServices& services;
};
