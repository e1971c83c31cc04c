#pragma once

class DetailSettingPage;
class SelectPortPage;

// The port page runs modally on top of the still-open options page, and the
// install, started by the port page's Install, runs on the options page and
// reaches both: it reads the options page's choices and the port page's
// port, and moves the port page's progress bar. These name the two pages
// while the port page runs.
extern DetailSettingPage* ActiveDetailPage;
extern SelectPortPage* ActivePortPage;

// Points the two page pointers at the pages while the port page object
// lives, so that neither is left pointing at a page that has ended.
class PortPageOnTop {
public:
    PortPageOnTop(DetailSettingPage& options, SelectPortPage& port) {
        ActiveDetailPage = &options;
        ActivePortPage = &port;
    }
    ~PortPageOnTop() {
        ActiveDetailPage = nullptr;
        ActivePortPage = nullptr;
    }
    PortPageOnTop(const PortPageOnTop&) = delete;
    PortPageOnTop& operator=(const PortPageOnTop&) = delete;
};
