#pragma once
// Rocks & Diamonds level bytes -> object numbers.
#include <cstdint>

namespace pyrovel {

// Unknown bytes give 15 (Grover), which the reader reports.
int rndCodeToObject(std::uint8_t code);

}  // namespace pyrovel
