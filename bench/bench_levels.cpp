#include "bench_levels.h"

namespace pyrovel::bench {

std::unique_ptr<Levelmap> typicalLevel() {
  auto map = std::make_unique<Levelmap>();
  map->header(1).setWidth(kMaxLevelSide);
  map->header(1).setHeight(kMaxLevelSide);
  unsigned seed = 7;
  for (int x = 0; x < kMaxLevelSide; ++x) {
    for (int y = 0; y < kMaxLevelSide; ++y) {
      seed = seed * 1103515245u + 12345u;
      const int pick = static_cast<int>((seed >> 16) % 100);
      map->cell(kGameLayer, 1, x, y) = pick < 50   ? 1
                                       : pick < 65 ? 3
                                       : pick < 75 ? 0
                                                   : (pick * 37) % 256;
    }
  }
  return map;
}

std::unique_ptr<Levelmap> fullLevelmap() {
  auto map = std::make_unique<Levelmap>();
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map->header(slot);
    h.setWidth(kMaxLevelSide);
    h.setHeight(kMaxLevelSide);
    h.setHasBackgroundLayer(1);
    for (int x = 0; x < kMaxLevelSide; ++x)
      for (int y = 0; y < kMaxLevelSide; ++y) {
        map->cell(kGameLayer, slot, x, y) = (x * 7 + y * 3 + slot) % 256;
        map->cell(kBackgroundLayer, slot, x, y) = (x + y) % 256;
      }
  }
  return map;
}

}  // namespace pyrovel::bench
