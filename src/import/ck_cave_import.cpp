// Boulder Dash Construction Kit caves and intermissions.
#include "import/ck_cave_import.h"

#include <algorithm>
#include <cctype>

#include "formats/ck_nibbles.h"
#include "formats/memo_lines.h"
#include "import/import_steps.h"
#include "model/file_io.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

// Where the two variants keep their fields.
struct CavLayout {
  std::size_t blockSize;  // bytes read from the start
  std::size_t map;
  std::size_t levelTime, diamonds, diamondValue, slime, amoebaBrake, magicTime;
};
constexpr CavLayout kPlain{490, 2, 444, 446, 448, 452, 454, 456};
constexpr CavLayout kNamed{494, 16, 458, 460, 462, 466, 468, 470};
constexpr std::size_t kNameOffset = 4, kNameLength = 11;

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

CavUnknownBytes unknownBytesOf(std::span<const std::uint8_t> block) {
  CavUnknownBytes u;
  u.unknown1 = getU16le(&block[0]);
  std::copy_n(&block[458], u.unknown2.size(), u.unknown2.begin());
  std::copy_n(&block[480], u.unknown3.size(), u.unknown3.begin());
  return u;
}

}  // namespace

void decodeCkMap(std::span<const std::uint8_t> map, Levelmap& levels, int slot) {
  for (int r = 0; r < kCkMapRows; ++r) {
    const int y = r == 0 ? kCkMapRows - 1 : r - 1;
    for (int c = 0; c < kCkMapRowBytes; ++c) {
      const auto pair = ckNibbleObjects(map[static_cast<std::size_t>(r * kCkMapRowBytes + c)]);
      putImportedCell(levels, slot, 2 * c, y, pair[0]);
      putImportedCell(levels, slot, 2 * c + 1, y, pair[1]);
    }
  }
}

bool importCkCave(EditorSession& session, const std::string& path,
                  const CavImportOptions& options) {
  return importCavLevelBytes(session, readFileBytes(path), path, options);
}

bool importCavLevelBytes(EditorSession& session, const Bytes& data, const std::string& name,
                         const CavImportOptions& options) {
  noteImportFilter(session, "Boulderdash Construction Kit");
  if (data.size() < kCkMinFileSize) {
    appendMemoLines(session, {"Not a Construction Kit cave: " + name + " (" +
                              std::to_string(data.size()) + " bytes)"});
    return false;
  }
  const bool named = data.size() == kCkNamedFileSize;
  const CavLayout& at = named ? kNamed : kPlain;
  const std::span<const std::uint8_t> block(data.data(), at.blockSize);

  Levelmap& map = session.map;
  const int slot = map.currentLevel;
  LevelHeader& h = beginFillingLevel(map, slot);
  decodeCkMap(block.subspan(at.map, kCkMapBytes), map, slot);
  h.setLevelTime(block[at.levelTime]);
  setImportedDiamonds(h, block[at.diamonds]);
  h.setDiamondScore(block[at.diamondValue]);
  h.setSlimePermeability(block[at.slime]);
  h.setAmoebaBrake(block[at.amoebaBrake]);
  h.setMagicTime(block[at.magicTime]);

  const bool intermission = options.intermission.value_or(upper(extensionOf(name)) == ".INT");
  h.setIntermission(intermission ? 255 : 0);
  h.setWidth(40);
  h.setHeight(kCkMapRows);
  h.setHatchTime(24);
  h.setMaxAmoeba(22);
  h.setAmoebaGrowth(24);
  h.setConvertTrappedAmoeba(255);

  if (named) {
    h.setTitle(std::string_view(reinterpret_cast<const char*>(&block[kNameOffset]), kNameLength));
  } else {
    h.setTitle(options.title.value_or(fileNamePart(name)));
    if (options.showUnknownBytes) options.showUnknownBytes(unknownBytesOf(block));
  }
  finishLevelImport(session);
  return true;
}

std::vector<std::string> cavUnknownByteLines(const CavUnknownBytes& bytes,
                                             std::optional<std::string_view> onlyKey) {
  std::vector<std::pair<std::string, std::string>> lines;  // key, line
  lines.emplace_back("unknown1", "Unknown1: " + std::to_string(bytes.unknown1));
  auto add = [&](const char* group, std::span<const std::uint8_t> values) {
    for (std::size_t n = 1; n <= values.size(); ++n) {
      const std::string label = std::string(group) + "." + std::to_string(n);
      std::string key = label;
      key[0] = 'u';
      lines.emplace_back(key, label + ": " + std::to_string(values[n - 1]));
    }
  };
  add("Unknown2", bytes.unknown2);
  add("Unknown3", bytes.unknown3);

  std::string wanted;
  if (onlyKey) {
    wanted = asciiLower(std::string(*onlyKey));
  }
  std::vector<std::string> out;
  for (auto& [key, line] : lines) {
    if (!onlyKey || key == wanted) out.push_back(std::move(line));
  }
  return out;
}

}  // namespace pyrovel
