#pragma once

#include "install/InstallEngine.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"

// The options page: the printer model and whether the new printer becomes
// the default. The serial group stays hidden; the install still reads it.
// The install runs on this page, reading its controls as it goes.
class DetailSettingPage : public Dialog, private InstallInputs, private InstallFeedback {
public:
    explicit DetailSettingPage(SpoolerServices& services);

    // Runs the whole installation on the page's current choices, moving the
    // open port page's progress bar.
    void installEngine(std::optional<DriverArchitecture> architecture);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    // Exit, Esc and the close box finish the wizard the same way as Enter.
    void onCancel() override { onOk(); }
    bool onSysCommand(WPARAM command, LPARAM position) override;
    bool onPaint() override;
    HICON onQueryDragIcon() override { return pageIcon; }

private:
    void addAboutToSystemMenu();
    void onModelChange();
    void onPortChange();
    void nextAction();

    std::string portName() override;
    int portIndex() override;
    int modelIndex() override;
    bool defaultPrinterChecked() override;
    SerialPortSettings serialSettings() override;
    void setProgress(int position) override;
    void showMessage(const std::string& text) override;

    SpoolerServices& services;
    ComboBox modelBox;
    ComboBox portBox;
    ComboBox baudRateBox;
    ComboBox dataBitsBox;
    ComboBox stopBitsBox;
    ComboBox parityBox;
    ComboBox flowControlBox;
    CheckBox defaultPrinterBox;
    HICON pageIcon;
    InstallOutcome installOutcome;
};
