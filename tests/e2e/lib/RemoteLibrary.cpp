#include "RemoteLibrary.h"

#include "RemoteMemory.h"
#include "SystemError.h"

std::string loadLibraryInto(HANDLE process, const std::wstring& path, DWORD timeoutMs) {
    const size_t size = (path.size() + 1) * sizeof(wchar_t);
    RemoteMemory remotePath(process, size);
    if (!remotePath.valid()) return "VirtualAllocEx: " + systemErrorText(GetLastError());
    if (!remotePath.write(path.c_str(), size)) return "WriteProcessMemory: " + systemErrorText(GetLastError());
    // kernel32 lies at the same address in every process of one bitness.
    auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    HANDLE thread =
        CreateRemoteThread(process, nullptr, 0, loadLibrary, reinterpret_cast<void*>(remotePath.address()), 0, nullptr);
    if (!thread) return "CreateRemoteThread: " + systemErrorText(GetLastError());
    const DWORD waited = WaitForSingleObject(thread, timeoutMs);
    DWORD module = 0;
    const bool finished = waited == WAIT_OBJECT_0 && GetExitCodeThread(thread, &module);
    CloseHandle(thread);
    if (!finished) return "the loading thread did not finish within " + std::to_string(timeoutMs) + " ms";
    // The thread's exit code is the module handle, or its low half on 64-bit.
    return module != 0 ? std::string() : "LoadLibraryW returned null in the target";
}
