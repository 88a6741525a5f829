// Amiga GAM and BoulderRush game files: an 84-byte head, then up to 20
// levels, each a 292-byte header (words high byte first) and run-length
// coded cells ended by the pair 255, 255.
//
// The levels go to slot 1 on, or from the current level on when the
// reader is appending: the resource explorer asks for that from
// its "Append" box before it opens the game it saved, and "Append levelset"
// on a ".gam" file appends the same way.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/boulderrush_codes.h"
#include "formats/cell_notes.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::size_t kFileHead = 84;
constexpr std::size_t kHeaderSize = 292;
constexpr int kLevelsPerFile = 20;
constexpr int kDefaultWidth = 40, kDefaultHeight = 22;
// The cell count of a standard level: decoding stops past it (or past the
// level's own size when that is larger) when the end pair never comes.
constexpr std::int64_t kStandardCells = 880;
constexpr int kMaxLeadingZeros = 6;
constexpr std::uint8_t kRunMark = 255;
constexpr int kGrover = 15;
constexpr int kLittleFellow = 2;
constexpr const char* kGaugeLabel = "Amiga GAM import";

// Header fields, offsets into the 292-byte header.
enum HeaderOffset : std::size_t {
  hName = 0,
  hWidth = 44,
  hHeight = 46,
  hSlime = 52,
  hMagic = 54,
  hTime = 56,
  hDiamondsNeeded = 62,
  hDiamondScore = 67,
};
constexpr std::size_t kNameSize = 34;
constexpr std::size_t kTitleBytes = 20;

// What the cells of a level ended with.
enum class CellsEnd { EndPair, CellLimit, EndOfFile };

class GamReader {
 public:
  GamReader(LevelsetRead& read, const Bytes& data, const std::string& path)
      : read_(read), map_(read.map), r_(data, path) {}

  // Returns the slot after the last level read.
  int run() {
    if (!read_.appending) map_.currentLevel = kFirstSlot;
    const int first = std::clamp(map_.currentLevel, kFirstSlot, kLastSlot);
    r_.setLevel(Levelmap::levelNumber(first));
    r_.seek(kFileHead);
    int slot = first;
    for (; slot < first + kLevelsPerFile; ++slot) {
      // A file that ends right after a level simply holds fewer levels.
      if (slot > first && r_.atEnd()) break;
      if (slot > kLastSlot) {
        read_.report.notes.push_back("Levels after level " +
                                     std::to_string(Levelmap::levelNumber(kLastSlot)) + " of " +
                                     r_.file() + " not read: the levelmap holds 100 levels");
        break;
      }
      r_.setLevel(Levelmap::levelNumber(slot));
      read_.ui.progress(slot - first, kLevelsPerFile, kGaugeLabel);
      if (!readLevel(slot)) {
        ++slot;
        break;
      }
    }
    return slot;
  }

 private:
  static int wordAt(std::span<const std::uint8_t> header, std::size_t off) {
    return getU16be(&header[off]);
  }

  // False when the file ended with the level's last cell (nothing follows).
  bool readLevel(int slot) {
    const std::size_t headerOffset = r_.pos();
    const std::span<const std::uint8_t> header = r_.bytes(kHeaderSize);
    const int level = Levelmap::levelNumber(slot);
    LevelHeader& h = map_.header(slot);

    // Rows are as long as the file says; what lies beyond the grid is cut.
    int width = wordAt(header, hWidth), height = wordAt(header, hHeight);
    if (width == 0) width = kDefaultWidth;
    if (height == 0) height = kDefaultHeight;
    if (width > kMaxLevelSide || height > kMaxLevelSide) {
      read_.report.notes.push_back("Level " + std::to_string(level) + " of " + r_.file() + " is " +
                                   std::to_string(width) + " x " + std::to_string(height) +
                                   " (offset " + std::to_string(headerOffset + hWidth) +
                                   "): cut to " + std::to_string(std::min(width, kMaxLevelSide)) +
                                   " x " + std::to_string(std::min(height, kMaxLevelSide)));
    }
    h.setWidth(std::min(width, kMaxLevelSide));
    h.setHeight(std::min(height, kMaxLevelSide));
    h.setHatchTime(24);
    h.setMaxAmoeba(22);
    h.setAmoebaGrowth(24);
    h.setConvertTrappedAmoeba(255);
    h.setLevelTime(wordAt(header, hTime) / 5);
    h.setDiamondsNeeded(wordAt(header, hDiamondsNeeded));
    h.setDiamondScore(header[hDiamondScore]);
    h.setSlimePermeability(wordAt(header, hSlime) / 5);
    const int magic = wordAt(header, hMagic);
    h.setAmoebaBrake(magic & 0xFF);
    h.setMagicTime((magic * 4) & 0xFFFF);
    // The name is padded with zero bytes on the Amiga; the title ends at the first.
    const auto name = header.subspan(hName, kNameSize);
    const auto titleBytes = name.first(kTitleBytes);
    const auto titleEnd = std::find(titleBytes.begin(), titleBytes.end(), std::uint8_t{0});
    h.setTitle(std::string(titleBytes.begin(), titleEnd));
    const std::string_view nameText(reinterpret_cast<const char*>(name.data()), name.size());
    h.setIntermission(nameText.find("ntermis") != std::string_view::npos ? 255 : 0);

    return readCells(slot, width, height);
  }

  // Writes one decoded cell at cell number k of a level `width` cells wide.
  void put(int slot, std::int64_t k, int width, std::uint8_t code) {
    const std::int64_t x = k % width, y = k / width;
    const LevelHeader& h = map_.header(slot);
    if (x >= h.width() || y >= h.height()) return;
    const int object = boulderRushCodeToObject(code);
    map_.cell(map_.currentLayer, slot, static_cast<int>(x), static_cast<int>(y)) = object;
    if (object == kLittleFellow) {
      map_.header(slot).setPlayerX(static_cast<int>(x));
      map_.header(slot).setPlayerY(static_cast<int>(y));
    }
    if (object == kGrover) {
      read_.report.notes.push_back(unsupportedAt(Levelmap::levelNumber(slot), x, y, code));
    }
  }

  bool readCells(int slot, int width, int height) {
    // Up to six zero bytes stand before the cells; a seventh byte is taken
    // as the first cell whatever it is.
    std::uint8_t b = 0;
    int read = 0;
    do {
      b = r_.u8();
      ++read;
    } while (b == 0 && read <= kMaxLeadingZeros);
    if (read > kMaxLeadingZeros && !warnedThread_) {
      warnedThread_ = true;
      read_.ui.inform(
          "Oh oh, I lost my thread .... probably this game file won`t be converted correctly ...");
    }

    const std::int64_t levelCells = static_cast<std::int64_t>(width) * height;
    const std::int64_t limit = std::max(kStandardCells, levelCells);
    std::int64_t k = 0;
    CellsEnd end = CellsEnd::EndOfFile;
    for (;;) {
      if (b != kRunMark) {
        put(slot, k++, width, b);
      } else {
        if (r_.atEnd()) break;
        const std::uint8_t c = r_.u8();
        if (c == kRunMark) {
          end = CellsEnd::EndPair;
          break;
        }
        if (r_.atEnd()) break;
        const int n = r_.u8();
        for (int i = 0; i < n; ++i) put(slot, k++, width, c);
      }
      if (k > limit) {
        end = CellsEnd::CellLimit;
        break;
      }
      if (r_.atEnd()) break;
      b = r_.u8();
    }
    if (end != CellsEnd::EndOfFile) return true;
    // Without its end pair a level is whole only when every cell came.
    if (k < levelCells) {
      r_.fail(r_.pos(), "file ends inside the level's cells (" + std::to_string(k) + " of " +
                            std::to_string(levelCells) + " cells read)");
    }
    return false;
  }

  LevelsetRead& read_;
  Levelmap& map_;
  ByteReader r_;
  bool warnedThread_ = false;  // the lost-thread message is shown once per file
};

}  // namespace

void readRushLevels(LevelsetRead& read, const Bytes& data, const std::string& path) {
  read.report.readerNote = "imported with Amiga Gam (& BoulderRush) importfilter V0.04";
  LevelsetReadEnd end(read);
  // The current level steps past the levels read (and stays a level).
  const int next = GamReader(read, data, path).run();
  read.map.currentLevel = std::min(next, kLastSlot);
}

}  // namespace pyrovel
