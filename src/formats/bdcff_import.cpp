// Reading BDCFF levelsets: caves fill slots 1, 2, ... in file order. Lines
// of a cave the editor does not use are kept per level and written back by
// the export.
#include <string_view>
#include <vector>

#include "formats/bdcff_codes.h"
#include "formats/bdcff_das_text.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"
#include "model/version.h"

namespace pyrovel {

namespace {

constexpr std::size_t kMaxValueText = 1000;

class BdcffImport {
 public:
  BdcffImport(LevelsetRead& read, std::string_view text, std::string file)
      : read_(read), map_(read.map), lines_(splitLines(text)), file_(std::move(file)) {}

  // Returns the slot after the last cave read.
  int run() {
    int slot = kFirstSlot;
    while (next_ < lines_.size() && slot <= kLastSlot) {
      std::string_view line = trimLine(lines_[next_++]);
      if (line == "[mapcodes]") line = readMapCodes();
      if (line == "[cave]") {
        readCave(slot);
        read_.ui.progress(slot, kLastSlot, "BDCFF import");
        ++slot;
      }
    }
    return slot;
  }

 private:
  // Returns the last line read, which the caller tests for "[cave]".
  std::string_view readMapCodes() {
    std::string_view line;
    while (next_ < lines_.size()) {
      line = trimLine(lines_[next_++]);
      if (line == "[/mapcodes]") break;
      const auto eq = line.find('=');
      if (eq == std::string_view::npos) continue;
      if (line.substr(0, eq) == "Length" && readLooseInt(line.substr(eq + 1)).value == 2) {
        codeLength_ = 2;
      }
    }
    return line;
  }

  void readCave(int slot) {
    std::vector<std::string>& memo = map_.bdcffMemo[static_cast<std::size_t>(slot)];
    memo.clear();
    LevelHeader& h = map_.header(slot);
    while (next_ < lines_.size()) {
      const std::string_view line = lines_[next_++];
      if (line == "[/cave]") return;
      if (readKey(line, h)) continue;
      if (line == "[map]") {
        readMap(slot);
        continue;
      }
      memo.emplace_back(line);
    }
  }

  // One of the four keys the level record takes; false for anything else.
  static bool readKey(std::string_view line, LevelHeader& h) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    const std::string_view key = line.substr(0, eq);
    const std::string_view value = line.substr(eq + 1, kMaxValueText);
    if (key == "Name") {
      h.setTitle(value);
    } else if (key == "DiamondsRequired") {
      h.setDiamondsNeeded(readLooseInt(value).value);
    } else if (key == "CaveTime") {
      h.setLevelTime(readLooseInt(value).value);
    } else if (key == "MagicWallTime") {
      h.setMagicTime(readLooseInt(value).value);
    } else {
      return false;
    }
    return true;
  }

  void readMap(int slot) {
    const std::size_t firstRowLine = next_ + 1;
    LevelHeader& h = map_.header(slot);
    const int layer = map_.currentLayer;
    const auto codeLength = static_cast<std::size_t>(codeLength_);
    bool cut = false;
    int y = 0;
    while (next_ < lines_.size()) {
      const std::string_view row = lines_[next_++];
      if (row == "[/map]") break;
      // The level grid holds at most 128 x 128 cells: the rest is dropped.
      if (y >= kMaxLevelSide) {
        cut = true;
        continue;
      }
      std::size_t codes = row.size() / codeLength;
      if (codes > static_cast<std::size_t>(kMaxLevelSide)) {
        codes = kMaxLevelSide;
        cut = true;
      }
      for (std::size_t i = 0; i < codes; ++i) {
        const int object = bdcffCodeToObject(row.substr(i * codeLength, codeLength));
        const int x = static_cast<int>(i);
        map_.cell(layer, slot, x, y) = object;
        if (object == 2) {
          h.setPlayerX(x);
          h.setPlayerY(y);
        }
      }
      h.setWidth(static_cast<int>(codes));
      h.setHeight(y + 1);
      ++y;
    }
    if (cut) {
      read_.report.notes.push_back("Level " + std::to_string(Levelmap::levelNumber(slot)) +
                                   ": BDCFF map larger than 128 x 128 cells, cut to 128 (" + file_ +
                                   ", map from line " + std::to_string(firstRowLine) + ")");
    }
  }

  LevelsetRead& read_;
  Levelmap& map_;
  std::vector<std::string_view> lines_;
  std::string file_;
  std::size_t next_ = 0;
  int codeLength_ = 1;
};

}  // namespace

void readBdcff(LevelsetRead& read, const Bytes& data, const std::string& path) {
  read.report.readerNote =
      std::string("Imported with BDCFF importfilter V0.1 beta. Editor version:") + kEditorVersion;
  int slot = kFirstSlot;
  {
    LevelsetReadEnd end(read);
    read.ui.progress(0, kLastSlot, "BDCFF import");
    slot = BdcffImport(read, asText(data), path).run();
  }
  // A file without caves is not a levelset: nothing is opened.
  if (slot == kFirstSlot) throw LevelError(path, std::nullopt, std::nullopt, "no BDCFF cave found");
  // The slot after the last cave is prepared as the next level to fill.
  if (slot <= kLastSlot) {
    LevelHeader& next = read.map.header(slot);
    next.setTitle("Cave" + std::to_string(slot));
    next.setHatchTime(24);
    next.setAmoebaGrowth(24);
  }
}

}  // namespace pyrovel
