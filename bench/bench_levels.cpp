#include "bench_levels.h"

#include "io/process.h"
#include "model/file_io.h"

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

std::string temporaryTextFile(const std::string& name, const std::string& text) {
  const std::string file = tempPath(name);
  writeFileAtomically(file, text);
  return file;
}

const std::string& hundredObjectCavesFile() {
  static const std::string path = [] {
    std::string text = "[BDCFF]\nVersion=0.5\n[game]\nName=Bench\nAuthor=Someone\nLevels=5\n\n";
    for (int cave = 0; cave < 100; ++cave) {
      const std::string n = std::to_string(cave % 30);
      text += "[cave]\nName=Cave " + std::to_string(cave) +
              "\nIntermission=false\nSize=40 22 0 0 39 21\n"
              "Colors=Black Black Orange Gray1 White White White\nDiamondsRequired=12 13 14 15 16\n"
              "DiamondValue=10 15\nCaveTime=150 140 130 120 110\nCaveScheduling=ms\n"
              "FrameTime=160 150 140 130 120\nCaveDelay=0 0 0 0 0\nRandSeed=" +
              std::to_string(cave % 256) +
              " 1 2 3 4\n"
              "RandomFill=SPACE 60 BOULDER 50 DIAMOND 9 FIREFLYl 2\nAmoebaTime=20 20 20 20 20\n"
              "MagicWallTime=20 20 20 20 20\nSlimePermeabilityC64=0 0 0 0 0\n\n[objects]\n"
              "Rectangle=1 1 38 20 DIRT\nFillRect=3 3 12 9 WALL SPACE\nLine=1 " +
              n + " 30 " + n +
              " WALL\nLine=5 2 21 18 DIAMOND\nRaster=2 11 7 10 6 1 MAGICWALL\n"
              "Raster=5 20 6 1 6 2 DIAMOND\nFillRect=18 3 22 7 DIRT\nAdd=0 1 FIREFLYl BOULDER\n"
              "Line=25 9 34 18 STEELWALL\nPoint=8 6 BUTTERFLYd\nPoint=1 20 INBOX\n"
              "Point=20 5 OUTBOX\n[/objects]\n[/cave]\n\n";
    }
    text += "[/game]\n[/BDCFF]\n";
    return temporaryTextFile("pyrovel_bench_100_object_caves.bd", text);
  }();
  return path;
}

}  // namespace pyrovel::bench
