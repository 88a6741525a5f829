#include "formats/bdcff_elements.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#include "formats/bdcff_codes.h"
#include "formats/bdcff_das_text.h"

namespace pyrovel {

namespace {

// Each name to its nearest object. The names with a standard one-character
// map code follow that code's object in the built-in table: " " Space,
// "." Dirt, "w" brick wall (Crumble Wall 1), "M" Magic Wall, "W" steel
// (Solid Wall), "x" / "v" / "V" expanding walls, "r" Rock, "d" diamond
// (Emerald), "P" inbox (the Little Fellow), "X" / "H" exits (Exit Closed),
// "Q" "o" "O" "q" fireflies (Ships left, up, right, down), "C" "b" "B" "c"
// butterflies (Bugs left, up, right, down), "a" Amoeba, "s" Slime, "F"
// Mrs Rockford. Names without a sensible object (clocks, bladder spenders,
// switches, biters, ghosts, ...) are not listed: they become Grover with a note.
constexpr BdcffElement kElements[] = {
    {"SPACE", 0},
    {"DIRT", 1},
    {"DIRT2", 254},
    {"WALL", 17},
    {"MAGICWALL", 16},
    {"STEELWALL", 6},
    {"HEXPANDINGWALL", 155},
    {"VEXPANDINGWALL", 156},
    {"EXPANDINGWALL", 154},
    {"BOULDER", 3},
    {"DIAMOND", 13},
    {"INBOX", 2},
    {"ROCKFORD", 2},
    {"OUTBOX", 7},
    {"PREOUTBOX", 7},
    {"HIDDENOUTBOX", 7},
    {"INVISIBLEOUTBOX", 7},
    {"FIREFLYl", 70},
    {"FIREFLYu", 85},
    {"FIREFLYr", 86},
    {"FIREFLYd", 87},
    {"FIREFLY", 70},
    {"BUTTERFLYl", 5},
    {"BUTTERFLYu", 82},
    {"BUTTERFLYr", 83},
    {"BUTTERFLYd", 84},
    {"BUTTERFLY", 5},
    {"AMOEBA", 11},
    {"SLIME", 42},
    {"ACID", 62},
    {"BOMB", 9},
    {"VOODOO", 197},
    {"KEY1", 57},
    {"KEY2", 58},
    {"KEY3", 59},
    {"DOOR1", 52},
    {"DOOR2", 53},
    {"DOOR3", 54},
    {"BLADDER", 243},
};

// The names in capitals in a small open-addressed hash table: a name is
// looked up for every drawing command of every cave. A name is kept as its
// capitals in 15 bytes and its length in the 16th, so comparing two names
// is comparing two pairs of integers.
class NameIndex {
 public:
  constexpr NameIndex() {
    slots_.fill(-1);
    for (std::size_t e = 0; e < std::size(kElements); ++e) {
      const Key key = keyOf(kElements[e].name);
      std::size_t i = hashOf(key);
      // Of two spellings of one name, the first in the table counts.
      while (slots_[i] >= 0 && keys_[static_cast<std::size_t>(slots_[i])] != key) i = next(i);
      if (slots_[i] >= 0) continue;
      slots_[i] = static_cast<std::int16_t>(e);
      keys_[e] = key;
    }
  }

  // The object, or -1.
  constexpr int find(std::string_view name) const {
    // Every name of the table is shorter; an empty name is none of them.
    if (name.empty() || name.size() > kLongest) return -1;
    const Key wanted = keyOf(name);
    for (std::size_t i = hashOf(wanted); slots_[i] >= 0; i = next(i)) {
      const auto e = static_cast<std::size_t>(slots_[i]);
      if (keys_[e] == wanted) return kElements[e].object;
    }
    return -1;
  }

 private:
  static constexpr std::size_t kSlots = 128;  // a power of two, over twice the names
  static constexpr std::size_t kLongest = 15;
  static_assert(std::all_of(std::begin(kElements), std::end(kElements),
                            [](const BdcffElement& e) { return e.name.size() <= kLongest; }));

  using Key = std::array<std::uint64_t, 2>;
  // The name's 1..15 bytes as two integers, bytes 0..7 and 8..15, with
  // zeros past the name, made by loads that overlap instead of byte by
  // byte; the length goes into the last byte.
  static constexpr Key keyOf(std::string_view name) {
    const char* const p = name.data();
    const std::size_t n = name.size();
    // Byte i of the text in bits 8i..8i+7; byte by byte while the table is
    // built by the compiler.
    const auto load = [](const char* at, std::size_t bytes) {
      std::uint64_t v = 0;
      if (std::is_constant_evaluated()) {
        for (std::size_t i = 0; i < bytes; ++i) {
          v |= std::uint64_t{static_cast<unsigned char>(at[i])} << (8 * i);
        }
      } else if (bytes == 8) {
        std::memcpy(&v, at, 8);
        if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
      } else {
        std::uint32_t four = 0;
        std::memcpy(&four, at, 4);
        if constexpr (std::endian::native == std::endian::big) four = __builtin_bswap32(four);
        v = four;
      }
      return v;
    };
    Key key{0, 0};
    if (n >= 8) {
      key[0] = load(p, 8);
      if (n > 8) key[1] = load(p + n - 8, 8) >> (8 * (16 - n));
    } else if (n >= 4) {
      // The overlap holds the same bytes.
      key[0] = load(p, 4) | load(p + n - 4, 4) << (8 * (n - 4));
    } else {
      const auto byte = [&](std::size_t i) {
        return std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
      };
      key[0] = byte(0) | byte(n / 2) | byte(n - 1);
    }
    key[0] = capitals(key[0]);
    key[1] = capitals(key[1]) | static_cast<std::uint64_t>(n) << 56;
    return key;
  }
  // The bytes 'a'..'z' of eight in capitals, the others as they are.
  static constexpr std::uint64_t capitals(std::uint64_t bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = kOnes * 0x80;
    const std::uint64_t seven = bytes & ~kHigh;
    const std::uint64_t fromA = seven + kOnes * (0x80 - 'a');      // high bit: >= 'a'
    const std::uint64_t pastZ = seven + kOnes * (0x80 - 'z' - 1);  // high bit: > 'z'
    const std::uint64_t small = fromA & ~pastZ & ~bytes & kHigh;
    return bytes ^ (small >> 2);
  }
  static constexpr std::size_t hashOf(const Key& key) {
    const std::uint64_t mixed = (key[0] ^ (key[1] * 0x9E3779B97F4A7C15ull)) * 0xC2B2AE3D27D4EB4Full;
    return static_cast<std::size_t>(mixed >> 57) & (kSlots - 1);
  }
  static constexpr std::size_t next(std::size_t i) { return (i + 1) & (kSlots - 1); }

  std::array<std::int16_t, kSlots> slots_{};  // index into kElements, -1 for none
  std::array<Key, std::size(kElements)> keys_{};
};

// The first word of a text.
std::string_view firstWord(std::string_view text) {
  text = trimLine(text);
  const auto end = text.find_first_of(" \t;");
  return end == std::string_view::npos ? text : text.substr(0, end);
}

std::size_t pairIndex(std::string_view code) {
  return static_cast<std::size_t>(static_cast<unsigned char>(code[0])) * 256 +
         static_cast<unsigned char>(code[1]);
}

// Built by the compiler: a lookup waits on no first-use guard.
constexpr NameIndex kNameIndex;

}  // namespace

std::span<const BdcffElement> bdcffElementTable() {
  return kElements;
}

int bdcffElementObjectOrNone(std::string_view name) {
  return kNameIndex.find(name);
}

std::optional<int> bdcffElementObject(std::string_view name) {
  const int object = bdcffElementObjectOrNone(name);
  if (object < 0) return std::nullopt;
  return object;
}

BdcffMapCodes::BdcffMapCodes() : one_(256, -1) {}

void BdcffMapCodes::readLine(std::string_view line) {
  // A code may be a blank, so the raw line decides where the '=' is.
  std::size_t codeLength = 0;
  if (line.size() >= 2 && line[1] == '=') {
    codeLength = 1;
  } else if (line.size() >= 3 && line[2] == '=') {
    codeLength = 2;
  }
  const std::string_view trimmed = trimLine(line);
  if (trimmed.substr(0, 7) == "Length=") {
    length_ = readLooseInt(trimmed.substr(7)).value == 2 ? 2 : 1;
    return;
  }
  if (codeLength == 0) return;
  const std::string_view code = line.substr(0, codeLength);
  const std::string_view element = firstWord(line.substr(codeLength + 1));
  if (element.empty()) return;
  const std::optional<int> object = bdcffElementObject(element);
  own_.push_back({std::string(element), object.value_or(kBdcffGrover), object.has_value()});
  const auto index = static_cast<std::int16_t>(own_.size() - 1);
  if (codeLength == 1) {
    one_[static_cast<unsigned char>(code[0])] = index;
  } else {
    if (two_.empty()) two_.assign(256 * 256, -1);
    two_[pairIndex(code)] = index;
  }
}

BdcffMapCodes::Lookup BdcffMapCodes::lookup(std::string_view code) const {
  std::int16_t index = -1;
  if (code.size() == 1) {
    index = one_[static_cast<unsigned char>(code[0])];
  } else if (code.size() == 2 && !two_.empty()) {
    index = two_[pairIndex(code)];
  }
  if (index >= 0) {
    const Own& o = own_[static_cast<std::size_t>(index)];
    return {o.object, o.element, o.known};
  }
  const int object = bdcffCodeToObject(code);
  // The built-in table gives Grover for exactly the codes it does not know.
  return {object, {}, object != kBdcffGrover};
}

std::size_t BdcffMapCodes::decodeRow(std::string_view row, std::size_t count,
                                     std::int32_t* out) const {
  // Local copies: the writes to `out` cannot change them.
  const std::int16_t* own = length_ == 1 ? one_.data() : (two_.empty() ? nullptr : two_.data());
  const Own* owned = own_.data();
  const std::uint8_t* builtIn = bdcffImportTable(length_).data();
  const auto* bytes = reinterpret_cast<const unsigned char*>(row.data());
  std::size_t grovers = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t key =
        length_ == 1 ? bytes[i] : static_cast<std::size_t>(bytes[2 * i]) * 256 + bytes[2 * i + 1];
    const std::int16_t index = own != nullptr ? own[key] : -1;
    const int object = index >= 0 ? owned[static_cast<std::size_t>(index)].object : builtIn[key];
    out[i] = object;
    grovers += object == kBdcffGrover;
  }
  return grovers;
}

}  // namespace pyrovel
