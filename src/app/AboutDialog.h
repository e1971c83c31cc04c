#pragma once

#include "ui/Dialog.h"

class AboutDialog : public Dialog {
public:
    AboutDialog();
};
