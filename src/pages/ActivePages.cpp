#include "pages/ActivePages.h"

DetailSettingPage* ActiveDetailPage = nullptr;
SelectPortPage* ActivePortPage = nullptr;
