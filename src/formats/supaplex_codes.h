#pragma once
// Supaplex map bytes -> object numbers.
#include <cstdint>

namespace pyrovel {

inline constexpr int kSupaplexUnknown = -1;
inline constexpr std::uint8_t kSupaplexMurphy = 3;    // the player
inline constexpr std::uint8_t kSupaplexInfotron = 4;  // what the level asks to collect

// Bytes above 40 give kSupaplexUnknown, which the reader reports.
int supaplexCodeToObject(std::uint8_t code);

}  // namespace pyrovel
