#pragma once
// Construction Kit (and Atari) caves pack two cells per byte, one per nibble.
#include <array>
#include <cstdint>

namespace pyrovel {

// The object of one nibble 0..15.
int ckNibbleToObject(int nibble);
// The two objects of a byte: the high nibble's first, then the low nibble's.
std::array<int, 2> ckNibbleObjects(std::uint8_t byte);

}  // namespace pyrovel
