#include "app/OsGeneration.h"

std::int32_t OsGeneration = 0;

namespace {

constexpr std::uint32_t PlatformWin32Windows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t PlatformWin32Nt = 2;       // VER_PLATFORM_WIN32_NT

constexpr std::uint32_t OsVersionInfoExSize = 156;  // sizeof(OSVERSIONINFOEXA)
constexpr std::uint32_t OsVersionInfoSize = 148;    // sizeof(OSVERSIONINFOA)

std::int32_t classifyWin9x(std::uint32_t major, std::uint32_t minor, std::int32_t previous) {
    if (major != 4) {
        return previous;
    }
    switch (minor) {
        case 0:
            return 1;
        case 10:
        case 90:
            return 2;
        default:
            return previous;
    }
}

std::int32_t classifyNt(std::uint32_t major, std::uint32_t minor, std::int32_t previous) {
    if (major <= 4) {
        return 3;
    }
    if ((major != 5 && major != 6) || minor > 2) {
        return previous;
    }
    // 5.0 to 5.2 are 4 to 6, and 6.0 to 6.2 are 7 to 9.
    return static_cast<std::int32_t>(4 + 3 * (major - 5) + minor);
}

}  // namespace

std::int32_t classifyOsVersion(const OsVersion& version, std::int32_t previous) {
    switch (version.platformId) {
        case PlatformWin32Windows:
            return classifyWin9x(version.majorVersion, version.minorVersion, previous);
        case PlatformWin32Nt:
            return classifyNt(version.majorVersion, version.minorVersion, previous);
        default:
            return 4;
    }
}

void DetectOsGeneration(SpoolerServices& services) {
    // Systems before NT 4.0 SP6 reject the extended record; they still answer the plain one.
    std::optional<OsVersion> version = services.versionEx(OsVersionInfoExSize);
    if (!version) {
        version = services.versionEx(OsVersionInfoSize);
    }
    if (version) {
        OsGeneration = classifyOsVersion(*version, OsGeneration);
    }
}
