#pragma once

#include <cstdint>
#include <string>

// NameDescrambler's inverse, for a new row of the catalogue: each byte as two
// letters, A to J then A to Z. Only the catalogue command calls it, so the
// wizard, which links the catalogue library, leaves its object out.
std::string NameEncipher(const std::string& text, std::uint16_t key);
