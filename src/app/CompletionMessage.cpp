#include "app/CompletionMessage.h"

std::optional<std::string> completionMessage(std::int32_t osGeneration, const InstallOutcome& outcome) {
    if (!outcome.succeeded) return outcome.failure;
    // Only the NT family (NT 4.0 up to Windows 8 and later) hears that it worked.
    if (osGeneration >= 3 && osGeneration <= 9) return std::string("Completed!");
    return std::nullopt;
}
