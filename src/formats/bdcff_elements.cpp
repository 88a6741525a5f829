#include "formats/bdcff_elements.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "formats/bdcff_codes.h"
#include "formats/bdcff_das_text.h"

namespace pyrovel {

namespace {

// Each name to the object that stands for the same thing in the game
// (docs/bdcff-elements.md gives the reason for every name of the format's
// documents, those without an object too). The names with a standard
// one-character map code follow that code's object in the built-in table,
// so a cave comes out the same drawn by objects or by map. Names without
// such an object (clocks, bladder spenders, switches, biters, ghosts, ...)
// are not listed: they become Grover with a note.
constexpr BdcffElement kElements[] = {
    {"SPACE", 0},
    {"DIRT", 1},
    {"DIRTLOOSE", 1},
    {"DIRTSLOPEDUPRIGHT", 1},
    {"DIRTSLOPEDUPLEFT", 1},
    {"DIRTSLOPEDDOWNLEFT", 1},
    {"DIRTSLOPEDDOWNRIGHT", 1},
    {"DIRT2", 254},
    {"WALL", 17},
    {"WALLSLOPEDUPRIGHT", 17},
    {"WALLSLOPEDUPLEFT", 17},
    {"WALLSLOPEDDOWNLEFT", 17},
    {"WALLSLOPEDDOWNRIGHT", 17},
    {"MAGICWALL", 16},
    {"STEELWALL", 6},
    {"STEELWALLSLOPEDUPRIGHT", 6},
    {"STEELWALLSLOPEDUPLEFT", 6},
    {"STEELWALLSLOPEDDOWNLEFT", 6},
    {"STEELWALLSLOPEDDOWNRIGHT", 6},
    {"HEXPANDINGWALL", 155},
    {"VEXPANDINGWALL", 156},
    {"EXPANDINGWALL", 154},
    {"BOULDER", 3},
    {"BOULDERf", 3},
    {"FLYINGBOULDER", 3},
    {"FLYINGBOULDERf", 3},
    {"DIAMOND", 13},
    {"DIAMONDf", 13},
    {"FLYINGDIAMOND", 13},
    {"FLYINGDIAMONDf", 13},
    {"INBOX", 2},
    {"ROCKFORD", 2},
    {"OUTBOX", 7},
    {"PREOUTBOX", 7},
    {"OUTBOXopen", 8},
    {"HIDDENOUTBOX", 30},
    {"HIDDENOUTBOXopen", 30},
    {"INVISIBLEOUTBOX", 30},
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
    {"NUT", 12},
    {"VOODOO", 197},
    {"KEY1", 57},
    {"KEY2", 58},
    {"KEY3", 59},
    {"DOOR1", 52},
    {"DOOR2", 53},
    {"DOOR3", 54},
    {"BLADDER", 243},
    {"EXPLOSION1", 10},
    {"EXPLOSION2", 10},
    {"EXPLOSION3", 10},
    {"EXPLOSION4", 10},
    {"EXPLOSION5", 10},
    {"BOMBEXPLOSION1", 10},
    {"BOMBEXPLOSION2", 10},
    {"BOMBEXPLOSION3", 10},
    {"BOMBEXPLOSION4", 10},
    {"DIAMONDBIRTH1", 13},
    {"DIAMONDBIRTH2", 13},
    {"DIAMONDBIRTH3", 13},
    {"DIAMONDBIRTH4", 13},
    {"DIAMONDBIRTH5", 13},
    {"BOULDERBIRTH1", 78},
    {"BOULDERBIRTH2", 78},
    {"BOULDERBIRTH3", 78},
    {"BOULDERBIRTH4", 78},
    {"CONVEYORLEFT", 188},
    {"CONVEYORRIGHT", 188},
    {"CONVEYORSWITCH", 190},
    {"CONVEYORDIRSWITCH", 190},
};

std::string capitals(std::string_view name) {
  std::string s(name);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The names in capitals, sorted, each with its object; of two spellings of
// one name the first in the table counts.
const std::vector<std::pair<std::string, int>>& nameIndex() {
  static const std::vector<std::pair<std::string, int>> index = [] {
    std::vector<std::pair<std::string, int>> names;
    for (const BdcffElement& e : kElements) {
      std::string key = capitals(e.name);
      if (std::none_of(names.begin(), names.end(), [&](const auto& n) { return n.first == key; })) {
        names.emplace_back(std::move(key), e.object);
      }
    }
    std::sort(names.begin(), names.end());
    return names;
  }();
  return index;
}

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

int bdcffElementObjectOrNone(std::string_view name) {
  const auto& index = nameIndex();
  const std::string key = capitals(name);
  const auto it = std::lower_bound(index.begin(), index.end(), key,
                                   [](const auto& n, const std::string& k) { return n.first < k; });
  return it != index.end() && it->first == key ? it->second : -1;
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
