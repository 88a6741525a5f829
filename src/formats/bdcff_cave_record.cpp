// A BDCFF cave's level record: the keys it holds, fitted into its fields,
// the player, and the cave's kept lines.
#include <algorithm>
#include <cmath>

#include "formats/bdcff_cave_reader.h"
#include "formats/bdcff_das_text.h"
#include "formats/bdcff_elements.h"
#include "formats/bdcff_record_keys.h"

namespace pyrovel::bdcff_read {

namespace {
constexpr int kPlayer = 2;
}  // namespace

// A value into a record field of `max`; a value outside is noted and
// stored as the field keeps it (its low bits).
int CaveReader::fit(std::string_view key, int value, int max, std::size_t line) {
  if (value < 0 || value > max) {
    const int kept = value & max;
    problem(line, std::string(key) + " " + std::to_string(value) +
                      " does not fit the level record (0.." + std::to_string(max) +
                      "): " + std::to_string(kept) + " kept");
    return kept;
  }
  return value;
}

void CaveReader::commit(LevelHeader& h, KeptLines& memo, const BdcffGrid& grid, bool drawnByMap) {
  const int w = grid.width(), hh = grid.height();
  h.setWidth(w);
  h.setHeight(hh);
  // The last Little Fellow row by row is the player, as in the map reader:
  // the lowest row holding one, and the rightmost in it. The cells are
  // visited column by column, left to right.
  int playerX = -1, playerY = -1;
  grid.forEachHolding(kPlayer, [&](int x, int y) {
    if (y < playerY) return;
    playerX = x;
    playerY = y;
  });
  if (playerY >= 0) {
    h.setPlayerX(playerX);
    h.setPlayerY(playerY);
  }

  if (name_.value) h.setTitle(*name_.value);
  const std::string_view author = author_.value ? *author_.value : ctx_.gameAuthor;
  if (!author.empty()) h.setAuthor(author);
  if (diamonds_.value) {
    int needed = *diamonds_.value;
    if (needed < 0) {
      int diamonds = 0;
      for (int x = 0; x < w; ++x) {
        for (int y = 0; y < hh; ++y) diamonds += grid.at(x, y) == kBdcffDiamond;
      }
      needed = std::max(0, diamonds + needed);
    }
    h.setDiamondsNeeded(fit("DiamondsRequired", needed, 0xFFFF, diamonds_.line));
  }
  if (caveTime_.value) h.setLevelTime(fit("CaveTime", *caveTime_.value, 0xFF, caveTime_.line));
  if (magicTime_.value) {
    h.setMagicTime(fit("MagicWallTime", *magicTime_.value, 0xFFFF, magicTime_.line));
  }
  if (diamondValue_.value) {
    h.setEmeraldScore(fit("DiamondValue", *diamondValue_.value, 0xFF, diamondValue_.line));
  }
  if (extraValue_.value) {
    h.setDiamondScore(fit("DiamondValue (extra)", *extraValue_.value, 0xFF, extraValue_.line));
  }
  if (amoebaTime_.value) {
    h.setAmoebaBrake(fit("AmoebaTime", *amoebaTime_.value, 0xFF, amoebaTime_.line));
  }
  if (amoebaThreshold_.value) {
    // A ratio of the cave's cells; the record holds whole percent.
    if (*amoebaThreshold_.value > 1) {
      problem(amoebaThreshold_.line,
              "AmoebaThreshold is a ratio of the cave's cells, at most 1: "
              "100 % taken");
    }
    h.setMaxAmoeba(bdcffAmoebaPercent(*amoebaThreshold_.value));
  }
  if (slimeC64_.value) {
    h.setSlimePermeability(fit("SlimePermeabilityC64", *slimeC64_.value, 0xFF, slimeC64_.line));
  } else if (slime_.value) {
    h.setSlimePermeability(bdcffSlimeFromProbability(*slime_.value));
  }
  if (intermission_.value) h.setIntermission(*intermission_.value ? 255 : 0);

  memo.clear();
  std::size_t bytes = 0;
  for (const MemoLine& m : memo_) bytes += m.text.size() + 1;
  for (const std::string_view l : otherLevels_) bytes += l.size() + 1;
  memo.reserve(bytes + 24);
  for (const MemoLine& m : memo_) {
    if (m.kind == MemoLine::Kind::Drawing && !drawnByMap) continue;
    if (m.kind == MemoLine::Kind::Record) {
      // Only what the writer would not write the same from the record.
      const std::optional<BdcffRecordKey> key = bdcffRecordKeyOfLine(m.text);
      if (key && bdcffRecordLine(h, *key) == std::optional<std::string>(trimLine(m.text))) continue;
    }
    memo.append(m.text);
  }
  if (!otherLevels_.empty()) {
    memo.append("[objects]");
    for (const std::string_view l : otherLevels_) memo.append(l);
    memo.append("[/objects]");
  }
}

}  // namespace pyrovel::bdcff_read
