#pragma once

#include <functional>
#include <string>

// Prints one line per check, "PASS <scenario>: <check>" or
// "FAIL <scenario>: <check>: <detail>"; the test script counts these lines.
class Report {
public:
    explicit Report(std::string scenario);

    bool check(bool ok, const std::string& what, const std::string& detail = "");
    // A step of the test's own making (a file prepared, a selection made from
    // outside): silent when it works, as it proves nothing of the wizard, and
    // a failure when it does not, as the checks after it would mean nothing.
    bool setUp(bool ok, const std::string& what, const std::string& detail = "");
    bool checkEqual(const std::string& what, const std::wstring& expected, const std::wstring& actual);
    bool checkEqual(const std::string& what, long long expected, long long actual);

    int checks() const { return checks_; }
    int failures() const { return failures_; }

    // Called after each failed check is printed, while the windows are as
    // the failure found them (the driver takes a screenshot there).
    void onFailure(std::function<void()> action) { onFailure_ = std::move(action); }

private:
    std::string scenario_;
    std::function<void()> onFailure_;
    int checks_ = 0;
    int failures_ = 0;
};
