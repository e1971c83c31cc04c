#include "Report.h"

#include "Utf8.h"

#include <cstdio>
#include <utility>

Report::Report(std::string scenario) : scenario_(std::move(scenario)) {}

bool Report::check(bool ok, const std::string& what, const std::string& detail) {
    ++checks_;
    if (ok) {
        std::printf("PASS %s: %s\n", scenario_.c_str(), what.c_str());
    } else {
        ++failures_;
        std::printf("FAIL %s: %s: %s\n", scenario_.c_str(), what.c_str(), detail.empty() ? "no" : detail.c_str());
    }
    // The script may be waiting on this line while the wizard still runs.
    std::fflush(stdout);
    if (!ok && onFailure_) onFailure_();
    return ok;
}

bool Report::setUp(bool ok, const std::string& what, const std::string& detail) {
    return ok || check(ok, what, detail);
}

bool Report::checkEqual(const std::string& what, const std::wstring& expected, const std::wstring& actual) {
    return check(expected == actual, what, "expected \"" + toUtf8(expected) + "\", got \"" + toUtf8(actual) + "\"");
}

bool Report::checkEqual(const std::string& what, long long expected, long long actual) {
    return check(expected == actual, what, "expected " + std::to_string(expected) + ", got " + std::to_string(actual));
}
