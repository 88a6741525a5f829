#pragma once
// The levelmap: 101 level slots (1..100 are the levels, shown to the user as
// 0..99), a header record per slot, two 129 x 129 grids per slot, and the
// 398-byte levelmap header kept byte for byte. A grid is allocated when it is
// first written (or asked for to be written); until then it reads as zero,
// so a levelmap costs what its levels hold.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/level_header.h"

namespace pyrovel {

inline constexpr int kSlotCount = 101;  // slot 0 exists but is never shown or saved
inline constexpr int kFirstSlot = 1;
inline constexpr int kLastSlot = 100;
inline constexpr int kGridSide = 129;      // fixed stride, whatever the level's width
inline constexpr int kMaxLevelSide = 128;  // the largest width or height of a level
inline constexpr int kGameLayer = 0;
inline constexpr int kBackgroundLayer = 1;
inline constexpr std::size_t kLevelmapHeaderSize = 398;

// One layer of one level: 129 x 129 cells, column-major (x * 129 + y).
using LevelGrid = std::array<std::int32_t, kGridSide * kGridSide>;

// Everything of one level, out of the levelmap: its record, both layers (a
// null layer reads as zero) and its BDCFF lines.
struct LevelSlot {
  LevelHeader header;
  std::array<std::unique_ptr<LevelGrid>, 2> grids;
  std::vector<std::string> memo;
};

class Levelmap {
 public:
  Levelmap();

  std::array<std::uint8_t, kLevelmapHeaderSize> fileHeader{};
  std::array<LevelHeader, kSlotCount> headers{};
  std::array<std::vector<std::string>, kSlotCount> bdcffMemo;

  int currentLevel = 1;  // slot 1..100
  int currentLayer = kGameLayer;
  bool modified = false;
  std::string fileName = "New.map";

  // The only access path to cells; 0 <= x, y <= 128.
  std::int32_t& cell(int layer, int slot, int x, int y) {
    return grid(layer, slot)[static_cast<std::size_t>(x * kGridSide + y)];
  }
  std::int32_t cell(int layer, int slot, int x, int y) const {
    return grid(layer, slot)[static_cast<std::size_t>(x * kGridSide + y)];
  }
  // Cells of the current layer of the current level.
  std::int32_t& at(int x, int y) { return cell(currentLayer, currentLevel, x, y); }
  std::int32_t at(int x, int y) const { return cell(currentLayer, currentLevel, x, y); }
  static bool inGrid(int x, int y) { return x >= 0 && y >= 0 && x < kGridSide && y < kGridSide; }

  // The non-const grid is allocated (zero) on first use; the const one of an
  // untouched layer is a shared grid of zeros.
  LevelGrid& grid(int layer, int slot) {
    std::unique_ptr<LevelGrid>& g = grids_[index(layer, slot)];
    return g ? *g : allocate(g);
  }
  const LevelGrid& grid(int layer, int slot) const {
    const std::unique_ptr<LevelGrid>& g = grids_[index(layer, slot)];
    return g ? *g : zeroGrid();
  }
  // False while the layer has never been written: every cell is zero.
  bool holdsCells(int layer, int slot) const { return grids_[index(layer, slot)] != nullptr; }

  LevelHeader& header(int slot) { return headers[static_cast<std::size_t>(slot)]; }
  const LevelHeader& header(int slot) const { return headers[static_cast<std::size_t>(slot)]; }
  LevelHeader& current() { return header(currentLevel); }
  const LevelHeader& current() const { return header(currentLevel); }

  bool isEmptyLevel(int slot) const {
    return header(slot).width() < 3 && header(slot).height() < 3;
  }
  // Every slot becomes empty (1 x 1); done once at start.
  void resetLevelmap();
  // A copy of everything, grids included (the grids are not copied implicitly).
  Levelmap clone() const;
  // Slot `to` takes the header and both grids of slot `from`.
  void copySlot(int from, int to);
  // Exchanges header and grids of two slots (cheap: grids are swapped by pointer).
  void swapSlots(int a, int b);
  // Exchanges a slot with a level held outside the levelmap, as cheaply.
  void swapSlot(int slot, LevelSlot& held);
  // Fills the level area of one layer as a cleared level: Dirt inside a
  // Solid Wall border, the Little Fellow at (1, 1).
  void clearLayer(int layer, int slot);

  // Level number shown to the user for a slot.
  static int levelNumber(int slot) { return slot - 1; }

 private:
  static std::size_t index(int layer, int slot) {
    return static_cast<std::size_t>(layer * kSlotCount + slot);
  }
  static LevelGrid& allocate(std::unique_ptr<LevelGrid>& g);
  static const LevelGrid& zeroGrid();

  std::array<std::unique_ptr<LevelGrid>, 2 * kSlotCount> grids_;
};

}  // namespace pyrovel
