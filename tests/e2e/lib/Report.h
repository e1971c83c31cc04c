#pragma once

#include <string>

// Prints one line per check, "PASS <scenario>: <check>" or
// "FAIL <scenario>: <check>: <detail>"; the test script counts these lines.
class Report {
public:
    explicit Report(std::string scenario);

    bool check(bool ok, const std::string& what, const std::string& detail = "");
    bool checkEqual(const std::string& what, const std::wstring& expected, const std::wstring& actual);
    bool checkEqual(const std::string& what, long long expected, long long actual);

    int checks() const { return checks_; }
    int failures() const { return failures_; }

private:
    std::string scenario_;
    int checks_ = 0;
    int failures_ = 0;
};
