// Rocks & Diamonds levels.
#include "import/rnd_level_import.h"

#include <algorithm>
#include <cstring>

#include "formats/memo_lines.h"
#include "formats/rnd_codes.h"
#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::size_t kHeaderAt = 38, kHeaderSize = 112, kMapAt = 150;
constexpr std::size_t kNameLength = 30;
constexpr int kUnsupported = 15, kBiomaze = 242, kTrappedAmoeba = 78;
constexpr int kAmoeba = 11, kSolidWall = 6;

// The level name: a zero byte ends it early.
std::string_view nameAt(const std::uint8_t* p) {
  const char* text = reinterpret_cast<const char*>(p);
  return {text, strnlen(text, kNameLength)};
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
  ByteReader in = levelReader(data, name, slot);
  in.seek(kHeaderAt);
  const auto head = in.bytes(kHeaderSize);
  // File offset `at` within the header block.
  auto byteAt = [&](std::size_t at) { return head[at - kHeaderAt]; };
  auto beAt = [&](std::size_t at) { return getU16be(&head[at - kHeaderAt]); };

  const int w = byteAt(38), h = byteAt(39);
  if (w > kRndMaxMapSide || h > kRndMaxMapSide) {
    in.fail(w > kRndMaxMapSide ? 38 : 39,
            "map of " + std::to_string(w) + " x " + std::to_string(h) +
                " cells does not fit a level with its border (at most " +
                std::to_string(kRndMaxMapSide) + " x " + std::to_string(kRndMaxMapSide) + ")");
  }
  LevelHeader& lh = beginFillingLevel(map, slot);
  lh.setWidth(w + 2);
  lh.setHeight(h + 2);
  // The level time is one byte: longer times are held at its largest value.
  lh.setLevelTime(std::min(beAt(40) / 10, 255));
  setImportedDiamonds(lh, beAt(42));
  lh.setTitle(nameAt(&head[44 - kHeaderAt]));
  lh.setEmeraldScore(byteAt(76));
  lh.setDiamondScore(byteAt(77));
  lh.setBugScore(byteAt(78));
  lh.setShipScore(byteAt(79));
  lh.setYamScore(byteAt(80));
  lh.setRobotScore(byteAt(81));
  lh.setNutScore(byteAt(83));
  lh.setDynamiteScore(byteAt(84));
  lh.setKeyScore(byteAt(85));
  lh.setTimeScore(byteAt(86));
  // Yam patterns are stored column by column.
  for (int k = 0; k < 4; ++k) {
    for (int j = 0; j < 9; ++j) {
      lh.setYam(k, j / 3, j % 3, rndCodeToObject(byteAt(92 + static_cast<std::size_t>(9 * k + j))));
    }
  }
  lh.setAmoebaGrowth(byteAt(128));
  lh.setMagicTime(byteAt(129));
  lh.setWheelTime(byteAt(130));
  lh.setIntermission(0);

  std::vector<std::string> notes;
  auto note = [&](const char* what, int x, int y, int code) {
    notes.push_back(std::string(what) + " at level " + std::to_string(level) + ":" +
                    std::to_string(x) + "," + std::to_string(y) + " :" + std::to_string(code));
  };
  in.seek(kMapAt);
  try {
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        const std::uint8_t code = in.u8();
        const int x = i + 1, y = j + 1;
        int object = rndCodeToObject(code);
        if (object == kUnsupported) {
          note("Unsupported", x, y, code);
        } else if (object == kBiomaze) {
          note("Biomaze used", x, y, code);
          object = 0;
        } else if (object == kTrappedAmoeba) {
          object = kAmoeba;
          lh.setConvertTrappedAmoeba(255);
        }
        putImportedCell(map, slot, x, y, object);
      }
    }
  } catch (const LevelError&) {
    appendMemoLines(session, notes);  // the cells read so far keep their notes
    throw;
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
