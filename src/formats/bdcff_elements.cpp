#include "formats/bdcff_elements.h"

#include <algorithm>
#include <array>
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

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The names in capitals, sorted, for finding a name without regard to case.
// The names in capitals in a small open-addressed hash table: a name is
// looked up for every drawing command of every cave.
class NameIndex {
 public:
  static constexpr std::size_t kLongest = 32;  // longer than any name of the table

  NameIndex() {
    slots_.fill(-1);
    for (std::size_t e = 0; e < std::size(kElements); ++e) {
      std::array<char, kLongest> buffer{};
      const std::string_view name = capitals(kElements[e].name, buffer);
      std::size_t i = hashOf(name);
      // Of two spellings of one name, the first in the table counts.
      while (slots_[i] >= 0 && upper_[static_cast<std::size_t>(slots_[i])] != name) i = next(i);
      if (slots_[i] >= 0) continue;
      slots_[i] = static_cast<std::int16_t>(e);
      upper_[e] = std::string(name);
    }
  }

  std::optional<int> find(std::string_view name) const {
    if (name.size() > kLongest) return std::nullopt;
    std::array<char, kLongest> buffer;
    const std::string_view wanted = capitals(name, buffer);
    for (std::size_t i = hashOf(wanted); slots_[i] >= 0; i = next(i)) {
      const auto e = static_cast<std::size_t>(slots_[i]);
      if (upper_[e] == wanted) return kElements[e].object;
    }
    return std::nullopt;
  }

 private:
  static constexpr std::size_t kSlots = 128;  // a power of two, over twice the names

  static std::string_view capitals(std::string_view name, std::array<char, kLongest>& buffer) {
    for (std::size_t i = 0; i < name.size(); ++i) buffer[i] = upper(name[i]);
    return {buffer.data(), name.size()};
  }
  // The length and three letters tell the names of the table apart well
  // enough (FIREFLYl and FIREFLYu differ in the last, KEY1 and KEY2 too).
  static std::size_t hashOf(std::string_view name) {
    if (name.empty()) return 0;
    const auto at = [&](std::size_t i) { return static_cast<std::size_t>(name[i] & 0x7F); };
    return (name.size() * 7 + at(0) * 31 + at(name.size() / 2) * 5 + at(name.size() - 1) * 17) &
           (kSlots - 1);
  }
  static std::size_t next(std::size_t i) { return (i + 1) & (kSlots - 1); }

  std::array<std::int16_t, kSlots> slots_{};  // index into kElements, -1 for none
  std::array<std::string, std::size(kElements)> upper_;
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

}  // namespace

std::span<const BdcffElement> bdcffElementTable() {
  return kElements;
}

std::optional<int> bdcffElementObject(std::string_view name) {
  static const NameIndex index;
  return index.find(name);
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
