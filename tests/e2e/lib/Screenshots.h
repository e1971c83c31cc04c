#pragma once

#include <string>

// Screenshots are taken by the script that runs the driver, outside Wine: the
// driver prints "SHOT <name>" and waits for any line on its standard input.
class Screenshots {
public:
    explicit Screenshots(bool enabled) : enabled_(enabled) {}

    void take(const std::string& name) const;

private:
    bool enabled_;
};
