#include "model/levelmap.h"

#include <algorithm>
#include <string>
#include <utility>

#include "model/object_catalogue.h"

namespace pyrovel {

Levelmap::Levelmap() {
  reserveStore();
  resetLevelmap();
}

void Levelmap::reserveStore() {
  store_ = GridStore(kGridCount, sizeof(LevelGrid));
  for (std::size_t i = 0; i < kGridCount; ++i)
    blocks_[i] = static_cast<LevelGrid*>(store_.block(i));
  held_.fill(false);
  used_.fill(false);
}

Levelmap::Levelmap(Levelmap&& other) noexcept
    : fileHeader(other.fileHeader),
      headers(other.headers),
      bdcffMemo(std::move(other.bdcffMemo)),
      bdcffGame(std::move(other.bdcffGame)),
      currentLevel(other.currentLevel),
      currentLayer(other.currentLayer),
      modified(other.modified),
      fileName(std::move(other.fileName)) {
  takeStoreOf(other);
}

Levelmap& Levelmap::operator=(Levelmap&& other) noexcept {
  if (this == &other) return *this;
  fileHeader = other.fileHeader;
  headers = other.headers;
  bdcffMemo = std::move(other.bdcffMemo);
  bdcffGame = std::move(other.bdcffGame);
  currentLevel = other.currentLevel;
  currentLayer = other.currentLayer;
  modified = other.modified;
  fileName = std::move(other.fileName);
  takeStoreOf(other);
  return *this;
}

void Levelmap::takeStoreOf(Levelmap& other) noexcept {
  store_ = std::move(other.store_);
  blocks_ = other.blocks_;
  held_ = other.held_;
  used_ = other.used_;
  other.blocks_.fill(nullptr);
  other.held_.fill(false);
  other.used_.fill(false);
}

LevelGrid& Levelmap::allocate(std::size_t i) {
  if (!blocks_[i]) reserveStore();  // moved from
  LevelGrid& g = *blocks_[i];
  if (used_[i]) g.fill(0);  // a fresh block is zero already, and untouched
  held_[i] = used_[i] = true;
  return g;
}

void Levelmap::swapGrids(std::size_t a, std::size_t b) {
  std::swap(blocks_[a], blocks_[b]);
  std::swap(held_[a], held_[b]);
  std::swap(used_[a], used_[b]);
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
  copy.bdcffGame = bdcffGame;
  copy.currentLevel = currentLevel;
  copy.currentLayer = currentLayer;
  copy.modified = modified;
  copy.fileName = fileName;
  for (std::size_t i = 0; i < kGridCount; ++i)
    if (held_[i]) copy.allocate(i) = *blocks_[i];
  return copy;
}

void Levelmap::copySlot(int from, int to) {
  if (from == to) return;
  header(to) = header(from);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    const std::size_t source = index(layer, from), target = index(layer, to);
    if (!held_[source])
      releaseGrid(target);  // an untouched layer copies as one
    else
      grid(layer, to) = *blocks_[source];
  }
  // The BDCFF lines belong to the level, so they travel with it.
  bdcffMemo[static_cast<std::size_t>(to)] = bdcffMemo[static_cast<std::size_t>(from)];
}

void Levelmap::swapSlots(int a, int b) {
  std::swap(header(a), header(b));
  swapGrids(index(kGameLayer, a), index(kGameLayer, b));
  swapGrids(index(kBackgroundLayer, a), index(kBackgroundLayer, b));
  std::swap(bdcffMemo[static_cast<std::size_t>(a)], bdcffMemo[static_cast<std::size_t>(b)]);
}

void Levelmap::swapSlot(int slot, LevelSlot& held) {
  std::swap(header(slot), held.header);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    // The store's blocks stay in the store: the cells change places.
    const std::size_t i = index(layer, slot);
    std::unique_ptr<LevelGrid>& outside = held.grids[static_cast<std::size_t>(layer)];
    std::unique_ptr<LevelGrid> taken =
        held_[i] ? std::make_unique<LevelGrid>(*blocks_[i]) : nullptr;
    if (outside)
      grid(layer, slot) = *outside;
    else
      releaseGrid(i);
    outside = std::move(taken);
  }
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

bool Levelmap::holdsAnything(int slot) const {
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    if (!holdsCells(layer, slot)) continue;
    const LevelGrid& g = grid(layer, slot);
    if (std::any_of(g.begin(), g.end(), [](Cell c) { return c != 0; })) return true;
  }
  if (!bdcffMemo[static_cast<std::size_t>(slot)].empty()) return true;
  LevelHeader h = header(slot);
  const std::string title = h.title();
  if (!title.empty() && title != "Empty" &&
      title != "Level " + std::to_string(levelNumber(slot))) {
    return true;
  }
  // The title's bytes after its length may hold an older title.
  std::fill_n(h.bytes.begin() + LevelHeader::oTitle, LevelHeader::kTitleLen + 1, 0);
  if (h.width() <= 3) h.setWidth(0);
  if (h.height() <= 3) h.setHeight(0);
  return std::any_of(h.bytes.begin(), h.bytes.end(), [](std::uint8_t b) { return b != 0; });
}

}  // namespace pyrovel
