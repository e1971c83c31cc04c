#include "platform/ProcessAccount.h"

#include "platform/TextConversion.h"

#include <sddl.h>

#include <vector>

namespace {

std::optional<std::string> userOfToken(HANDLE token) {
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) return std::nullopt;
    char* text = nullptr;
    if (!ConvertSidToStringSidA(reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid, &text))
        return std::nullopt;
    std::string sid = text;
    LocalFree(text);
    return sid;
}

}  // namespace

std::optional<std::string> accountOfProcess(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
    std::optional<std::string> sid = userOfToken(token);
    CloseHandle(token);
    return sid;
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
