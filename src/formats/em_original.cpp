#include "formats/em_original.h"

#include <array>

#include "formats/bd4_record.h"
#include "formats/code_table.h"
#include "formats/em_codes.h"
#include "formats/em_formats.h"

namespace pyrovel {

namespace {

constexpr std::uint8_t kFirstKey = 0x65, kKeyStep = 7, kOffset = 0x11;

// Codes whose object in the original games differs from the later table,
// after the public description of the first level format: the exit is
// closed at 64 and open at 158, acid is 123, fixed acid 153, and 175 is
// dynamite already burning.
constexpr std::array kOriginalOverrides{
    code(64, 7), code(123, 62), code(153, 76), code(158, 8), code(175, 73),
};
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
  if (isEncryptedEmOriginal(data)) return {decryptEmOriginal(data), true, emOriginalCodeToObject};
  return {Bytes(data.begin(), data.end()), false, emCodeToObject};
}

int emOriginalCodeToObject(std::uint8_t c) {
  for (const CodeRun& run : kOriginalOverrides) {
    if (c >= run.first && c <= run.last) return resultOf(run, c);
  }
  return emCodeToObject(c);
}

}  // namespace pyrovel
