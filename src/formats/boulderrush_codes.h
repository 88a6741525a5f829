#pragma once
// Amiga GAM and BoulderRush cell bytes -> object numbers.
#include <cstdint>

namespace pyrovel {

// Unknown bytes give 15 (Grover).
int boulderRushCodeToObject(std::uint8_t code);

}  // namespace pyrovel
