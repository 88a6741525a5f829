#pragma once
// BPBD levelset cell bytes -> object numbers.
#include <cstdint>

namespace pyrovel {

inline constexpr int kBpbdUnknown = -1;

// Unknown bytes give kBpbdUnknown, which the reader reports.
int bpbdCodeToObject(std::uint8_t code);

}  // namespace pyrovel
