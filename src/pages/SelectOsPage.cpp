#include "pages/SelectOsPage.h"

#include "app/OsGeneration.h"
#include "pages/OsRadioButton.h"
#include "resources/resource.h"

SelectOsPage::SelectOsPage(SpoolerServices& services) : Dialog(IDD_SELECT_OS), services(services) {}

bool SelectOsPage::onInitDialog() {
    // Detection runs at every showing; the fresh window checks no button, so
    // only the detected one needs setting.
    DetectOsGeneration(services);
    if (int button = osRadioButtonFor(OsGeneration)) SendDlgItemMessageW(window(), button, BM_SETCHECK, BST_CHECKED, 0);
    return true;
}

bool SelectOsPage::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_NEXT:
            onOk();
            return true;
        case IDC_EXIT:
            onCancel();
            return true;
        case IDC_BACK:
            return true;
        default:
            return false;
    }
}
