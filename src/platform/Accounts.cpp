#include "platform/Accounts.h"

#include "platform/ComposedText.h"
#include "platform/SystemLibrary.h"
#include "platform/TextConversion.h"

#include <sddl.h>
#include <wtsapi32.h>

namespace {

using QuerySessionInformation = BOOL(WINAPI*)(HANDLE, DWORD, WTS_INFO_CLASS, LPWSTR*, DWORD*);
using FreeSessionMemory = void(WINAPI*)(PVOID);

std::optional<std::string> sidText(PSID sid) {
    char* text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text)) return std::nullopt;
    std::string result = text;
    LocalFree(text);
    return result;
}

std::optional<std::string> userOfToken(HANDLE token) {
    // A SID is never longer than SECURITY_MAX_SID_SIZE, so no size need be asked for.
    union {
        TOKEN_USER user;
        BYTE bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    } buffer;
    DWORD size = sizeof buffer;
    if (!GetTokenInformation(token, TokenUser, &buffer, size, &size)) return std::nullopt;
    return sidText(buffer.user.User.Sid);
}

}  // namespace

std::optional<std::string> processAccount() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return std::nullopt;
    std::optional<std::string> sid = userOfToken(token);
    CloseHandle(token);
    return sid;
}

std::string accountName(const std::string& sid) {
    PSID binary = nullptr;
    if (!ConvertStringSidToSidA(sid.c_str(), &binary)) return sid;
    wchar_t name[256];
    wchar_t domain[256];
    DWORD nameLength = 256;
    DWORD domainLength = 256;
    SID_NAME_USE use;
    const bool found = LookupAccountSidW(nullptr, binary, name, &nameLength, domain, &domainLength, &use);
    LocalFree(binary);
    if (!found) return sid;
    return composed(
        {toUtf8(std::wstring_view(domain, domainLength)), "\\", toUtf8(std::wstring_view(name, nameLength))});
}

SessionUser sessionUser() {
    // Not a known DLL: an import would be looked up beside the program first.
    HMODULE library = loadSystemLibrary(L"wtsapi32.dll");
    auto query = systemProcedure<QuerySessionInformation>(library, "WTSQuerySessionInformationW");
    auto release = systemProcedure<FreeSessionMemory>(library, "WTSFreeMemory");
    // The session services answer for the caller's own session without any
    // right over another account's processes, which an elevated process lacks.
    const auto read = [&](WTS_INFO_CLASS part) {
        std::string answer;
        wchar_t* text = nullptr;
        DWORD bytes = 0;
        if (query && release && query(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, part, &text, &bytes)) {
            answer = toUtf8(text);
            release(text);
        }
        return answer;
    };
    const SessionUser signedIn{read(WTSDomainName), read(WTSUserName)};
    if (library) FreeLibrary(library);
    return signedIn;
}

std::optional<std::string> accountSid(const std::string& name) {
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sid;
    wchar_t domain[256];
    DWORD domainLength = 256;
    SID_NAME_USE use;
    if (!LookupAccountNameW(nullptr, fromUtf8(name).c_str(), sid, &sidSize, domain, &domainLength, &use))
        return std::nullopt;
    return sidText(sid);
}

// Names are identifiers, not words: compared ordinally, with the system's
// own case table, where the system has the function (Windows Vista on);
// before it, in the invariant locale.
bool sameAccountName(const std::string& a, const std::string& b) {
    using CompareOrdinal = int(WINAPI*)(LPCWCH, int, LPCWCH, int, BOOL);
    const auto compareOrdinal = systemProcedure<CompareOrdinal>(GetModuleHandleA("kernel32"), "CompareStringOrdinal");
    const WideText first = fromUtf8(a);
    const WideText second = fromUtf8(b);
    const int order = compareOrdinal
                          ? compareOrdinal(first.c_str(), -1, second.c_str(), -1, TRUE)
                          : CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, first.c_str(), -1, second.c_str(), -1);
    return order == CSTR_EQUAL;
}
