#pragma once
// Diamond Caves II 16-bit cell codes -> object numbers.
#include <cstdint>

namespace pyrovel {

// Unknown codes give 0 (Empty Space).
int dc2CodeToObject(std::uint16_t code);

}  // namespace pyrovel
