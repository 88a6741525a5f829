// Writing BDCFF: the whole levelmap (save as type 4) and single levels.
#include <algorithm>
#include <string_view>

#include "formats/bdcff.h"
#include "formats/bdcff_codes.h"
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
    for (const std::string& kept : map.bdcffMemo[static_cast<std::size_t>(slot)]) out.line(kept);
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

Bytes encodeBdcffLevelset(const Levelmap& map, std::vector<std::string>& /*notes*/) {
  const std::string text = bdcffLevelsetText(map);
  return Bytes(text.begin(), text.end());
}

}  // namespace pyrovel
