#include "formats/supaplex_record.h"

#include "formats/memo_lines.h"
#include "formats/supaplex_codes.h"

namespace pyrovel {

namespace {

constexpr int kMapWidth = 60, kMapHeight = 24;
constexpr std::size_t kTitleAt = 1446, kTitleLength = 23;
constexpr std::size_t kInfotronsNeeded = 1470;
constexpr int kSupaplexLevelTime = 200;
constexpr int kSupaplexEmeraldScore = 3;
constexpr int kGrover = 15;

}  // namespace

std::string supaplexTitle(std::span<const std::uint8_t> record) {
  const auto title = record.subspan(kTitleAt, kTitleLength);
  return std::string(title.begin(), title.end());
}

std::string trimmedSupaplexTitle(const std::string& title) {
  const std::size_t first = title.find_first_not_of("- ");
  if (first == std::string::npos) return {};
  return title.substr(first, title.find_last_not_of("- ") - first + 1);
}

SupaplexRecordRead readSupaplexRecord(std::span<const std::uint8_t> record, Levelmap& map, int slot,
                                      int layer, int level) {
  SupaplexRecordRead read;
  LevelHeader& h = map.header(slot);
  h.setWidth(kMapWidth);
  h.setHeight(kMapHeight);
  int infotrons = 0;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const std::uint8_t b = record[static_cast<std::size_t>(kMapWidth * y + x)];
      int object = supaplexCodeToObject(b);
      if (object == kSupaplexUnknown) {
        // A Grover with a memo line, so the status bar can tell what it was.
        object = kGrover;
        read.notes.push_back(unsupportedAt(level, x, y, b));
        if (!read.firstUnknown) read.firstUnknown = b;
      }
      map.cell(layer, slot, x, y) = object;
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
  const std::string title = supaplexTitle(record);
  h.setTitle(trimmedSupaplexTitle(title));
  h.setInfo(title);
  return read;
}

std::optional<std::string> supaplexLeftOutNote(std::size_t fileSize, const std::string& path) {
  const std::size_t records = fileSize / kSupaplexRecordSize;
  const std::size_t levels = kLastSlot - kFirstSlot + 1;
  if (records <= levels) return std::nullopt;
  return path + " holds " + std::to_string(records) + " levels; the first " +
         std::to_string(levels) + " were read, " + std::to_string(records - levels) + " left out";
}

}  // namespace pyrovel
