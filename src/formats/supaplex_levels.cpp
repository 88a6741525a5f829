// Supaplex level files ("LEVELS.DAT", "LEVELS.D01", ...): 1536-byte records,
// one level each, of which the editor takes the 60 x 24 map and the number
// of infotrons needed.
#include <span>
#include <string>

#include "formats/cell_notes.h"
#include "formats/levelset_io.h"
#include "formats/supaplex_codes.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::size_t kRecordSize = 1536;
constexpr int kMapWidth = 60, kMapHeight = 24;
constexpr std::size_t kInfotronsNeeded = 1470;
constexpr int kSupaplexLevelTime = 200;
constexpr int kSupaplexEmeraldScore = 3;
constexpr const char* kGaugeLabel = "Supaplex import";

class SupaplexReader {
 public:
  SupaplexReader(LevelsetRead& read, const Bytes& data, const std::string& path)
      : read_(read), map_(read.map), data_(data), path_(path) {}

  void run() {
    map_.currentLevel = kFirstSlot;
    read_.ui.progress(0, kLastSlot, kGaugeLabel);
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
      const std::size_t offset = static_cast<std::size_t>(slot - kFirstSlot) * kRecordSize;
      // A file that ends where a record would start simply holds fewer levels.
      if (offset == data_.size() && slot > kFirstSlot) return;
      if (data_.size() - offset < kRecordSize) {
        throw LevelError(path_, Levelmap::levelNumber(slot), offset,
                         "file ends inside the Supaplex level record (needs " +
                             std::to_string(kRecordSize) + " bytes, " +
                             std::to_string(data_.size() - offset) + " left)");
      }
      const bool stop = readLevel(slot, std::span(data_).subspan(offset, kRecordSize));
      read_.ui.progress(slot, kLastSlot, kGaugeLabel);
      if (stop) return;
    }
  }

 private:
  // True when the user chose to stop at an unknown byte.
  bool readLevel(int slot, std::span<const std::uint8_t> record) {
    LevelHeader& h = map_.header(slot);
    h.setWidth(kMapWidth);
    h.setHeight(kMapHeight);
    const int layer = map_.currentLayer;
    const int level = Levelmap::levelNumber(slot);
    bool stop = false;
    int infotrons = 0;
    for (int y = 0; y < kMapHeight; ++y) {
      for (int x = 0; x < kMapWidth; ++x) {
        const std::uint8_t b = record[static_cast<std::size_t>(kMapWidth * y + x)];
        int object = supaplexCodeToObject(b);
        if (object == kSupaplexUnknown) {
          // A Grover with a memo line, so the status bar can tell what it was.
          object = 15;
          read_.report.notes.push_back(unsupportedAt(level, x, y, b));
          if (!asked_) {
            asked_ = true;
            stop =
                read_.ui.ask("Onbekend karakter: " + std::to_string(b) + " Exit ?") == Answer::Yes;
          }
        }
        map_.cell(layer, slot, x, y) = object;
        if (b == kSupaplexMurphy) {
          h.setPlayerX(x);
          h.setPlayerY(y);
        }
        if (b == kSupaplexInfotron) ++infotrons;
      }
    }
    const int needed = record[kInfotronsNeeded];
    h.setDiamondsNeeded(needed != 0 ? needed : infotrons);
    h.setLevelTime(kSupaplexLevelTime);
    h.setEmeraldScore(kSupaplexEmeraldScore);
    return stop;
  }

  LevelsetRead& read_;
  Levelmap& map_;
  const Bytes& data_;
  const std::string& path_;
  bool asked_ = false;  // only the first unknown byte of a file is asked about
};

}  // namespace

void readSupaplexLevels(LevelsetRead& read, const Bytes& data, const std::string& path) {
  LevelsetReadEnd end(read);
  SupaplexReader(read, data, path).run();
}

}  // namespace pyrovel
