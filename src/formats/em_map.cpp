#include "formats/em_map.h"

#include <array>

#include "formats/cell_notes.h"

namespace pyrovel {

void encodeEmMap(const Levelmap& map, int slot, int layer, std::span<std::uint8_t> out) {
  // Column by column, the order the grid keeps its cells in.
  const LevelGrid& grid = map.grid(layer, slot);
  const EmExportTable& table = emExportTable();
  for (int x = 0; x < kEmMapWidth; ++x) {
    const Cell* column = &grid[static_cast<std::size_t>(x * kGridSide)];
    for (int y = 0; y < kEmMapHeight; ++y) {
      const int object = column[y];
      out[static_cast<std::size_t>(kEmMapWidth * y + x)] =
          object >= 0 && object < 256
              ? static_cast<std::uint8_t>(table[static_cast<std::size_t>(object)])
              : kEmFallbackCode;
    }
  }
}

std::vector<EmMapNote> decodeEmMap(std::span<const std::uint8_t> bytes, Levelmap& map, int slot,
                                   int layer, EmCodeReader codeToObject) {
  std::vector<EmMapNote> notes;
  for (int y = 0; y < kEmMapHeight; ++y) {
    // Cells of this row that a right-moving object already took.
    std::array<bool, kEmMapWidth + 1> movedInto{};
    for (int x = 0; x < kEmMapWidth; ++x) {
      const std::uint8_t b = bytes[static_cast<std::size_t>(kEmMapWidth * y + x)];
      const int result = codeToObject(b);
      const EmMarker* marker = findEmMarker(result);
      int own = marker ? marker->object : result;
      if (marker && marker->move != 0) {
        const int target = x + marker->move;
        if (target >= 0 && target < kEmMapWidth) {
          map.cell(layer, slot, target, y) = marker->object;
          if (marker->move > 0) movedInto[static_cast<std::size_t>(target)] = true;
          own = obj::EmptySpace;
        }
      }
      if (!movedInto[static_cast<std::size_t>(x)]) map.cell(layer, slot, x, y) = own;
      if (marker || result == kEmUnknownObject) notes.push_back({x, y, b, marker});
    }
  }
  return notes;
}

std::string emNoteText(const EmMapNote& note, int level) {
  if (!note.marker) {
    return unsupportedAt(level, note.x, note.y, note.code);
  }
  std::string text = note.marker->warning;
  if (note.marker->move != 0) text += std::to_string(level);
  return text;
}

std::optional<MapPos> decodeStartWord(std::uint16_t word) {
  if (word >= kEmMapWidth * kEmMapHeight) return std::nullopt;
  return MapPos{word % kEmMapWidth, word / kEmMapWidth};
}

std::uint16_t encodeStartWord(int x, int y) {
  return static_cast<std::uint16_t>(kEmMapWidth * y + x);
}

namespace {
// The records' score order.
constexpr std::array<std::size_t, 10> kScoreFields{
    LevelHeader::oEmeraldScore, LevelHeader::oDiamondScore,  LevelHeader::oRobotScore,
    LevelHeader::oShipScore,    LevelHeader::oBugScore,      LevelHeader::oYamScore,
    LevelHeader::oNutScore,     LevelHeader::oDynamiteScore, LevelHeader::oKeyScore,
    LevelHeader::oTimeScore,
};
}  // namespace

void encodeEmScores(const LevelHeader& h, std::span<std::uint8_t> record) {
  for (std::size_t i = 0; i < kScoreFields.size(); ++i) {
    record[emrec::oScores + i] = h.u8(kScoreFields[i]);
  }
}

void decodeEmScores(std::span<const std::uint8_t> record, LevelHeader& h) {
  for (std::size_t i = 0; i < kScoreFields.size(); ++i) {
    h.setU8(kScoreFields[i], record[emrec::oScores + i]);
  }
}

void encodeEmCommonHeader(const LevelHeader& h, std::span<std::uint8_t> record) {
  encodeEmScores(h, record);
  record[emrec::oDiamonds] = static_cast<std::uint8_t>(h.diamondsNeeded());
  putU16be(&record[emrec::oPlayer], encodeStartWord(h.playerX(), h.playerY()));
  record[emrec::oAmoeba] = static_cast<std::uint8_t>(h.amoebaGrowth());
  putU16be(&record[emrec::oMagic], static_cast<std::uint16_t>(h.magicTime()));
}

EmStarts decodeEmCommonHeader(std::span<const std::uint8_t> record, LevelHeader& h) {
  decodeEmScores(record, h);
  h.setDiamondsNeeded(record[emrec::oDiamonds]);
  h.setAmoebaGrowth(record[emrec::oAmoeba]);
  h.setMagicTime(getU16be(&record[emrec::oMagic]));

  EmStarts starts;
  starts.playerWord = getU16be(&record[emrec::oPlayer]);
  starts.player2Word = getU16be(&record[emrec::oPlayer2]);
  starts.player = decodeStartWord(starts.playerWord);
  starts.player2 = decodeStartWord(starts.player2Word);
  const MapPos p = starts.player.value_or(MapPos{});
  const MapPos p2 = starts.player2.value_or(MapPos{});
  h.setPlayerX(p.x);
  h.setPlayerY(p.y);
  h.setPlayer2X(p2.x);
  h.setPlayer2Y(p2.y);
  return starts;
}

std::vector<std::string> placeEmPlayers(const EmStarts& starts, Levelmap& map, int slot,
                                        int layer) {
  std::vector<std::string> lines;
  const int level = Levelmap::levelNumber(slot);
  auto outside = [&](const char* who, std::uint16_t word) {
    lines.push_back(std::string(who) + " start outside the map at level " + std::to_string(level) +
                    " :" + std::to_string(word));
  };
  if (starts.player) {
    map.cell(layer, slot, starts.player->x, starts.player->y) = obj::LittleFellow;
  } else {
    outside("Player", starts.playerWord);
  }
  if (starts.player2Word == 0) return lines;  // no second player
  if (!starts.player2) {
    outside("Player 2", starts.player2Word);
  } else if (map.cell(layer, slot, starts.player2->x, starts.player2->y) != obj::LittleFellow) {
    map.cell(layer, slot, starts.player2->x, starts.player2->y) = obj::Fellow2;
  }
  return lines;
}

}  // namespace pyrovel
