// BD4 version 2 levels (".bd4"): one level as two-character text codes.
// After 108 unread bytes come 32 map rows of 64 codes, each row followed by
// a separator byte, then the four yam patterns as three columns of three
// codes, each column followed by a separator byte.
#include "formats/bd4v2_codes.h"
#include "formats/em_map.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {
constexpr std::size_t kMapStart = 108;
constexpr std::size_t kRowBytes = 2 * kEmMapWidth + 1;
constexpr std::size_t kYamStart = kMapStart + kEmMapHeight * kRowBytes;
constexpr std::size_t kYamColumnBytes = 2 * 3 + 1;
// The separator after the last yam column is not needed.
constexpr std::size_t kNeededBytes = kYamStart + 4 * 3 * kYamColumnBytes - 1;

int pairAt(const Bytes& data, std::size_t offset) {
  return bd4V2CodeToObject(static_cast<char>(data[offset]), static_cast<char>(data[offset + 1]));
}
}  // namespace

void readBd4V2Level(LevelsetRead& read, const Bytes& data, const std::string& path) {
  if (data.size() < kNeededBytes) {
    throw LevelError(path, 0, data.size(),
                     "file too short for a BD4 version 2 level (needs " +
                         std::to_string(kNeededBytes) + " bytes, has " +
                         std::to_string(data.size()) + ")");
  }
  Levelmap& map = read.map;
  map.currentLevel = kFirstSlot;
  const int slot = kFirstSlot, layer = map.currentLayer;
  LevelsetReadEnd end(read);
  read.ui.progress(0, 1, "Reading BD4 level");

  LevelHeader& h = map.header(slot);
  h.setWidth(kEmMapWidth);
  h.setHeight(kEmMapHeight);
  for (int y = 0; y < kEmMapHeight; ++y) {
    for (int x = 0; x < kEmMapWidth; ++x) {
      map.cell(layer, slot, x, y) = pairAt(data, kMapStart + y * kRowBytes + 2 * x);
    }
  }
  for (int p = 0; p < 4; ++p) {
    for (int c = 0; c < 3; ++c) {
      const std::size_t column = kYamStart + (3 * p + c) * kYamColumnBytes;
      for (int r = 0; r < 3; ++r) h.setYam(p, c, r, pairAt(data, column + 2 * r));
    }
  }
}

}  // namespace pyrovel
