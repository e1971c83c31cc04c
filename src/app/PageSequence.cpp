#include "app/PageSequence.h"

namespace {

constexpr int PageAccepted = 1;  // IDOK
constexpr int PageBack = 2;      // IDCANCEL: Back on the options page

}  // namespace

void runPageSequence(WizardPages& pages) {
    while (pages.showSelectOs() == PageAccepted) {
        if (pages.showDetailSetting() != PageBack) {
            return;
        }
    }
}
