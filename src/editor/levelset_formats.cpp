#include "editor/levelset_formats.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "formats/em_formats.h"
#include "formats/levelset_io.h"
#include "import/bpbd_levelset.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

bool startsWith(const Bytes& data, std::string_view text) {
  return data.size() >= text.size() && std::memcmp(data.data(), text.data(), text.size()) == 0;
}

// The game's own levelmaps, by the magic of each version.
using GameReader = void (*)(Levelmap&, const Bytes&, const std::string&);
GameReader gameReaderFor(const Bytes& data) {
  if (startsWith(data, kMagicV20)) return readGrot3Level;
  if (startsWith(data, kMagicV11)) return readGrot2Level;
  if (startsWith(data, kMagicOldest)) return readGrotLevel;
  return nullptr;
}
bool isGameLevelmap(const Bytes& data, const std::string&) {
  return gameReaderFor(data) != nullptr;
}
void readGameLevelmap(LevelsetRead& read, const Bytes& data, const std::string& path) {
  const GameReader reader = gameReaderFor(data);
  if (!reader) throw LevelError(path, std::nullopt, 0, "not a levelmap of the game (no magic)");
  reader(read.map, data, path);
}
void writeGameLevelmap(const Levelmap& map, Frontend& ui, std::vector<std::string>&,
                       const ByteSink& out) {
  streamLevelmap(map, ui, out);
}

bool isBoulderoid(const Bytes& data, const std::string&) {
  return startsWith(data, "# Boulderoid") || startsWith(data, "# CaveToMap ");
}
bool isBpbd(const Bytes& data, const std::string&) {
  return startsWith(data, "BPBD");
}
bool isEmV6Levelset(const Bytes& data, const std::string&) {
  return isEmV6LevelsetSize(data.size());
}
// ".levels" files are always BD4; a ".lev" file of whole V6 records is an
// Emerald Mine V6 levelset instead.
bool isBd4Levelset(const Bytes& data, const std::string& path) {
  return sameTextIgnoringCase(extensionOf(path), ".levels") || !isEmV6LevelsetSize(data.size());
}

// Supaplex levelsets: any name whose first six letters are "levels" and
// whose extension starts with ".d" ("LEVELS.DAT", "levels2.dat",
// "LEVELS_copy.D01"). The pattern alone would also take "levels.dat.bak".
bool isSupaplexName(const Bytes&, const std::string& path) {
  const std::string extension = extensionOf(path);
  return extension.size() >= 2 && sameTextIgnoringCase(extension.substr(0, 2), ".d");
}

// The encoders that need no questions.
template <Bytes (*Encode)(const Levelmap&, std::vector<std::string>&)>
void withoutQuestions(const Levelmap& map, Frontend&, std::vector<std::string>& notes,
                      const ByteSink& out) {
  out(0, Encode(map, notes));
}

// Readers are tried in this order; the first whose patterns and content
// check fit the file reads it.
constexpr std::array<LevelsetFormat, 11> kFormats{{
    {"map", "Pyrovel levelmap", "*.map", isGameLevelmap, readGameLevelmap, writeGameLevelmap,
     ".map", true},
    {"boulderoid", "Boulderoid levels", "*.map", isBoulderoid, readBoulderoidLevels, nullptr, ""},
    {"bpbd", "Brel Boulder", "*.map", isBpbd, readBpbdLevelset, nullptr, ""},
    {"caves", "ABD level file", "*.caves", nullptr, readAbdLevels, nullptr, ""},
    {"gam", "Amiga GAM / BoulderRush game", "*.gam", nullptr, readRushLevels, nullptr, ""},
    {"bd4", "Emerald Mines V4 / BD4", "*.lev;*.levels", isBd4Levelset, readBd4Levelset,
     withoutQuestions<encodeBd4Levelset>, ".lev"},
    {"emv6", "Emerald Mines V6", "*.lev", isEmV6Levelset, readEmV6Levelset,
     withoutQuestions<encodeEmV6Levelset>, ".lev"},
    {"bd4level", "BoulderDash 4 level", "*.bd4", nullptr, readBd4V2Level, nullptr, ""},
    {"das", "Dash Dimensions", "*.das", nullptr, readDasLevels, nullptr, ""},
    {"bdcff", "Boulderdash Common File Format", "*.bd", nullptr, readBdcff,
     withoutQuestions<encodeBdcffLevelset>, ".bd", true},
    {"supaplex", "Supaplex", "levels*.d*", isSupaplexName, readSupaplexLevels, nullptr, ""},
}};

std::vector<std::string_view> patternsOf(const LevelsetFormat& format) {
  std::vector<std::string_view> out;
  std::string_view rest = format.patterns;
  while (!rest.empty()) {
    const std::size_t end = rest.find(';');
    out.push_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  return out;
}

std::string joined(const std::vector<std::string_view>& patterns) {
  std::vector<std::string_view> seen;
  std::string out;
  for (std::string_view p : patterns) {
    if (std::find(seen.begin(), seen.end(), p) != seen.end()) continue;  // "*.map" once
    seen.push_back(p);
    if (!out.empty()) out += ' ';
    out += p;
  }
  return out;
}

}  // namespace

std::span<const LevelsetFormat> levelsetFormats() {
  return kFormats;
}

Bytes writeLevelsetBytes(const LevelsetFormat& format, const Levelmap& map, Frontend& ui,
                         std::vector<std::string>& notes) {
  Bytes out;
  format.write(map, ui, notes,
               [&](std::size_t at, std::span<const std::uint8_t> piece) { putAt(out, at, piece); });
  return out;
}

const LevelsetFormat* findLevelsetFormat(std::string_view key) {
  for (const LevelsetFormat& f : kFormats) {
    if (sameTextIgnoringCase(key, f.key)) return &f;
  }
  return nullptr;
}

bool matchesFormatName(const LevelsetFormat& format, const std::string& path) {
  const std::string name = fileNamePart(path);
  for (std::string_view pattern : patternsOf(format)) {
    if (matchesFilePattern(name, pattern)) return true;
  }
  return false;
}

const LevelsetFormat* readerForFile(const std::string& path, const Bytes& data) {
  for (const LevelsetFormat& f : kFormats) {
    if (f.read && matchesFormatName(f, path) && (!f.accepts || f.accepts(data, path))) return &f;
  }
  return nullptr;
}

const LevelsetFormat* writerForName(const std::string& path) {
  for (const LevelsetFormat& f : kFormats) {
    if (f.write && sameTextIgnoringCase(extensionOf(path), f.saveExtension)) return &f;
  }
  return nullptr;
}

std::vector<std::string> openDialogFilters() {
  std::vector<std::string_view> all;
  std::vector<std::string> filters;
  for (const LevelsetFormat& f : kFormats) {
    if (!f.read) continue;
    const auto patterns = patternsOf(f);
    all.insert(all.end(), patterns.begin(), patterns.end());
    filters.push_back(std::string(f.name) + " (" + joined(patterns) + ")");
  }
  filters.insert(filters.begin(), "All levelsets (" + joined(all) + ")");
  return filters;
}

std::vector<const LevelsetFormat*> writableFormats() {
  std::vector<const LevelsetFormat*> out;
  for (const LevelsetFormat& f : kFormats) {
    if (f.write) out.push_back(&f);
  }
  return out;
}

std::vector<std::string> saveDialogFilters() {
  std::vector<std::string> filters;
  for (const LevelsetFormat* f : writableFormats()) {
    filters.push_back(std::string(f->name) + " (*" + f->saveExtension + ")");
  }
  return filters;
}

}  // namespace pyrovel
