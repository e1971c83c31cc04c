#pragma once

// The wizard's two top-level pages, each shown modally; the result is 1
// (IDOK), 2 (IDCANCEL) or -1 when the window could not be created.
class WizardPages {
public:
    virtual ~WizardPages() = default;
    virtual int showSelectOs() = 0;
    // Shows a fresh options page and destroys it when it closes.
    virtual int showDetailSetting() = 0;
};

// Select OS, then the options page; Back on the options page returns to
// Select OS, anything else ends the wizard.
void runPageSequence(WizardPages& pages);
