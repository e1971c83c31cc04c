#pragma once

#include "platform/SpoolerServices.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"

#include <string>
#include <vector>

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
    // The listed monitor names, row by row, as the spooler gave them.
    std::vector<std::string> monitorNames;
};
