// Supaplex level files ("LEVELS.DAT", "LEVELS.D01", ...): 1536-byte records,
// one level each (see supaplex_record.h), the first 100 of them.
#include <span>
#include <string>

#include "formats/cell_notes.h"
#include "formats/levelset_io.h"
#include "formats/supaplex_record.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::size_t kRecordSize = kSupaplexRecordSize;
constexpr const char* kGaugeLabel = "Supaplex import";

class SupaplexReader {
 public:
  SupaplexReader(LevelsetRead& read, const Bytes& data, const std::string& path)
      : read_(read), map_(read.map), data_(data), path_(path) {}

  void run() {
    map_.currentLevel = kFirstSlot;
    if (const auto note = supaplexLeftOutNote(data_.size(), path_)) {
      read_.report.notes.push_back(*note);
    }
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
    SupaplexRecordRead read =
        readSupaplexRecord(record, map_, slot, map_.currentLayer, Levelmap::levelNumber(slot));
    read_.report.notes.insert(read_.report.notes.end(), read.notes.begin(), read.notes.end());
    if (!read.firstUnknown || asked_) return false;
    asked_ = true;
    return read_.ui.ask("Unknown character " + std::to_string(*read.firstUnknown) + " in the file. Stop reading?") ==
           Answer::Yes;
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
