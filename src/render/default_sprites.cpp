#include "render/default_sprites.h"

#include "model/file_io.h"
#include "render/sprite_art.h"
#include "render/sprite_strip.h"

namespace pyrovel {

namespace {

using art::Canvas;

// A run of object numbers drawn by one drawer; the drawer gets the index
// within the run, or the object number itself when `byNumber` is set.
struct Run {
  int first, last;
  void (*draw)(Canvas&, int);
  int offset = 0;  // added to the index (runs that continue another run)
  bool byNumber = false;
};

constexpr Run kRuns[] = {
    {1, 1, art::drawDirt},
    {2, 2, art::drawFellow},
    {3, 3, art::drawRock},
    {4, 4, art::drawDiamond},
    {5, 5, art::drawBug},  // Left; Up, Right, Down follow at 82
    {6, 6, art::drawSteel},
    {7, 8, art::drawExit},
    {9, 9, art::drawBomb},
    {10, 10, art::drawExplosion},
    {11, 11, art::drawAmoeba},
    {12, 12, art::drawNut},
    {13, 13, art::drawEmerald},
    {14, 14, art::drawYam},
    {15, 15, art::drawGrover},
    {16, 16, art::drawMagicWall},
    {17, 17, art::drawCrumbleWall},
    {18, 18, art::drawMagicWall, 1},
    {19, 19, art::drawTerminal},
    {20, 29, art::drawWallPattern},
    {30, 30, art::drawSteel, 1},
    {31, 34, art::drawCrumbleWall, 1},
    {35, 41, art::drawPort, 0, true},
    {42, 42, art::drawSlime},
    {43, 46, art::drawPort, 0, true},
    {47, 56, art::drawDoor, 0, true},
    {57, 60, art::drawKey, 0, true},
    {61, 61, art::drawRobot},
    {62, 62, art::drawAcid},
    {63, 67, art::drawAcidBox},
    {68, 68, art::drawInvisibleWall},
    {69, 69, art::drawSand, 1},
    {70, 70, art::drawShip},  // Left; Up, Right, Down follow at 85
    {71, 71, art::drawDynamite},
    {72, 72, art::drawWheel},
    {73, 73, art::drawDynamite, 1},
    {74, 74, art::drawAmoeba, 1},
    {75, 75, art::drawAmoeba, 2},
    {76, 76, art::drawAcid, 1},
    {77, 77, art::drawSand},
    {78, 78, art::drawRock, 1},
    {79, 81, art::drawDoor, 0, true},
    {82, 84, art::drawBug, 1},
    {85, 87, art::drawShip, 1},
    {88, 91, art::drawYam, 1},
    {92, 92, art::drawDisk},
    {93, 96, art::drawElectron},
    {97, 98, art::drawTrap},
    {99, 99, art::drawBomb, 1},
    {100, 145, art::drawLetterTile, 0, true},
    {150, 153, art::drawSnikSnak},
    {154, 156, art::drawExpandingWall},
    {157, 157, art::drawGlue},
    {158, 168, art::drawPipe, 0, true},
    {169, 169, art::drawFellow, 2},
    {170, 170, art::drawPearl},
    {171, 171, art::drawCrystal},
    {172, 175, art::drawGemWall},
    {176, 178, art::drawDoor, 0, true},
    {179, 179, art::drawKey, 0, true},
    {180, 180, art::drawForcefield},
    {181, 181, art::drawClock},
    {182, 183, art::drawGate},
    {184, 184, art::drawSwitch},
    {185, 185, art::drawGate, 2},
    {186, 186, art::drawWheel, 1},
    {187, 198, art::drawConveyor, 0, true},
    {199, 199, art::drawBomb, 2},
    {200, 200, art::drawNote},
    {201, 201, art::drawLightbulb},
    {202, 211, art::drawSmallDigit},
    {215, 216, art::drawSign},
    {217, 217, art::drawCandy},
    {218, 219, art::drawDoor, 0, true},
    {220, 220, art::drawStitch},
    {221, 224, art::drawMole},
    {225, 225, art::drawSteel, 3},
    {226, 226, art::drawDirt, 3},
    {227, 227, art::drawSteel, 2},
    {228, 228, art::drawHatch},
    {229, 232, art::drawFirefly},
    {233, 236, art::drawButterfly},
    {237, 237, art::drawFellow, 1},
    {238, 241, art::drawPacman},
    {242, 242, art::drawBiomaze},
    {243, 243, art::drawBalloon},
    {244, 249, art::drawWind},
    {250, 251, art::drawSpring},
    {252, 253, art::drawKey, 0, true},
    {254, 255, art::drawDirt, 1},
};

Canvas drawObject(int object) {
  Canvas c;
  if (object == 0) return c;  // Empty Space stays black
  for (const Run& run : kRuns) {
    if (object < run.first || object > run.last) continue;
    run.draw(c, run.byNumber ? object : object - run.first + run.offset);
    return c;
  }
  art::drawPlaceholder(c, object);
  return c;
}

}  // namespace

ImageLibrary makeDefaultImageLibrary() {
  ImageLibrary library;
  art::fillPalette(library);
  for (int object = 0; object < kDefaultSpriteCount; ++object) {
    const Canvas c = drawObject(object);
    LibraryImage& img = library.addImage(art::kSide, art::kSide);
    for (int y = 0; y < art::kSide; ++y) {
      for (int x = 0; x < art::kSide; ++x) {
        img.pixels[static_cast<std::size_t>(y * img.stride + x)] = c.px[y][x];
      }
    }
  }
  return library;
}

ObjectTable makeDefaultObjectTable() {
  ObjectTable table;
  table.count = kDefaultSpriteCount;
  for (int object = 0; object <= kDefaultSpriteCount; ++object) {
    // The record past the last object is part of the layout; it shows nothing.
    const int image = object < kDefaultSpriteCount ? object : 0;
    table.records.push_back({image, image});
  }
  return table;
}

void writeDefaultSpriteSet(const std::string& folder) {
  const std::string base = folder.empty() ? std::string() : folder + "/";
  writeFileAtomically(base + kDefaultImageLibrary,
                      serializeImageLibrary(makeDefaultImageLibrary()));
  writeFileAtomically(base + kDefaultObjectTable, serializeObjectTable(makeDefaultObjectTable()));
}

}  // namespace pyrovel
