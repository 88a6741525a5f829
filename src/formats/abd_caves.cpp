// ABD cave files (".caves") and Boulderoid levelmaps (".map" starting with
// "# Boulderoid"): text caves, each announced by "mapstart" on its own line,
// with its size as two-digit numbers on the two lines before it and the
// map, one line per row, after it. Boulderoid files end their lines with
// two characters and use Boulderoid's own map characters.
#include <algorithm>
#include <string>
#include <string_view>

#include "formats/abd_codes.h"
#include "formats/boulderoid_codes.h"
#include "formats/cell_notes.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr int kMaxCaves = 25;
constexpr std::string_view kMapStart = "mapstart";
constexpr const char* kGaugeLabel = "ABD import";

// Where the numbers and the map stand, relative to the first map character.
struct CaveLayout {
  std::size_t lineEnd;       // bytes ending a line
  std::size_t widthBefore;   // the width's two digits start this far before the map
  std::size_t heightBefore;  // the height's two digits start this far before the map
};
constexpr CaveLayout kAbdLayout{1, 22, 12};
constexpr CaveLayout kBoulderoidLayout{2, 25, 14};

class AbdReader {
 public:
  AbdReader(LevelsetRead& read, const Bytes& data, const std::string& path, bool boulderoid)
      : read_(read),
        map_(read.map),
        text_(reinterpret_cast<const char*>(data.data()), data.size()),
        path_(path),
        boulderoid_(boulderoid),
        layout_(boulderoid ? kBoulderoidLayout : kAbdLayout) {}

  void run() {
    map_.currentLevel = kFirstSlot;
    read_.ui.progress(0, kMaxCaves * 5, kGaugeLabel);
    std::size_t from = 0;
    for (int slot = kFirstSlot; slot <= kMaxCaves; ++slot) {
      const std::size_t found = text_.find(kMapStart, std::min(from, text_.size()));
      if (found == std::string_view::npos) return;
      const std::size_t start = found + kMapStart.size() + layout_.lineEnd;
      LevelHeader& h = map_.header(slot);
      h.setWidth(twoDigits(slot, start, layout_.widthBefore, "width"));
      h.setHeight(twoDigits(slot, start, layout_.heightBefore, "height"));
      h.setDiamondsNeeded(12);
      h.setLevelTime(30);
      h.setTimeScore(5);
      h.setDiamondScore(10);
      h.setEmeraldScore(5);
      h.setAmoebaGrowth(10);
      h.setMagicTime(40);
      from = start;
      if (!readMap(slot, from)) return;
      read_.ui.progress(slot * 5, kMaxCaves * 5, kGaugeLabel);
    }
  }

 private:
  [[noreturn]] void fail(int slot, std::size_t offset, const std::string& what) const {
    throw LevelError(path_, Levelmap::levelNumber(slot), offset, what);
  }

  // The number written as two digits `before` bytes ahead of the map.
  int twoDigits(int slot, std::size_t mapStart, std::size_t before, const char* what) const {
    if (mapStart < before || mapStart - before + 2 > text_.size()) {
      fail(slot, found(mapStart),
           std::string("no room for the cave's ") + what + " before \"mapstart\"");
    }
    const std::size_t at = mapStart - before;
    const char tens = text_[at], units = text_[at + 1];
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!digit(tens) || !digit(units)) {
      fail(slot, at, std::string("the cave's ") + what + " is not two digits");
    }
    return (tens - '0') * 10 + (units - '0');
  }
  std::size_t found(std::size_t mapStart) const {
    return mapStart - kMapStart.size() - layout_.lineEnd;
  }

  // Reads the map from `pos` on and leaves `pos` after it. False when the
  // user chose to stop at an unknown character.
  bool readMap(int slot, std::size_t& pos) {
    LevelHeader& h = map_.header(slot);
    const int layer = map_.currentLayer;
    const int level = Levelmap::levelNumber(slot);
    for (int y = 0; y < h.height(); ++y) {
      for (int x = 0; x < h.width(); ++x) {
        if (pos >= text_.size()) {
          fail(slot, pos,
               "file ends inside the cave's map (row " + std::to_string(y) + " of " +
                   std::to_string(h.height()) + ")");
        }
        const char c = text_[pos++];
        int object = boulderoid_ ? boulderoidCharToObject(c) : abdCharToObject(c);
        if (object == kAbdUnknown) {
          // A Grover with a memo line, so the status bar can tell what it was.
          const int code = static_cast<unsigned char>(c);
          map_.cell(layer, slot, x, y) = 15;
          read_.report.notes.push_back(unsupportedAt(level, x, y, code));
          if (read_.ui.ask("Unknown character " + std::to_string(code) + " in the file. Stop reading?") ==
              Answer::Yes) {
            return false;
          }
          continue;
        }
        map_.cell(layer, slot, x, y) = object;
        if (c == 'P') {
          h.setPlayerX(x);
          h.setPlayerY(y);
        }
      }
      pos += layout_.lineEnd;
    }
    return true;
  }

  LevelsetRead& read_;
  Levelmap& map_;
  std::string_view text_;
  const std::string& path_;
  bool boulderoid_;
  CaveLayout layout_;
};

}  // namespace

void readAbdLevels(LevelsetRead& read, const Bytes& data, const std::string& path) {
  LevelsetReadEnd end(read);
  AbdReader(read, data, path, false).run();
}

void readBoulderoidLevels(LevelsetRead& read, const Bytes& data, const std::string& path) {
  LevelsetReadEnd end(read);
  AbdReader(read, data, path, true).run();
}

}  // namespace pyrovel
