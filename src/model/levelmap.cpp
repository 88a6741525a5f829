#include "model/levelmap.h"

#include <utility>

#include "model/object_catalogue.h"

namespace pyrovel {

Levelmap::Levelmap() {
  resetLevelmap();
}

LevelGrid& Levelmap::allocate(std::unique_ptr<LevelGrid>& g) {
  g = std::make_unique<LevelGrid>();  // value-initialised: all zero
  return *g;
}

const LevelGrid& Levelmap::zeroGrid() {
  static const LevelGrid zero{};
  return zero;
}

void Levelmap::resetLevelmap() {
  for (auto& h : headers) {
    h.setWidth(1);
    h.setHeight(1);
  }
}

Levelmap Levelmap::clone() const {
  Levelmap copy;
  copy.fileHeader = fileHeader;
  copy.headers = headers;
  copy.bdcffMemo = bdcffMemo;
  copy.currentLevel = currentLevel;
  copy.currentLayer = currentLayer;
  copy.modified = modified;
  copy.fileName = fileName;
  for (std::size_t i = 0; i < grids_.size(); ++i)
    if (grids_[i]) copy.grids_[i] = std::make_unique<LevelGrid>(*grids_[i]);
  return copy;
}

void Levelmap::copySlot(int from, int to) {
  if (from == to) return;
  header(to) = header(from);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    const std::unique_ptr<LevelGrid>& source = grids_[index(layer, from)];
    std::unique_ptr<LevelGrid>& target = grids_[index(layer, to)];
    if (!source)
      target.reset();  // an untouched layer copies as one
    else if (target)
      *target = *source;
    else
      target = std::make_unique<LevelGrid>(*source);
  }
  // The BDCFF lines belong to the level, so they travel with it.
  bdcffMemo[static_cast<std::size_t>(to)] = bdcffMemo[static_cast<std::size_t>(from)];
}

void Levelmap::swapSlots(int a, int b) {
  std::swap(header(a), header(b));
  std::swap(grids_[index(kGameLayer, a)], grids_[index(kGameLayer, b)]);
  std::swap(grids_[index(kBackgroundLayer, a)], grids_[index(kBackgroundLayer, b)]);
  std::swap(bdcffMemo[static_cast<std::size_t>(a)], bdcffMemo[static_cast<std::size_t>(b)]);
}

void Levelmap::swapSlot(int slot, LevelSlot& held) {
  std::swap(header(slot), held.header);
  std::swap(grids_[index(kGameLayer, slot)], held.grids[kGameLayer]);
  std::swap(grids_[index(kBackgroundLayer, slot)], held.grids[kBackgroundLayer]);
  std::swap(bdcffMemo[static_cast<std::size_t>(slot)], held.memo);
}

void Levelmap::clearLayer(int layer, int slot) {
  LevelHeader& h = header(slot);
  const int w = h.width(), hh = h.height();
  for (int x = 0; x < w && x < kGridSide; ++x) {
    for (int y = 0; y < hh && y < kGridSide; ++y) {
      bool border = x == 0 || x == w - 1 || y == 0 || y == hh - 1;
      cell(layer, slot, x, y) = border ? obj::SolidWall : obj::Dirt;
    }
  }
  h.setPlayerX(1);
  h.setPlayerY(1);
  cell(layer, slot, 1, 1) = obj::LittleFellow;
  h.setConvertTrappedAmoeba(0);
}

}  // namespace pyrovel
