// Writing BDCFF: the whole levelmap (save as type 4) and single levels.
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/bdcff.h"
#include "formats/bdcff_cave.h"
#include "formats/bdcff_codes.h"
#include "formats/bdcff_das_text.h"
#include "formats/bdcff_elements.h"
#include "formats/bdcff_record_keys.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"
#include "model/object_catalogue.h"

namespace pyrovel {

namespace {

class TextOut {
 public:
  void line(std::string_view text) {
    out_ += text;
    out_ += "\r\n";
  }
  void line(std::string_view key, int value) {
    out_ += key;
    out_ += std::to_string(value);
    out_ += "\r\n";
  }
  std::string& text() { return out_; }

 private:
  std::string out_;
};

// A header byte beyond the grid must not lead the writers outside it.
int cappedSide(int side) {
  return std::min(side, kMaxLevelSide);
}

void writeMapCodes(TextOut& out, int codeLength, bool xml) {
  if (codeLength != 2) return;
  if (xml) {
    out.line("<mapcodes>");
    out.line("<length>2</length>");
    out.line("</mapcodes>");
  } else {
    out.line("[mapcodes]");
    out.line("Length=2");
    out.line("[/mapcodes]");
  }
}

// The value of "Key=value" in the game's kept lines, or nothing.
std::optional<std::string_view> gameValue(const Levelmap& map, std::string_view key) {
  std::optional<std::string_view> found;
  map.bdcffGame.forEach([&](std::string_view line) {
    if (found || !line.starts_with(key) || line.size() <= key.size() || line[key.size()] != '=') {
      return;
    }
    found = trimLine(line.substr(key.size() + 1));
  });
  return found;
}

// A kept "Size=w h [x1 y1 x2 y2]" line follows the level's size: the
// visible area is kept inside it.
std::string sizeLineFor(std::string_view kept, int w, int h) {
  std::vector<int> v;
  std::size_t i = 5;
  while (i < kept.size() && v.size() < 6) {
    while (i < kept.size() && (kept[i] == ' ' || kept[i] == '\t')) ++i;
    std::size_t j = i;
    while (j < kept.size() && kept[j] != ' ' && kept[j] != '\t') ++j;
    if (j == i) break;
    const LooseInt n = readLooseInt(kept.substr(i, j - i));
    if (!n.whole) break;
    v.push_back(n.value);
    i = j;
  }
  if (v.size() >= 2 && v[0] == w && v[1] == h) return std::string(kept);
  std::string line = "Size=" + std::to_string(w) + " " + std::to_string(h);
  if (v.size() == 6) {
    line += " " + std::to_string(std::clamp(v[2], 0, w - 1)) + " " +
            std::to_string(std::clamp(v[3], 0, h - 1)) + " " +
            std::to_string(std::clamp(v[4], 0, w - 1)) + " " +
            std::to_string(std::clamp(v[5], 0, h - 1));
  }
  return line;
}

}  // namespace

void noteBdcffLevelLosses(const Levelmap& map, int slot, int layer, int codeLength,
                          std::vector<std::string>& notes) {
  const int other = layer == kGameLayer ? kBackgroundLayer : kGameLayer;
  const LevelHeader& h = map.header(slot);
  const std::string level = "Level " + std::to_string(Levelmap::levelNumber(slot));
  if (h.width() <= 3) {
    // An empty slot, or a level only looked at (3 x 3, nothing in it), is no loss.
    if (!map.isEmptyLevel(slot) && map.holdsAnything(slot)) {
      notes.push_back(level + " (" + std::to_string(h.width()) + " x " +
                      std::to_string(h.height()) +
                      ") is too narrow for a BDCFF cave and is not in the file.");
    }
    return;
  }
  const int w = cappedSide(h.width()), hh = cappedSide(h.height());
  int uncoded = 0;
  std::map<int, int> byObject;  // the cells of each object without a code
  bool otherLayerHolds = false;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < hh; ++y) {
      const int object = map.cell(layer, slot, x, y);
      if (!bdcffHasCode(object, codeLength)) {
        ++uncoded;
        ++byObject[object];
      }
      otherLayerHolds = otherLayerHolds || map.cell(other, slot, x, y) != 0;
    }
  }
  if (uncoded > 0) {
    std::string which;
    for (const auto& [object, cells] : byObject) {
      const std::string name = object <= 255 ? ObjectCatalogue::builtInName(object) : "";
      which += (which.empty() ? "" : ", ") +
               (name.empty() ? "object " + std::to_string(object) : name) + ": " +
               std::to_string(cells);
    }
    notes.push_back(level + ": " + std::to_string(uncoded) +
                    " cells of objects without a BDCFF code are written as Solid Wall (" + which +
                    ").");
  }
  if (otherLayerHolds) {
    notes.push_back(level + ": the " + (other == kBackgroundLayer ? "background" : "game") +
                    " layer is not written; BDCFF holds one layer.");
  }
}

namespace {

// What the levelset file cannot hold, level by level: a level too narrow to
// be written, objects without a map code (written as Solid Wall), cells of
// the layer that is not written.
void noteWhatIsLeftOut(const Levelmap& map, int codeLength, std::vector<std::string>& notes) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    noteBdcffLevelLosses(map, slot, map.currentLayer, codeLength, notes);
  }
}

}  // namespace

int bdcffCodeLength(const Levelmap& map, int firstSlot, int lastSlot) {
  for (int slot = firstSlot; slot <= lastSlot; ++slot) {
    const LevelHeader& h = map.header(slot);
    const int w = cappedSide(h.width()), hh = cappedSide(h.height());
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < hh; ++y) {
        const int object = map.cell(map.currentLayer, slot, x, y) & 0xFF;
        // A family of its own, or a code in two characters only.
        if (ObjectCatalogue::family(object) > 1 ||
            (!bdcffHasCode(object, 1) && bdcffHasCode(object, 2))) {
          return 2;
        }
      }
    }
  }
  return 1;
}

std::string bdcffLevelLines(const Levelmap& map, int slot, bool xml, int codeLength) {
  const LevelHeader& h = map.header(slot);
  TextOut out;
  if (xml) {
    out.line("<cave>");
    out.line("<map>");
  } else {
    out.line("[cave]");
    const KeptLines& memo = map.bdcffMemo[static_cast<std::size_t>(slot)];
    // A record key the cave's kept lines hold is written where they hold it.
    std::array<bool, kBdcffRecordKeys.size()> kept{};
    memo.forEach([&](std::string_view line) {
      if (const auto key = bdcffRecordKeyOfLine(line)) {
        kept[static_cast<std::size_t>(*key)] = true;
        // Two spellings of one field.
        if (*key == BdcffRecordKey::SlimePermeability) {
          kept[static_cast<std::size_t>(BdcffRecordKey::SlimePermeabilityC64)] = true;
        }
      }
    });
    for (const BdcffRecordKey key : kBdcffRecordKeys) {
      if (kept[static_cast<std::size_t>(key)]) continue;
      // The game's author is every cave's that names none.
      if (key == BdcffRecordKey::Author &&
          gameValue(map, "Author") == std::optional<std::string_view>(h.author())) {
        continue;
      }
      if (const auto line = bdcffRecordLine(h, key)) out.line(*line);
    }
    int diamonds = 0;
    for (int x = 0; x < cappedSide(h.width()); ++x) {
      for (int y = 0; y < cappedSide(h.height()); ++y) {
        diamonds += map.cell(map.currentLayer, slot, x, y) == kBdcffDiamond;
      }
    }
    memo.forEach([&](std::string_view line) {
      if (line.starts_with("Size=")) {
        const int w = std::max(1, cappedSide(h.width())), hh = std::max(1, cappedSide(h.height()));
        out.line(sizeLineFor(line, w, hh));
      } else if (bdcffRecordKeyOfLine(line)) {
        out.line(bdcffKeptRecordLine(h, line, diamonds));
      } else {
        out.line(line);
      }
    });
    out.line("[map]");
  }
  const int w = cappedSide(h.width()), hh = cappedSide(h.height());
  std::string row;
  for (int y = 0; y < hh; ++y) {
    row.clear();
    for (int x = 0; x < w; ++x) {
      row += bdcffObjectToCode(map.cell(map.currentLayer, slot, x, y), codeLength);
    }
    out.line(row);
  }
  if (xml) {
    out.line("</map>");
    out.line("</cave>");
  } else {
    out.line("[/map]");
    out.line("[/cave]");
  }
  return std::move(out.text());
}

std::string bdcffLevelsetText(const Levelmap& map) {
  const int codeLength = bdcffCodeLength(map, kFirstSlot, kLastSlot);
  TextOut out;
  out.line(kBdcffWriterComment);
  out.line("[BDCFF]");
  // The game's own lines as the file had them, [game] among them.
  bool gameOpened = false;
  map.bdcffGame.forEach(
      [&](std::string_view line) { gameOpened = gameOpened || line == "[game]"; });
  if (!gameOpened) out.line("[game]");
  map.bdcffGame.forEach([&](std::string_view line) { out.line(line); });
  writeMapCodes(out, codeLength, false);
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (map.header(slot).width() > 3) out.text() += bdcffLevelLines(map, slot, false, codeLength);
  }
  out.line("[/game]");
  out.line("[/BDCFF]");
  return std::move(out.text());
}

std::string bdcffLevelText(const Levelmap& map, bool xml) {
  const int codeLength = bdcffCodeLength(map, map.currentLevel, map.currentLevel);
  TextOut out;
  out.line(xml ? "<bdcff>" : "[BDCFF]");
  out.line(xml ? "<game>" : "[game]");
  writeMapCodes(out, codeLength, xml);
  out.text() += bdcffLevelLines(map, map.currentLevel, xml, codeLength);
  out.line(xml ? "</game>" : "[/game]");
  out.line(xml ? "</bdcff>" : "[/BDCFF]");
  return std::move(out.text());
}

void exportToBdcff(const Levelmap& map, const std::string& path, bool xml) {
  writeFileAtomically(path, bdcffLevelText(map, xml));
}

Bytes encodeBdcffLevelset(const Levelmap& map, std::vector<std::string>& notes) {
  noteWhatIsLeftOut(map, bdcffCodeLength(map, kFirstSlot, kLastSlot), notes);
  const std::string text = bdcffLevelsetText(map);
  return Bytes(text.begin(), text.end());
}

}  // namespace pyrovel
