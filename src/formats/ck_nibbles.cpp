#include "formats/ck_nibbles.h"

namespace pyrovel {

namespace {
constexpr std::array<int, 16> kCkNibbles{195, 196, 16, 17, 6,  155, 197, 1,
                                         229, 233, 11, 42, 30, 30,  2,   0};
}  // namespace

int ckNibbleToObject(int nibble) {
  return kCkNibbles[static_cast<std::size_t>(nibble & 0x0F)];
}

std::array<int, 2> ckNibbleObjects(std::uint8_t byte) {
  return {ckNibbleToObject(byte >> 4), ckNibbleToObject(byte & 0x0F)};
}

}  // namespace pyrovel
