#include "platform/Accounts.h"

#include "platform/SystemLibrary.h"
#include "platform/TextConversion.h"

#include <sddl.h>
#include <wtsapi32.h>

#include <vector>

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
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) return std::nullopt;
    return sidText(reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid);
}

// "DOMAIN\user" of this process's session, or empty. The session services
// answer for the caller's own session without any right over another
// account's processes, which an administrator's elevated process lacks.
WideText sessionUserName() {
    // Not a known DLL: an import would be looked up beside the program first.
    HMODULE library = loadSystemLibrary(L"wtsapi32.dll");
    auto query = systemProcedure<QuerySessionInformation>(library, "WTSQuerySessionInformationW");
    auto release = systemProcedure<FreeSessionMemory>(library, "WTSFreeMemory");
    WideText parts[2];
    const WTS_INFO_CLASS fields[2] = {WTSDomainName, WTSUserName};
    for (int i = 0; query && release && i < 2; ++i) {
        wchar_t* value = nullptr;
        DWORD bytes = 0;
        if (!query(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, fields[i], &value, &bytes)) break;
        parts[i] = WideText{value};
        release(value);
    }
    if (library) FreeLibrary(library);
    const std::wstring_view domain = parts[0].view();
    const std::wstring_view user = parts[1].view();
    if (user.empty()) return {};
    return domain.empty() ? WideText{user} : WideText{domain, L"\\", user};
}

}  // namespace

std::optional<std::string> processAccount() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return std::nullopt;
    std::optional<std::string> sid = userOfToken(token);
    CloseHandle(token);
    return sid;
}

std::optional<std::string> sessionAccount() {
    const WideText name = sessionUserName();
    if (name.view().empty()) return std::nullopt;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sid;
    wchar_t domain[256];
    DWORD domainLength = 256;
    SID_NAME_USE use;
    if (!LookupAccountNameW(nullptr, name.c_str(), sid, &sidSize, domain, &domainLength, &use)) return std::nullopt;
    return sidText(sid);
}

// Only asked when a message needs it: a domain account's name may take the
// network to look up.
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
    return toUtf8(std::wstring_view(domain, domainLength)) + "\\" + toUtf8(std::wstring_view(name, nameLength));
}
