#include "InstallTiming.h"

#include "lib/SystemError.h"

#include <cstdio>
#include <string>

namespace {

// Everything the child writes, until it ends and the pipe closes.
std::string readAll(HANDLE pipe) {
    std::string text;
    char chunk[256];
    DWORD read = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &read, nullptr) && read > 0) text.append(chunk, read);
    return text;
}

// Starts the program with its standard output and error on a pipe and
// returns what it wrote; nothing if it does not start.
std::optional<std::string> runForOutput(Report& report, const std::wstring& exePath, const std::wstring& workDir,
                                        DWORD& exitCode) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!report.setUp(CreatePipe(&readEnd, &writeEnd, &inheritable, 0), "a pipe for the bare install",
                      systemErrorText(GetLastError())))
        return std::nullopt;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + exePath + L"\"";
    const bool started = CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        workDir.c_str(), &startup, &process);
    const DWORD startError = GetLastError();
    // Only the child holds the write end now, so reading ends when the child does.
    CloseHandle(writeEnd);
    std::optional<std::string> output;
    if (report.setUp(started, "the bare install starts", systemErrorText(startError))) {
        output = readAll(readEnd);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return output;
}

}  // namespace

std::optional<InstallSample> timeBareInstall(Report& report, const std::wstring& exePath, const std::wstring& workDir) {
    DWORD exitCode = 1;
    const std::optional<std::string> output = runForOutput(report, exePath, workDir, exitCode);
    if (!output) return std::nullopt;
    InstallSample sample = {};
    unsigned long kilobytes = 0;
    const bool measured =
        exitCode == 0 && std::sscanf(output->c_str(), "%lf %lu", &sample.milliseconds, &kilobytes) == 2;
    if (!report.setUp(measured, "the bare install succeeds and reports its figures", *output)) return std::nullopt;
    sample.peakWorkingSetBytes = static_cast<SIZE_T>(kilobytes) * 1024;
    return sample;
}
