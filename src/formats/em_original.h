#pragma once
// Level files of the original Emerald Mine disks and their editor: the
// V4 record (2106 bytes, see bd4_record.h) kept encrypted, byte by byte with
// a rising key, and a map code table of its own for the few codes whose
// meaning the later versions changed.
#include <cstdint>
#include <span>

#include "model/bytes.h"

namespace pyrovel {

// Before decryption byte 1983 of an original file is always 0x1B; a plain
// record holds the map's right-hand wall there.
inline constexpr std::size_t kEmOriginalMarkOffset = 1983;
inline constexpr std::uint8_t kEmOriginalMark = 0x1B;

// True for a V4-sized file (2106..2109 bytes) that carries the mark.
bool isEncryptedEmOriginal(std::span<const std::uint8_t> data);

// The plain record: each of the first 2106 bytes xor a key that starts at
// 0x65 and rises by 7 per byte, then minus 0x11 (modulo 256). Bytes past the
// record are copied as they are.
Bytes decryptEmOriginal(std::span<const std::uint8_t> data);

// The bytes an EM reader should read: decrypted when the file is an
// original (its level number byte, map cell (1, 0), made the steel border it
// stands in), the file itself otherwise, and the map code table that goes
// with them.
struct EmPlainLevel {
  Bytes bytes;
  bool original = false;
  int (*codeToObject)(std::uint8_t) = nullptr;
};
EmPlainLevel emPlainLevel(std::span<const std::uint8_t> data);

// EM cell code of an original file -> object number (markers as
// emCodeToObject gives them).
int emOriginalCodeToObject(std::uint8_t code);

}  // namespace pyrovel
