#include "model/game_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "model/cell_transpose.h"
#include "model/file_io.h"
#include "model/object_catalogue.h"

namespace pyrovel {

namespace {

constexpr std::size_t kRecordV20 = LevelHeader::kSize;
constexpr std::size_t kRecordV11 = 358;
constexpr std::size_t kRecordOldest = 256;

// Checks a level's size before any cell is written: a grid holds at most 128.
void checkSize(const ByteReader& in, std::size_t recordAt, int slot, int w, int h) {
  if (w > kMaxLevelSide || h > kMaxLevelSide) {
    in.fail(recordAt, "level size " + std::to_string(w) + " x " + std::to_string(h) +
                          " is larger than 128 x 128");
  }
  (void)slot;
}

// Moves the fields of an old record (358 bytes, or its first 256 in the
// oldest files) into a 460-byte header. Bytes the old record lacks are zero.
LevelHeader convertOldRecord(std::span<const std::uint8_t> rec) {
  std::uint8_t old[kRecordV11] = {};
  std::copy(rec.begin(), rec.end(), old);
  LevelHeader h;
  h.setWidth(old[0]);
  h.setHeight(old[1]);
  h.setPlayerX(old[2]);
  h.setPlayerY(old[3]);
  h.setDiamondsNeeded(old[4]);
  for (int k = 0; k < 8; ++k)
    for (int x = 0; x < 3; ++x)
      for (int y = 0; y < 3; ++y) h.setYam(k, x, y, old[5 + 9 * k + 3 * x + y]);
  h.setLevelTime(old[77]);
  h.setMagicTime(getU16le(&old[78]));
  h.setWheelTime(getU16le(&old[80]));
  h.setAmoebaGrowth(getU16le(&old[82]));
  std::memcpy(&h.bytes[158], &old[84], 11);
  std::memcpy(&h.bytes[LevelHeader::oTitle], &old[95], 21);
  std::memcpy(&h.bytes[LevelHeader::oAuthor], &old[116], 21);
  std::memcpy(&h.bytes[LevelHeader::oDate], &old[137], 11);
  std::memcpy(&h.bytes[LevelHeader::oInfo], &old[148], 101);
  std::memcpy(&h.bytes[323], &old[249], 16);
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y) h.setWell(x, y, old[265 + 3 * x + y]);
  h.setWellActive(old[274]);
  return h;
}

enum class Version { Oldest, V11, V20 };

void readAny(Levelmap& map, const Bytes& data, const std::string& file, Version v) {
  ByteReader in(data, file);
  map.currentLevel = 1;
  if (v != Version::Oldest) {
    auto head = in.bytes(kLevelmapHeaderSize);
    std::copy(head.begin(), head.end(), map.fileHeader.begin());
  } else {
    in.seek(16);
  }
  const std::size_t recordSize = v == Version::V20   ? kRecordV20
                                 : v == Version::V11 ? kRecordV11
                                                     : kRecordOldest;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    in.setLevel(Levelmap::levelNumber(slot));
    const std::size_t recordAt = in.pos();
    auto rec = in.bytes(recordSize);
    LevelHeader h;
    if (v == Version::V20) {
      std::copy(rec.begin(), rec.end(), h.bytes.begin());
    } else {
      h = convertOldRecord(rec);
    }
    const int w = h.width(), hh = h.height();
    checkSize(in, recordAt, slot, w, hh);
    const int layers = (v == Version::V20 && h.hasBackgroundLayer() != 0) ? 2 : 1;
    const std::size_t cellSize = v == Version::V20 ? 2 : 1;
    // The whole block must be there before anything of this slot changes.
    const std::size_t layerBytes = cellSize * static_cast<std::size_t>(w * hh);
    auto cells = in.bytes(layerBytes * static_cast<std::size_t>(layers));
    std::size_t i = 0;
    for (int layer = 0; layer < layers; ++layer) {
      // An untouched layer stays unallocated while the file gives it only zeros.
      const auto block = cells.subspan(i, layerBytes);
      if (!map.holdsCells(layer, slot) &&
          std::all_of(block.begin(), block.end(), [](std::uint8_t b) { return b == 0; })) {
        i += layerBytes;
        continue;
      }
      // The file holds rows, the grid columns.
      LevelGrid& g = map.grid(layer, slot);
      const std::uint8_t* rows = block.data();
      const std::size_t rowBytes = cellSize * static_cast<std::size_t>(w);
      if (cellSize == 2) {
        transposeCells(rows, rowBytes, hh, w, reinterpret_cast<std::uint8_t*>(g.data()),
                       2 * static_cast<std::size_t>(kGridSide));
      } else {
        for (int x = 0; x < w; ++x) {
          Cell* column = &g[static_cast<std::size_t>(x * kGridSide)];
          const std::uint8_t* at = rows + static_cast<std::size_t>(x);
          for (int y = 0; y < hh; ++y, at += rowBytes) column[y] = *at;
        }
      }
      i += layerBytes;
    }
    if (h.title().empty()) h.setTitle("Level " + std::to_string(Levelmap::levelNumber(slot)));
    if (h.author().empty()) h.setAuthor("Unknown");
    map.header(slot) = h;
  }
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    if (h.width() == 0) h.setWidth(1);
    if (h.height() == 0) h.setHeight(1);
  }
}

// Sizes as written: never beyond what a grid holds.
int clampSide(int v) {
  return std::min(v, kMaxLevelSide);
}

}  // namespace

void readGrotLevel(Levelmap& map, const Bytes& data, const std::string& file) {
  readAny(map, data, file, Version::Oldest);
}
void readGrot2Level(Levelmap& map, const Bytes& data, const std::string& file) {
  readAny(map, data, file, Version::V11);
}
void readGrot3Level(Levelmap& map, const Bytes& data, const std::string& file) {
  readAny(map, data, file, Version::V20);
}

int computeLevelCount(const Levelmap& map) {
  int count = 100;
  for (int slot = kLastSlot; slot >= kFirstSlot; --slot) {
    if (map.isEmptyLevel(slot)) count = static_cast<std::uint8_t>(slot - 3);
  }
  return count;
}

namespace {

// True when any cell of the level's area on `layer` holds an object.
bool anyCell(const Levelmap& map, int layer, int slot, int width, int height) {
  if (!map.holdsCells(layer, slot)) return false;
  const LevelGrid& g = map.grid(layer, slot);
  for (int x = 0; x < width; ++x) {
    const Cell* column = &g[static_cast<std::size_t>(x * kGridSide)];
    if (std::any_of(column, column + height, [](Cell c) { return c != 0; })) return true;
  }
  return false;
}

// Which object numbers 0..255 a level's game layer holds; numbers beyond
// 255 all land in the last entry, which is never asked. A plain store per
// cell, with no branch and no read of what was there.
using NumbersSeen = std::array<bool, 257>;
inline void see(NumbersSeen& seen, Cell c) {
  seen[(c & ~0xff) == 0 ? static_cast<std::size_t>(c) : 256] = true;
}

// Puts one layer's rows, as the file holds them, at `out` and returns the
// end; notes the numbers in `seen`, reading each column in one run.
std::uint8_t* putRows(std::uint8_t* out, const LevelGrid& g, int w, int h, NumbersSeen& seen) {
  const std::size_t rowBytes = 2 * static_cast<std::size_t>(w);
  transposeCells(reinterpret_cast<const std::uint8_t*>(g.data()),
                 2 * static_cast<std::size_t>(kGridSide), w, h, out, rowBytes);
  for (int x = 0; x < w; ++x) {
    const Cell* column = &g[static_cast<std::size_t>(x * kGridSide)];
    for (int y = 0; y < h; ++y) see(seen, column[y]);
  }
  return out + rowBytes * static_cast<std::size_t>(h);
}

// The survey, fed one level at a time: by itself, or by the save as it
// writes the levels, so that their cells are read only once.
class SurveyTally {
 public:
  // The numbers one level's game layer holds (players and objects are the
  // game's, whatever is shown); an untouched layer holds only zeros, which
  // count for nothing here.
  void addLevel(const NumbersSeen& seen, bool belowLevelCount) {
    // One family lookup per number rather than per cell.
    for (int n = 0; n < 256; ++n) {
      const int f = ObjectCatalogue::family(n);
      if (seen[static_cast<std::size_t>(n)] && f >= 2) present_[f] = true;
    }
    if (belowLevelCount) {
      if (seen[obj::Fellow2])
        survey_.players.someHaveTwo = true;
      else
        survey_.players.someLackTwo = true;
    }
  }

  ObjectSurvey result() const {
    ObjectSurvey s = survey_;
    bool present[9];
    std::copy(std::begin(present_), std::end(present_), present);
    // Mixed object sets count as family 7; families 2 and 6 together do not.
    const auto both = [&](int a, int b) { return present[a] && present[b]; };
    if (present[8] || both(2, 3) || both(2, 4) || both(2, 5) || both(3, 4) || both(3, 5) ||
        both(4, 5) || both(6, 3) || both(6, 4) || both(6, 5)) {
      present[7] = true;
    }
    // The last rule that applies wins.
    constexpr std::pair<int, int> kRules[] = {{5, 5}, {2, 2}, {6, 6}, {3, 3}, {4, 3}, {7, 7}};
    for (auto [family, kind] : kRules)
      if (present[family]) s.gameKind = kind;
    return s;
  }

 private:
  bool present_[9] = {};
  ObjectSurvey survey_;
};

}  // namespace

ObjectSurvey surveyObjects(const Levelmap& map, int levelCount) {
  SurveyTally tally;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    const LevelHeader& h = map.header(slot);
    NumbersSeen seen{};
    const int w = clampSide(h.width()), hh = clampSide(h.height());
    const LevelGrid& g = map.grid(kGameLayer, slot);
    for (int x = 0; x < w; ++x) {
      const Cell* column = &g[static_cast<std::size_t>(x * kGridSide)];
      for (int y = 0; y < hh; ++y) see(seen, column[y]);
    }
    tally.addLevel(seen, slot < levelCount);
  }
  return tally.result();
}

namespace {
// The levels are gathered in pieces this large: few calls to the sink, and
// a piece stays in the cache until it is passed on.
constexpr std::size_t kPieceBytes = 256 * 1024;
constexpr std::size_t kMostPerLevel = kRecordV20 + 2 * 2 * kMaxLevelSide * kMaxLevelSide;
static_assert(kPieceBytes >= kMostPerLevel);
}  // namespace

LevelmapFileHeader streamLevelmap(const Levelmap& map, Frontend& ui, const ByteSink& sink) {
  const int levelCount = computeLevelCount(map);
  // The levels first, surveyed as they are written; the header that tells
  // what they hold goes in front of them last.
  SurveyTally tally;
  const auto piece = std::make_unique_for_overwrite<std::uint8_t[]>(kPieceBytes);
  std::uint8_t* const start = piece.get();
  std::uint8_t* end = start;
  std::size_t pieceAt = kLevelmapHeaderSize;  // where the piece goes in the file
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (static_cast<std::size_t>(start + kPieceBytes - end) < kMostPerLevel) {
      sink(pieceAt, {start, end});
      pieceAt += static_cast<std::size_t>(end - start);
      end = start;
    }
    LevelHeader h = map.header(slot);
    for (int k = 0; k < 8; ++k)
      for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
          if (h.yam(k, x, y) == obj::YamRandom) h.setYam(k, x, y, obj::YamUp);
    const int w = clampSide(h.width()), hh = clampSide(h.height());
    h.setWidth(w);
    h.setHeight(hh);
    if (h.hasBackgroundLayer() == 0 && anyCell(map, kBackgroundLayer, slot, w, hh))
      h.setHasBackgroundLayer(1);
    end = std::copy(h.bytes.begin(), h.bytes.end(), end);
    NumbersSeen seen{};
    end = putRows(end, map.grid(kGameLayer, slot), w, hh, seen);
    tally.addLevel(seen, slot < levelCount);
    if (h.hasBackgroundLayer() != 0) {
      NumbersSeen unused;
      end = putRows(end, map.grid(kBackgroundLayer, slot), w, hh, unused);
    }
  }
  sink(pieceAt, {start, end});

  const ObjectSurvey survey = tally.result();
  int players = survey.players.someHaveTwo ? 2 : 1;
  if (survey.players.someHaveTwo && survey.players.someLackTwo) {
    players = ui.ask(
                  "Some levels have 2 players and some have 1. Save the levelmap as a 2-player "
                  "map? The file holds one player count for all levels: Yes writes 2, No "
                  "writes 1.") == Answer::Yes
                  ? 2
                  : 1;
  }
  LevelmapFileHeader head = map.fileHeader;
  std::memcpy(head.data(), kMagicV20, 12);
  head[12] = static_cast<std::uint8_t>(levelCount);
  head[270] = static_cast<std::uint8_t>(players);
  head[271] = static_cast<std::uint8_t>(survey.gameKind);
  sink(0, head);
  return head;
}

Bytes encodeLevelmap(const Levelmap& map, Frontend& ui) {
  Bytes out;
  streamLevelmap(
      map, ui, [&](std::size_t at, std::span<const std::uint8_t> piece) { putAt(out, at, piece); });
  return out;
}

void writeLevel(Levelmap& map, Frontend& ui, const std::string& path) {
  AtomicFile file(path);
  const LevelmapFileHeader head = streamLevelmap(
      map, ui,
      [&](std::size_t at, std::span<const std::uint8_t> piece) { file.writeAt(at, piece); });
  file.commit();
  // The file's header as written (level count, players, game kind) is the
  // levelmap's from now on.
  map.fileHeader = head;
  map.modified = false;
}

Bytes encodeTestLevel(const Levelmap& map) {
  ByteWriter out;
  auto head = map.fileHeader;
  std::memcpy(head.data(), kMagicV20, 12);
  out.bytes(head);
  const LevelHeader& h = map.current();
  out.bytes(h.bytes);
  const int w = clampSide(h.width()), hh = clampSide(h.height());
  Bytes& data = out.data();
  const std::size_t cellsAt = data.size();
  data.resize(cellsAt + 2 * static_cast<std::size_t>(w * hh));
  NumbersSeen unused;
  putRows(data.data() + cellsAt, map.grid(map.currentLayer, map.currentLevel), w, hh, unused);
  return out.take();
}

void writeTestLevelFile(const Levelmap& map, const std::string& path) {
  writeFileAtomically(path, encodeTestLevel(map));
}

}  // namespace pyrovel
