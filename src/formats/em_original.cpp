#include "formats/em_original.h"

#include <array>
#include <utility>

#include "formats/bd4_record.h"
#include "formats/code_table.h"
#include "formats/em_codes.h"
#include "formats/em_formats.h"

namespace pyrovel {

namespace {

constexpr std::uint8_t kFirstKey = 0x65, kKeyStep = 7, kOffset = 0x11;

// Codes whose object in the original games differs from the later table:
// acid is 123 and fixed acid 153. The exits (158 closed, 64 open) and the
// plain dynamite (175) mean what the table says.
constexpr std::array kOriginalOverrides{
    code(123, 62),
    code(153, 76),
};

// The second map byte of an original holds the level's own number; the
// cell is part of the steel border, which the games show there.
constexpr std::size_t kLevelNumberByte = 1;
constexpr std::uint8_t kSteelWallCode = 116;
static_assert(runsAreDisjoint(kOriginalOverrides, 256));

}  // namespace

bool isEncryptedEmOriginal(std::span<const std::uint8_t> data) {
  return data.size() >= kEmV4MinSize && data.size() < kEmMapOnlySize &&
         data[kEmOriginalMarkOffset] == kEmOriginalMark;
}

Bytes decryptEmOriginal(std::span<const std::uint8_t> data) {
  Bytes plain(data.begin(), data.end());
  std::uint8_t key = kFirstKey;
  for (std::size_t i = 0; i < plain.size() && i < kBd4RecordSize; ++i) {
    plain[i] = static_cast<std::uint8_t>((plain[i] ^ key) - kOffset);
    key = static_cast<std::uint8_t>(key + kKeyStep);
  }
  return plain;
}

EmPlainLevel emPlainLevel(std::span<const std::uint8_t> data) {
  if (isEncryptedEmOriginal(data)) {
    Bytes plain = decryptEmOriginal(data);
    plain[kLevelNumberByte] = kSteelWallCode;
    return {std::move(plain), true, emOriginalCodeToObject};
  }
  return {Bytes(data.begin(), data.end()), false, emCodeToObject};
}

int emOriginalCodeToObject(std::uint8_t c) {
  for (const CodeRun& run : kOriginalOverrides) {
    if (c >= run.first && c <= run.last) return resultOf(run, c);
  }
  return emCodeToObject(c);
}

}  // namespace pyrovel
