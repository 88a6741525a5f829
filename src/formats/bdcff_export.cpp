// Writing BDCFF: the whole levelmap (save as type 4) and single levels.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "formats/bdcff.h"
#include "formats/bdcff_codes.h"
#include "formats/bdcff_das_text.h"
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

// The keys of the level record beyond the first four, written when the
// record holds something for them (BDCFF's defaults are zero or empty).
void writeRecordKeys(TextOut& out, const LevelHeader& h) {
  if (h.emeraldScore() != 0 || h.diamondScore() != 0) {
    out.line("DiamondValue=" + std::to_string(h.emeraldScore()) + " " +
             std::to_string(h.diamondScore()));
  }
  if (h.amoebaBrake() != 0) out.line("AmoebaTime=", h.amoebaBrake());
  if (h.maxAmoeba() != 0) {
    // Whole percent as a ratio of the cave's cells.
    const int percent = std::min(h.maxAmoeba(), 100);
    const std::string hundredths = std::to_string(100 + percent % 100).substr(1);
    out.line("AmoebaThreshold=" + std::to_string(percent / 100) + "." + hundredths);
  }
  if (h.slimePermeability() != 0) out.line("SlimePermeabilityC64=", h.slimePermeability());
  if (h.intermission() != 0) out.line("Intermission=true");
  if (!h.author().empty()) out.line("Author=" + h.author());
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
    if (!map.isEmptyLevel(slot)) {
      notes.push_back(level + " (" + std::to_string(h.width()) + " x " +
                      std::to_string(h.height()) +
                      ") is too narrow for a BDCFF cave and is not in the file.");
    }
    return;
  }
  const int w = cappedSide(h.width()), hh = cappedSide(h.height());
  int uncoded = 0;
  bool otherLayerHolds = false;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < hh; ++y) {
      uncoded += !bdcffHasCode(map.cell(layer, slot, x, y), codeLength);
      otherLayerHolds = otherLayerHolds || map.cell(other, slot, x, y) != 0;
    }
  }
  if (uncoded > 0) {
    notes.push_back(level + ": " + std::to_string(uncoded) +
                    " cells of objects without a BDCFF code are written as Solid Wall.");
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
        if (ObjectCatalogue::family(map.cell(map.currentLayer, slot, x, y) & 0xFF) > 1) return 2;
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
    out.line("Name=" + h.title());
    out.line("DiamondsRequired=", h.diamondsNeeded());
    out.line("CaveTime=", h.levelTime());
    out.line("MagicWallTime=", h.magicTime());
    writeRecordKeys(out, h);
    map.bdcffMemo[static_cast<std::size_t>(slot)].forEach([&](std::string_view kept) {
      if (kept.starts_with("Size=")) {
        const int w = std::max(1, cappedSide(h.width())), hh = std::max(1, cappedSide(h.height()));
        out.line(sizeLineFor(kept, w, hh));
      } else {
        out.line(kept);
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
  out.line("; Exported with PRVL Editor version.dll");
  out.line("[BDCFF]");
  out.line("[game]");
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
