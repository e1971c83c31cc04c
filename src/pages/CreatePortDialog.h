#pragma once

#include "platform/SpoolerServices.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"

// Lists the spooler's port monitors and lets the chosen one add a port
// through its own dialog.
class CreatePortDialog : public Dialog {
public:
    explicit CreatePortDialog(SpoolerServices& services);

protected:
    void doDataExchange() override;
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;

private:
    void newPort();

    SpoolerServices& services;
    ListView monitorList;
};
