// BPBD levelsets of the Brel Boulder game: a 256-byte head and then up to
// 80 level records of 2304 bytes, each a 64 x 32 map with four yam
// patterns.
#include "import/bpbd_levelset.h"

#include <optional>

#include "formats/bd4_levelset.h"
#include "formats/bpbd_codes.h"
#include "formats/levelset_read.h"
#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::size_t kHeadSize = 256, kRecordSize = 2304;
constexpr int kLevels = 80, kMapWidth = 64, kMapHeight = 32;
constexpr std::size_t kAmoeba = 12, kTime = 14, kMap = 112, kYams = 2160;
constexpr int kYamCount = 4;
// Codes the table does not know become Grover, the editor's mark for a cell
// it could not convert, never a negative cell.
constexpr int kUnknownObject = 15;

// Translates codes; the first unknown code of the file asks whether to stop.
class BpbdTranslator {
 public:
  explicit BpbdTranslator(Frontend& ui, std::vector<std::string>& notes) : ui_(ui), notes_(notes) {}

  // The object for a code; nothing when the user chose to stop. `place`
  // names where the code stood for the memo line, "3:5,7" for a cell.
  template <class Place>
  std::optional<int> object(std::uint8_t code, Place&& place) {
    const int object = bpbdCodeToObject(code);
    if (object != kBpbdUnknown) return object;
    notes_.push_back("Unsupported at level " + place() + " :" + std::to_string(code));
    if (!asked_) {
      asked_ = true;
      if (ui_.ask("Unknown character " + std::to_string(code) + " in the file. Stop reading?") == Answer::Yes) {
        return std::nullopt;
      }
    }
    return kUnknownObject;
  }

 private:
  Frontend& ui_;
  bool asked_ = false;
  std::vector<std::string>& notes_;
};

// Reads one record into a slot; false when the user chose to stop.
bool readRecord(std::span<const std::uint8_t> record, Levelmap& map, int slot,
                BpbdTranslator& codes) {
  const int level = Levelmap::levelNumber(slot);
  LevelHeader& h = map.header(slot);
  h.setAmoebaGrowth(record[kAmoeba]);
  h.setLevelTime(record[kTime]);
  setImportedDiamonds(h, 0);
  h.setEmeraldScore(3);
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const auto object =
          codes.object(record[kMap + static_cast<std::size_t>(y * kMapWidth + x)], [&] {
            return std::to_string(level) + ":" + std::to_string(x) + "," + std::to_string(y);
          });
      if (!object) return false;
      putImportedCell(map, slot, x, y, *object);
    }
  }
  // Yam patterns are stored row by row, three codes a row.
  for (int k = 0; k < kYamCount; ++k) {
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) {
        const auto object = codes.object(
            record[kYams + static_cast<std::size_t>(9 * k + 3 * r + c)],
            [&] { return std::to_string(level) + ", yam pattern " + std::to_string(k); });
        if (!object) return false;
        h.setYam(k, c, r, *object);
      }
    }
  }
  return true;
}

}  // namespace

void readBpbdLevelset(LevelsetRead& read, const Bytes& data, const std::string& path) {
  read.report.readerNote = importFilterNote("Brel Boulder");
  Levelmap& map = read.map;
  LevelsetReadEnd end(read);
  BpbdTranslator codes(read.ui, read.report.notes);
  read.ui.progress(0, kLevels, "Reading Brel Boulder levels");
  std::size_t offset = kHeadSize;
  for (int slot = kFirstSlot; slot <= kLevels; ++slot) {
    LevelHeader& h = map.header(slot);
    h.setWidth(kMapWidth);
    h.setHeight(kMapHeight);
    if (offset >= data.size()) break;
    if (data.size() - offset < kRecordSize) {
      throw LevelError(path, Levelmap::levelNumber(slot), offset,
                       "file ends inside the level record (needs " + std::to_string(kRecordSize) +
                           " bytes, " + std::to_string(data.size() - offset) + " left)");
    }
    const bool goOn = readRecord({data.data() + offset, kRecordSize}, map, slot, codes);
    offset += kRecordSize;
    read.ui.progress(slot, kLevels, "Reading Brel Boulder levels");
    if (!goOn) break;
  }
}

}  // namespace pyrovel
