// Diamond Caves II levels.
#include "import/dc2_level_import.h"

#include <algorithm>

#include "formats/dc2_codes.h"
#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::size_t kHeaderSize = 344;
constexpr int kYamSlots = 8;
constexpr int kQuestionMark = 138;
constexpr std::uint16_t kPlainEmptyCode = 5495;  // Empty Space that is meant as such
constexpr std::size_t kTitleLength = 251, kTitleMax = 40;
constexpr std::size_t kAuthorLength = 292, kAuthorMax = 31;

// A length-prefixed text of at most `max` characters.
std::string_view textAt(std::span<const std::uint8_t> header, std::size_t lengthAt,
                        std::size_t max) {
  const std::size_t length = std::min<std::size_t>(header[lengthAt], max);
  return {reinterpret_cast<const char*>(&header[lengthAt + 1]), length};
}

// Puts a player object where the header says, when that lies in the level.
void placePlayer(Levelmap& map, int slot, int x, int y, int object) {
  const LevelHeader& h = map.header(slot);
  if (x < h.width() && y < h.height()) map.cell(kGameLayer, slot, x, y) = object;
}

}  // namespace

Bytes descrambleDc2(const Bytes& scrambled) {
  Bytes out(scrambled.size() / 2 * 2);
  std::uint16_t prev = 0;
  int k = -1;
  for (std::size_t i = 0; i < out.size(); i += 2) {
    const std::uint16_t w = getU16le(&scrambled[i]);
    putU16le(&out[i], static_cast<std::uint16_t>(w - prev - k));
    prev = w;
    if (++k > 30) k = 0;
  }
  return out;
}

void importDc2Level(EditorSession& session, const std::string& path) {
  importDc2LevelBytes(session, readFileBytes(path), path);
}

void importDc2LevelBytes(EditorSession& session, const Bytes& scrambled, const std::string& name) {
  noteImportFilter(session, "Diamond Caves II");
  const Bytes data = descrambleDc2(scrambled);
  Levelmap& map = session.map;
  const int slot = map.currentLevel;
  const int level = Levelmap::levelNumber(slot);
  ByteReader in = levelReader(data, name, slot);
  const auto head = in.bytes(kHeaderSize);
  auto word = [&](std::size_t at) { return getU16le(&head[at]); };
  auto low = [&](std::size_t at) { return head[at]; };

  const int width = low(6), height = low(8);
  if (width > kMaxLevelSide || height > kMaxLevelSide) {
    in.fail(width > kMaxLevelSide ? 6 : 8, "level of " + std::to_string(width) + " x " +
                                               std::to_string(height) + " cells is larger than " +
                                               std::to_string(kMaxLevelSide) + " x " +
                                               std::to_string(kMaxLevelSide));
  }
  LevelHeader& h = beginFillingLevel(map, slot);
  h.setWidth(width);
  h.setHeight(height);
  // Positions are stored counting from 1.
  h.setPlayerX(word(10) - 1);
  h.setPlayerY(word(12) - 1);
  h.setPlayer2X(word(14) - 1);
  h.setPlayer2Y(word(16) - 1);
  setImportedDiamonds(h, word(18));
  h.setEmeraldScore(low(20));
  h.setDiamondScore(low(22));
  h.setNutScore(low(28));
  h.setRobotScore(low(30));
  h.setShipScore(low(32));
  h.setBugScore(low(34));
  h.setYamScore(low(36));
  h.setDynamiteScore(low(38));
  h.setKeyScore(low(40));
  h.setTimeScore(low(42));
  h.setLevelTime(low(44));
  h.setAmoebaGrowth(word(46) / 12);
  h.setWheelTime(word(52));
  h.setMagicTime(word(54));
  h.setExtraTime(low(56));
  h.setForcefieldTime(low(58));
  h.setTitle(textAt(head, kTitleLength, kTitleMax));
  h.setAuthor(textAt(head, kAuthorLength, kAuthorMax));
  h.setIntermission(0);

  // Patterns are stored column by column; the level record has room for 8,
  // further ones are passed over.
  const int patterns = word(60);
  for (int k = 0; k < patterns; ++k) {
    for (int j = 0; j < 9; ++j) {
      const int object = dc2CodeToObject(in.u16le());
      if (k < kYamSlots) h.setYam(k, j / 3, j % 3, object);
    }
  }

  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint16_t code = in.u16le();
      int object = dc2CodeToObject(code);
      if (object == 0 && code != kPlainEmptyCode) {
        session.ui().progress(y + 1, height,
                              "Unknown object at level " + std::to_string(level) + ", position " +
                                  std::to_string(x) + "," + std::to_string(y) + ": " +
                                  std::to_string(code));
        object = kQuestionMark;
      }
      putImportedCell(map, slot, x, y, object);
    }
  }
  placePlayer(map, slot, h.playerX(), h.playerY(), 2);
  placePlayer(map, slot, h.player2X(), h.player2Y(), 237);
  finishLevelImport(session);
}

}  // namespace pyrovel
