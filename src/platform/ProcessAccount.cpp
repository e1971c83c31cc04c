#include "platform/ProcessAccount.h"

#include "platform/TextConversion.h"

#include <sddl.h>

#include <vector>

namespace {

std::optional<std::string> sidText(PSID sid) {
    char* text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text)) return std::nullopt;
    std::string copy = text;
    LocalFree(text);
    return copy;
}

// "DOMAIN\user"; a deleted account or an unreachable domain has no name.
std::optional<std::string> accountName(PSID sid) {
    wchar_t name[256];
    wchar_t domain[256];
    DWORD nameLength = 256;
    DWORD domainLength = 256;
    SID_NAME_USE use;
    if (!LookupAccountSidW(nullptr, sid, name, &nameLength, domain, &domainLength, &use)) return std::nullopt;
    return toUtf8(std::wstring_view(domain, domainLength)) + "\\" + toUtf8(std::wstring_view(name, nameLength));
}

std::optional<Account> accountOfToken(HANDLE token) {
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) return std::nullopt;
    PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
    std::optional<std::string> id = sidText(sid);
    if (!id) return std::nullopt;
    return Account{*id, accountName(sid).value_or(*id)};
}

}  // namespace

std::optional<Account> accountOfProcess(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
    std::optional<Account> account = accountOfToken(token);
    CloseHandle(token);
    return account;
}
