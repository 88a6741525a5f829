// BoulderRush caves. Only the rock byte is understood so far; every other
// byte leaves its cell alone.
#include "import/boulderrush_cave_import.h"

#include <algorithm>
#include <cctype>

#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {
constexpr int kRows = 20, kColumns = 40;
constexpr std::uint8_t kRockByte = 4;
constexpr int kRock = 3;
}  // namespace

void importBoulderRushLevel(EditorSession& session, const std::string& path) {
  importBoulderRushLevelBytes(session, readFileBytes(path), path);
}

void importBoulderRushLevelBytes(EditorSession& session, const Bytes& data,
                                 const std::string& name) {
  noteImportFilter(session, "BoulderRush");
  Levelmap& map = session.map;
  const int slot = map.currentLevel;
  std::string ext = extensionOf(name);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == ".brc") {
    // A BRC file is a whole caveset: the settings of many caves, a word per
    // setting and cave, then their maps. Read as one cave it gives noise.
    throw LevelError(name, Levelmap::levelNumber(slot), std::nullopt,
                     "a BRC caveset (many caves with their settings), not a single BoulderRush "
                     "cave; not imported");
  }
  ByteReader in = levelReader(data, name, slot);
  in.seek(kBoulderRushMapOffset);
  const auto cells = in.bytes(static_cast<std::size_t>(kRows * kColumns));

  LevelHeader& h = beginFillingLevel(map, slot);
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      if (cells[static_cast<std::size_t>(y * kColumns + x)] == kRockByte) {
        putImportedCell(map, slot, x, y, kRock);
      }
    }
  }
  h.setWidth(kColumns);
  h.setHeight(22);
  finishLevelImport(session);
}

}  // namespace pyrovel
