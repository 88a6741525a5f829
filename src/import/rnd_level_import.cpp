// Rocks & Diamonds levels, in either of the game's layouts.
#include "import/rnd_level_import.h"

#include <algorithm>
#include <map>

#include "formats/memo_lines.h"
#include "formats/rnd_codes.h"
#include "formats/rnd_level_file.h"
#include "import/import_steps.h"
#include "model/file_io.h"
#include "model/object_catalogue.h"

namespace pyrovel {

namespace {

constexpr int kUnsupported = 15, kBiomaze = 242, kTrappedAmoeba = 78;
constexpr int kAmoeba = 11, kSolidWall = 6;
// Cells of one unknown element that get a line of their own (the status bar
// finds a Grover's note by it); the rest are counted.
constexpr int kCellLinesPerElement = 8;

// Header offsets within the classic header block (from the width on).
constexpr std::size_t oScores = 38, oYams = 54, oAmoeba = 90, oMagic = 91, oWheel = 92;

void readHeadFields(const std::vector<std::uint8_t>& head, LevelHeader& lh) {
  auto has = [&](std::size_t at) { return at < head.size(); };
  if (has(oScores + 10)) {
    lh.setEmeraldScore(head[oScores + 0]);
    lh.setDiamondScore(head[oScores + 1]);
    lh.setBugScore(head[oScores + 2]);
    lh.setShipScore(head[oScores + 3]);
    lh.setYamScore(head[oScores + 4]);
    lh.setRobotScore(head[oScores + 5]);
    lh.setNutScore(head[oScores + 7]);
    lh.setDynamiteScore(head[oScores + 8]);
    lh.setKeyScore(head[oScores + 9]);
    lh.setTimeScore(head[oScores + 10]);
  }
  // Yam patterns are stored column by column.
  if (has(oYams + 35)) {
    for (int k = 0; k < 4; ++k) {
      for (int j = 0; j < 9; ++j) {
        lh.setYam(k, j / 3, j % 3,
                  rndCodeToObject(head[oYams + static_cast<std::size_t>(9 * k + j)]));
      }
    }
  }
  if (has(oWheel)) {
    lh.setAmoebaGrowth(head[oAmoeba]);
    lh.setMagicTime(head[oMagic]);
    lh.setWheelTime(head[oWheel]);
  }
}

// Elements without an object: their cells, counted per element.
struct UnknownElement {
  int cells = 0;
  std::vector<std::string> cellLines;
};

// Sokoban's elements: the game has nothing like them, so each comes in as
// the nearest object (a box as a Rock, a target as Empty Space) and is
// named in a note.
const char* sokobanElementName(int element) {
  switch (element) {
    case 67:
      return "Sokoban box";
    case 68:
      return "Sokoban target";
    case 69:
      return "Sokoban box on its target";
    default:
      return nullptr;
  }
}

}  // namespace

void importRndLevel(EditorSession& session, const std::string& path) {
  importRndLevelBytes(session, readFileBytes(path), path);
}

void importRndLevelBytes(EditorSession& session, const Bytes& data, const std::string& name) {
  noteImportFilter(session, "Rocks & Diamonds");
  Levelmap& map = session.map;
  const int slot = map.currentLevel;
  const int level = Levelmap::levelNumber(slot);
  // Read whole before anything is filled: a damaged file leaves the level alone.
  const RndLevelFile file = readRndLevelFile(data, name, level);
  const int w = file.width, h = file.height;
  if (w > kRndMaxMapSide || h > kRndMaxMapSide) {
    throw LevelError(name, level, file.sizeAt + (w > kRndMaxMapSide ? 0 : 1),
                     "map of " + std::to_string(w) + " x " + std::to_string(h) +
                         " cells does not fit a level with its border (at most " +
                         std::to_string(kRndMaxMapSide) + " x " + std::to_string(kRndMaxMapSide) +
                         ")");
  }
  LevelHeader& lh = beginFillingLevel(map, slot);
  lh.setWidth(w + 2);
  lh.setHeight(h + 2);
  // The level time is one byte: longer times are held at its largest value.
  lh.setLevelTime(std::min(file.time / 10, 255));
  setImportedDiamonds(lh, file.gems);
  lh.setTitle(file.name);
  if (!file.author.empty()) lh.setAuthor(file.author);
  readHeadFields(file.head, lh);
  lh.setIntermission(0);

  std::vector<std::string> notes = file.notes;
  std::map<int, UnknownElement> unknown;
  std::map<int, int> sokoban;  // element -> cells
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const int element = file.elements[static_cast<std::size_t>(j * w + i)];
      const int x = i + 1, y = j + 1;
      int object =
          element < 256 ? rndCodeToObject(static_cast<std::uint8_t>(element)) : kUnsupported;
      if (object == kUnsupported) {
        UnknownElement& u = unknown[element];
        if (++u.cells <= kCellLinesPerElement) {
          u.cellLines.push_back(unsupportedAt(level, x, y, element));
        }
      } else if (object == kBiomaze) {
        notes.push_back("Biomaze used at level " + std::to_string(level) + ":" + std::to_string(x) +
                        "," + std::to_string(y) + " :" + std::to_string(element));
        object = 0;
      } else if (sokobanElementName(element)) {
        ++sokoban[element];
      } else if (object == kTrappedAmoeba) {
        object = kAmoeba;
        lh.setConvertTrappedAmoeba(255);
      }
      putImportedCell(map, slot, x, y, object);
    }
  }
  for (auto& [element, u] : unknown) {
    notes.insert(notes.end(), u.cellLines.begin(), u.cellLines.end());
    notes.push_back("Rocks & Diamonds element " + std::to_string(element) + " has no object: " +
                    std::to_string(u.cells) + " cell" + (u.cells == 1 ? "" : "s") + " at level " +
                    std::to_string(level) + " made Grover");
  }
  for (const auto& [element, cells] : sokoban) {
    notes.push_back(
        "Rocks & Diamonds element " + std::to_string(element) + " (" + sokobanElementName(element) +
        ") has no object in the game: " + std::to_string(cells) + " cell" +
        (cells == 1 ? "" : "s") + " at level " + std::to_string(level) + " made " +
        ObjectCatalogue::builtInName(rndCodeToObject(static_cast<std::uint8_t>(element))));
  }
  appendMemoLines(session, notes);

  for (int x = 0; x <= w + 1; ++x) {
    putImportedCell(map, slot, x, 0, kSolidWall);
    putImportedCell(map, slot, x, h + 1, kSolidWall);
  }
  for (int y = 0; y <= h + 1; ++y) {
    putImportedCell(map, slot, 0, y, kSolidWall);
    putImportedCell(map, slot, w + 1, y, kSolidWall);
  }
  finishLevelImport(session);
}

}  // namespace pyrovel
