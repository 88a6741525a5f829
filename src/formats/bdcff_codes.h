#pragma once
// The BDCFF code tables: map codes of one or two characters to object
// numbers, and object numbers to map codes at a chosen code length.
#include <cstdint>
#include <span>
#include <string_view>

namespace pyrovel {

// Map code (1 or 2 characters, compared exactly) → object; unknown codes,
// and codes of any other length, give 15 (Grover).
int bdcffCodeToObject(std::string_view code);

// The same table for direct indexing by a code's bytes, for reading whole
// maps: 256 entries for codes of length 1, 65536 (first byte * 256 + second)
// for length 2.
std::span<const std::uint8_t> bdcffImportTable(int codeLength);

// Object → map code at code length 1 or 2. Objects without a code of that
// length give the Solid Wall code ("W" or "Ws"); only the low byte counts.
std::string_view bdcffObjectToCode(int object, int codeLength);
// Whether the object (0..255) has a map code of its own at that length.
bool bdcffHasCode(int object, int codeLength);

}  // namespace pyrovel
