#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "formats/bdcff_objects.h"
#include "formats/bdcff_random.h"

namespace pyrovel {
namespace {

using Kind = BdcffDrawResult::Kind;

// Objects used below: Dirt 1, Steel (Solid Wall) 6, Rock 3, Emerald 13
// (DIAMOND), Crumble Wall 1 17 (WALL), Space 0, Grover 15.
constexpr int D = 1, S = 6, R = 3, E = 13, W = 17, O = 0;

// The grid as rows of object numbers, for comparing whole caves.
std::vector<std::vector<int>> rowsOf(const BdcffGrid& g) {
  std::vector<std::vector<int>> rows(static_cast<std::size_t>(g.height()));
  for (int y = 0; y < g.height(); ++y) {
    for (int x = 0; x < g.width(); ++x) rows[static_cast<std::size_t>(y)].push_back(g.at(x, y));
  }
  return rows;
}

TEST(BdcffObjects, Point) {
  BdcffGrid g(4, 3, D);
  EXPECT_EQ(applyBdcffObject(g, "Point=2 1 BOULDER").kind, Kind::Drawn);
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{{D, D, D, D}, {D, D, R, D}, {D, D, D, D}}));
}

TEST(BdcffObjects, LinesHorizontalVerticalDiagonalAndSteep) {
  BdcffGrid g(5, 5, O);
  applyBdcffObject(g, "Line=0 0 4 0 STEELWALL");
  applyBdcffObject(g, "Line=0 4 0 1 WALL");     // upwards
  applyBdcffObject(g, "Line=4 4 1 1 DIAMOND");  // 45 degrees, backwards
  EXPECT_EQ(
      rowsOf(g),
      (std::vector<std::vector<int>>{
          {S, S, S, S, S}, {W, E, O, O, O}, {W, O, E, O, O}, {W, O, O, E, O}, {W, O, O, O, E}}));
  BdcffGrid steep(3, 5, O);
  applyBdcffObject(steep, "Line=0 0 2 4 BOULDER");  // every row gets one cell
  EXPECT_EQ(rowsOf(steep),
            (std::vector<std::vector<int>>{{R, O, O}, {O, R, O}, {O, R, O}, {O, O, R}, {O, O, R}}));
}

TEST(BdcffObjects, RectangleIsTheOutline) {
  BdcffGrid g(5, 4, D);
  applyBdcffObject(g, "Rectangle=3 2 1 0 SPACE");  // corners in any order
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{
                           {D, O, O, O, D}, {D, O, D, O, D}, {D, O, O, O, D}, {D, D, D, D, D}}));
}

TEST(BdcffObjects, FillRectWithAndWithoutItsFillElement) {
  BdcffGrid g(5, 4, D);
  applyBdcffObject(g, "FillRect=0 0 4 3 STEELWALL SPACE");
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{
                           {S, S, S, S, S}, {S, O, O, O, S}, {S, O, O, O, S}, {S, S, S, S, S}}));
  applyBdcffObject(g, "FillRect=1 1 2 2 BOULDER");
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{
                           {S, S, S, S, S}, {S, R, R, O, S}, {S, R, R, O, S}, {S, S, S, S, S}}));
}

TEST(BdcffObjects, RasterCountsAndSteps) {
  BdcffGrid g(6, 4, O);
  // Three across, two down, two and three apart: (1,0) (3,0) (5,0) (1,3) (3,3) (5,3).
  EXPECT_EQ(applyBdcffObject(g, "Raster=1 0 3 2 2 3 DIAMOND").kind, Kind::Drawn);
  EXPECT_EQ(rowsOf(g),
            (std::vector<std::vector<int>>{
                {O, E, O, E, O, E}, {O, O, O, O, O, O}, {O, O, O, O, O, O}, {O, E, O, E, O, E}}));
}

// A raster reaching past the cave on any side, stepping either way or not
// at all, draws exactly its points that lie inside.
TEST(BdcffObjects, RasterPartlyOffDrawsItsPointsInside) {
  for (const auto& [x, y, nx, ny, dx, dy] : {std::array{-5, 1, 6, 2, 2, 1},
                                             {6, 3, 5, 4, -2, -1},
                                             {2, -3, 1, 9, 0, 1},
                                             {-1, 0, 3, 1, 3, 0},
                                             {7, 7, 4, 4, -3, -3},
                                             {9, 1, 2, 2, 1, 1}}) {
    // The cave inside a larger area: nothing outside it may change.
    constexpr std::size_t kStride = 16;
    std::vector<Cell> area(kStride * kStride, 99);
    BdcffGrid g(7, 5, area.data(), kStride);
    g.fill(0, 0, 6, 4, {O, -1});
    const std::string command = "Raster=" + std::to_string(x) + " " + std::to_string(y) + " " +
                                std::to_string(nx) + " " + std::to_string(ny) + " " +
                                std::to_string(dx) + " " + std::to_string(dy) + " DIAMOND";
    applyBdcffObject(g, command);
    std::vector<std::vector<int>> expected(5, std::vector<int>(7, O));
    for (int j = 0; j < ny; ++j) {
      for (int i = 0; i < nx; ++i) {
        const int px = x + i * dx, py = y + j * dy;
        if (px >= 0 && px < 7 && py >= 0 && py < 5) {
          expected[static_cast<std::size_t>(py)][static_cast<std::size_t>(px)] = E;
        }
      }
    }
    EXPECT_EQ(rowsOf(g), expected) << command;
    for (std::size_t i = 0; i < area.size(); ++i) {
      if (i / kStride < 7 && i % kStride < 5) continue;
      ASSERT_EQ(area[i], 99) << command;
    }
  }
}

// Add finds every cell of the kind, on any row of a cave of any height, and
// nothing in the cells below the cave, here all of that kind.
TEST(BdcffObjects, AddFindsItsKindOnEveryRowAndNothingBelowTheCave) {
  constexpr std::size_t kStride = 128;
  for (const int height : {1, 5, 16, 17, 22, 31, 32, 33, 64, 65, 100, 128}) {
    std::vector<Cell> area(3 * kStride, static_cast<Cell>(E));
    BdcffGrid g(3, height, area.data(), kStride);
    g.fill(0, 0, 2, height - 1, {O, -1});
    std::vector<std::pair<int, int>> diamonds;
    for (const int y : {0, 15, 16, 31, 32, 63, 64, height - 1}) {
      if (y < height) diamonds.emplace_back(y % 3, y);
    }
    for (const auto& [x, y] : diamonds) g.put(x, y, {E, -1});
    // A boulder above each diamond: one found below the cave would put one
    // on its last row.
    applyBdcffObject(g, "Add=0 -1 DIAMOND BOULDER");
    const auto holds = [&](int x, int y) {
      return std::find(diamonds.begin(), diamonds.end(), std::pair{x, y}) != diamonds.end();
    };
    for (int x = 0; x < 3; ++x) {
      for (int y = 0; y < static_cast<int>(kStride); ++y) {
        const int expected = y >= height ? E : holds(x, y) ? E : holds(x, y + 1) ? R : O;
        ASSERT_EQ(area[static_cast<std::size_t>(x) * kStride + static_cast<std::size_t>(y)],
                  expected)
            << "height " << height << " at " << x << "," << y;
      }
    }
  }
}

TEST(BdcffObjects, AddPutsBesideEveryElementOfAKind) {
  BdcffGrid g(4, 4, O);
  applyBdcffObject(g, "Point=1 1 DIAMOND");
  applyBdcffObject(g, "Point=3 0 DIAMOND");
  applyBdcffObject(g, "Add=0 1 DIAMOND STEELWALL");
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{
                           {O, O, O, E}, {O, E, O, S}, {O, S, O, O}, {O, O, O, O}}));
}

// Add as the game scans: every cell in row order, from the top left (or
// the bottom right), the grid changing as it goes.
std::vector<std::vector<int>> addByScan(std::vector<std::vector<int>> rows, int dx, int dy,
                                        int search, int put, bool backward) {
  const int h = static_cast<int>(rows.size()), w = static_cast<int>(rows[0].size());
  for (int n = 0; n < w * h; ++n) {
    const int i = backward ? w * h - 1 - n : n;
    const int x = i % w, y = i / w;
    if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != search) continue;
    if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h) {
      rows[static_cast<std::size_t>(y + dy)][static_cast<std::size_t>(x + dx)] = put;
    }
  }
  return rows;
}

// Add finds the cells it searches for column by column and takes them in
// the scan's order; with more than it keeps track of it scans every cell.
// Both must give what the game's scan gives, cells covered before the scan
// reaches them included.
TEST(BdcffObjects, AddCoversCellsAheadOfTheScanLikeTheGame) {
  struct Case {
    const char* command;
    int dx, dy;
    bool backward;
  };
  const Case cases[] = {{"Add=1 0 DIRT BOULDER", 1, 0, false},
                        {"Add=-1 1 DIRT BOULDER", -1, 1, false},
                        {"Add=1 -1 DIRT BOULDER", 1, -1, false},
                        {"AddBackward=0 -1 DIRT BOULDER", 0, -1, true},
                        {"AddBackward=-1 0 DIRT BOULDER", -1, 0, true}};
  for (const int side : {12, 30}) {  // 30 x 30 has more Dirt than Add keeps track of
    for (const Case& c : cases) {
      BdcffGrid g(side, side, D);
      for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
          if ((x * 7 + y * 3) % 5 == 0) g.put(x, y, {O, -1});
        }
      }
      const auto expected = addByScan(rowsOf(g), c.dx, c.dy, D, R, c.backward);
      applyBdcffObject(g, c.command);
      EXPECT_EQ(rowsOf(g), expected) << c.command << " on " << side << " x " << side;
    }
  }
}

// Adding the element searched for runs on down the scan; AddBackward
// scans from the other end and adds once per element that was there.
TEST(BdcffObjects, AddAndAddBackwardScanInOppositeOrders) {
  BdcffGrid down(1, 4, O), back(1, 4, O);
  applyBdcffObject(down, "Point=0 0 BOULDER");
  applyBdcffObject(back, "Point=0 0 BOULDER");
  applyBdcffObject(down, "Add=0 1 BOULDER BOULDER");
  applyBdcffObject(back, "AddBackward=0 1 BOULDER BOULDER");
  EXPECT_EQ(rowsOf(down), (std::vector<std::vector<int>>{{R}, {R}, {R}, {R}}));
  EXPECT_EQ(rowsOf(back), (std::vector<std::vector<int>>{{R}, {R}, {O}, {O}}));
}

TEST(BdcffObjects, MazeIsDrawnInsideItsAreaAndSaysItIsNotTheGames) {
  BdcffGrid g(13, 9, D);
  const BdcffDrawResult r =
      applyBdcffObject(g, "Maze=1 1 11 7 1 1 50 7 2 3 4 5 STEELWALL SPACE unicursal");
  EXPECT_EQ(r.kind, Kind::Approximated);
  int paths = 0;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 13; ++x) {
      const bool inside = x >= 1 && x <= 11 && y >= 1 && y <= 7;
      if (!inside) {
        EXPECT_EQ(g.at(x, y), D) << x << "," << y;
      } else {
        EXPECT_TRUE(g.at(x, y) == S || g.at(x, y) == O) << x << "," << y;
        paths += g.at(x, y) == O;
      }
      // Cells at even offsets are the maze's rooms, odd ones between them walls.
      if (inside && (x - 1) % 2 == 0 && (y - 1) % 2 == 0) {
        EXPECT_EQ(g.at(x, y), O);
      }
      if (inside && (x - 1) % 2 == 1 && (y - 1) % 2 == 1) {
        EXPECT_EQ(g.at(x, y), S);
      }
    }
  }
  // A perfect maze of 6 x 4 rooms: 24 rooms and 23 passages between them.
  EXPECT_EQ(paths, 24 + 23);
  // The same seed gives the same maze.
  BdcffGrid again(13, 9, D);
  applyBdcffObject(again, "Maze=1 1 11 7 1 1 50 7 2 3 4 5 STEELWALL SPACE unicursal");
  EXPECT_EQ(rowsOf(again), rowsOf(g));
}

TEST(BdcffObjects, CoordinatesOffTheCaveDrawOnlyInsideIt) {
  BdcffGrid g(3, 3, D);
  EXPECT_EQ(applyBdcffObject(g, "Point=3 0 BOULDER").kind, Kind::Off);
  EXPECT_EQ(applyBdcffObject(g, "Point=-1 1 BOULDER").kind, Kind::Off);
  EXPECT_EQ(applyBdcffObject(g, "Line=-2 1 5 1 SPACE").kind, Kind::PartlyOff);
  EXPECT_EQ(applyBdcffObject(g, "FillRect=2 2 9 9 STEELWALL").kind, Kind::PartlyOff);
  EXPECT_EQ(applyBdcffObject(g, "Rectangle=5 5 9 9 STEELWALL").kind, Kind::Off);
  EXPECT_EQ(applyBdcffObject(g, "Raster=0 0 5 1 2 1 DIAMOND").kind, Kind::PartlyOff);
  EXPECT_EQ(applyBdcffObject(g, "Line=-2000000000 0 2000000000 0 SPACE").kind, Kind::Off);
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{{E, D, E}, {O, O, O}, {D, D, S}}));
}

TEST(BdcffObjects, UnknownAndUnreadableCommandsDrawNothing) {
  BdcffGrid g(3, 3, D);
  const BdcffDrawResult unknown = applyBdcffObject(g, "Circle=1 1 1 SPACE");
  EXPECT_EQ(unknown.kind, Kind::Unknown);
  EXPECT_NE(unknown.detail.find("Circle"), std::string::npos);
  EXPECT_EQ(applyBdcffObject(g, "Point=1 SPACE").kind, Kind::Unreadable);
  EXPECT_EQ(applyBdcffObject(g, "Point=1 x SPACE").kind, Kind::Unreadable);
  EXPECT_EQ(applyBdcffObject(g, "Raster=0 0 5000 1 1 1 SPACE").kind, Kind::Unreadable);
  EXPECT_EQ(applyBdcffObject(g, "no equals sign").kind, Kind::Unknown);
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>(3, std::vector<int>(3, D))));
}

TEST(BdcffObjects, NamesWithoutObjectBecomeGroverAndAreCountedPerName) {
  BdcffGrid g(4, 2, D);
  g.setLine(7);
  applyBdcffObject(g, "Line=0 0 3 0 CLOCK");
  g.setLine(8);
  applyBdcffObject(g, "Point=1 1 GHOST");
  applyBdcffObject(g, "Point=1 0 DIRT");     // one clock less
  applyBdcffObject(g, "Point=2 1 diamond");  // names are compared without regard to case
  EXPECT_EQ(g.at(0, 0), 15);
  EXPECT_EQ(g.at(2, 1), E);
  const auto counts = g.groverCounts();
  ASSERT_EQ(counts.size(), 2u);
  EXPECT_EQ(counts[0].label, "element CLOCK");
  EXPECT_EQ(counts[0].line, 7u);
  EXPECT_EQ(counts[0].cells, 3);
  EXPECT_EQ(counts[1].label, "element GHOST");
  EXPECT_EQ(counts[1].cells, 1);
}

TEST(BdcffObjects, RasterWithNegativeCountsOrStepsDrawsTowardsTheTopLeft) {
  BdcffGrid g(6, 5, D);
  EXPECT_EQ(applyBdcffObject(g, "Raster=4 3 -3 1 2 9 DIAMOND").kind, Kind::Drawn);
  EXPECT_EQ(applyBdcffObject(g, "Raster=5 4 1 -2 7 2 BOULDER").kind, Kind::Drawn);
  EXPECT_EQ(applyBdcffObject(g, "Raster=1 1 2 2 -1 -1 WALL").kind, Kind::Drawn);
  // Going left from the second column runs off the cave after one step.
  EXPECT_EQ(applyBdcffObject(g, "Raster=1 4 -3 1 1 0 SPACE").kind, Kind::PartlyOff);
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{{W, W, D, D, D, D},
                                                      {W, W, D, D, D, D},
                                                      {D, D, D, D, D, R},
                                                      {E, D, E, D, E, D},
                                                      {O, O, D, D, D, R}}));
}

// Two elements that became the same object are still two: Add finds the
// one it names. Here both names of the top row have no object (Grover), and
// BOULDERf is the falling form of BOULDER (both Rock).
TEST(BdcffObjects, AddComparesTheFilesElementsNotTheirObjects) {
  BdcffGrid g(4, 3, D);
  applyBdcffObject(g, "Line=0 0 1 0 CLOCK");
  applyBdcffObject(g, "Line=2 0 3 0 GHOST");
  applyBdcffObject(g, "Point=0 2 BOULDER");
  applyBdcffObject(g, "Point=2 2 BOULDERf");
  EXPECT_EQ(applyBdcffObject(g, "Add=0 1 GHOST DIAMOND").kind, Kind::Drawn);
  EXPECT_EQ(applyBdcffObject(g, "Add=1 0 boulderF SPACE").kind, Kind::Drawn);
  constexpr int G = 15;
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{{G, G, G, G}, {D, D, E, E}, {R, D, R, O}}));
  // What was drawn over is no longer found: the Grover cells left are counted.
  const auto counts = g.groverCounts();
  ASSERT_EQ(counts.size(), 2u);
  EXPECT_EQ(counts[0].cells, 2);
  EXPECT_EQ(counts[1].cells, 2);
}

TEST(BdcffObjects, FloodFillReplacesOneConnectedAreaOfOneElement) {
  BdcffGrid g(5, 4, D);
  applyBdcffObject(g, "Line=2 0 2 3 WALL");  // two areas of Dirt
  applyBdcffObject(g, "Point=0 3 CLOCK");
  applyBdcffObject(g, "Point=1 3 GHOST");  // Grover too, but another element
  EXPECT_EQ(applyBdcffObject(g, "FloodFill=0 0 DIAMOND DIRT").kind, Kind::Drawn);
  // Without the element replaced: the area of what the start holds.
  EXPECT_EQ(applyBdcffObject(g, "FloodFill=2 1 STEELWALL").kind, Kind::Drawn);
  EXPECT_EQ(applyBdcffObject(g, "FloodFill=0 3 SPACE CLOCK").kind, Kind::Drawn);
  // A start that does not hold the element replaced changes nothing.
  EXPECT_EQ(applyBdcffObject(g, "FloodFill=4 0 BOULDER SPACE").kind, Kind::Drawn);
  EXPECT_EQ(applyBdcffObject(g, "FloodFill=9 0 BOULDER DIRT").kind, Kind::Off);
  EXPECT_EQ(applyBdcffObject(g, "FloodFill=1 1").kind, Kind::Unreadable);
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{
                           {E, E, S, D, D}, {E, E, S, D, D}, {E, E, S, D, D}, {O, 15, S, D, D}}));
}

TEST(BdcffObjects, BoundaryFillFillsEverythingUpToItsBorder) {
  BdcffGrid g(6, 5, D);
  applyBdcffObject(g, "Rectangle=0 0 4 4 WALL");
  applyBdcffObject(g, "Point=2 2 BOULDER");
  applyBdcffObject(g, "Point=3 1 CLOCK");
  EXPECT_EQ(applyBdcffObject(g, "BoundaryFill=1 1 SPACE WALL").kind, Kind::Drawn);
  EXPECT_EQ(rowsOf(g), (std::vector<std::vector<int>>{{W, W, W, W, W, D},
                                                      {W, O, O, O, W, D},
                                                      {W, O, O, O, W, D},
                                                      {W, O, O, O, W, D},
                                                      {W, W, W, W, W, D}}));
  // Started on its border, it fills nothing; the clock is gone.
  EXPECT_EQ(applyBdcffObject(g, "BoundaryFill=0 0 DIAMOND WALL").kind, Kind::Drawn);
  EXPECT_EQ(g.at(0, 0), W);
  EXPECT_EQ(g.groverCounts().at(0).cells, 0);
}

TEST(BdcffObjects, CopyPasteCopiesMirrorsAndFlips) {
  // A 2 x 2 pattern at the top left: Rock Emerald / Space Wall.
  const auto pattern = [] {
    BdcffGrid g(5, 4, D);
    applyBdcffObject(g, "Point=0 0 BOULDER");
    applyBdcffObject(g, "Point=1 0 DIAMOND");
    applyBdcffObject(g, "Point=0 1 SPACE");
    applyBdcffObject(g, "Point=1 1 WALL");
    return g;
  };
  const auto copied = [&](const std::string& command) {
    BdcffGrid g = pattern();
    EXPECT_EQ(applyBdcffObject(g, command).kind, Kind::Drawn) << command;
    return std::vector<int>{g.at(3, 2), g.at(4, 2), g.at(3, 3), g.at(4, 3)};
  };
  EXPECT_EQ(copied("CopyPaste=0 0 1 1 3 2"), (std::vector<int>{R, E, O, W}));
  EXPECT_EQ(copied("CopyPaste=1 1 0 0 3 2 nomirror noflip"), (std::vector<int>{R, E, O, W}));
  EXPECT_EQ(copied("CopyPaste=0 0 1 1 3 2 mirror"), (std::vector<int>{E, R, W, O}));
  EXPECT_EQ(copied("CopyPaste=0 0 1 1 3 2 flip"), (std::vector<int>{O, W, R, E}));
  EXPECT_EQ(copied("CopyPaste=0 0 1 1 3 2 mirror flip"), (std::vector<int>{W, O, E, R}));
  // Overlapping: what is copied is read before anything is written.
  BdcffGrid g = pattern();
  applyBdcffObject(g, "CopyPaste=0 0 1 1 1 0");
  EXPECT_EQ(rowsOf(g)[0], (std::vector<int>{R, R, E, D, D}));
  EXPECT_EQ(applyBdcffObject(g, "CopyPaste=0 0 1 1 4 3").kind, Kind::PartlyOff);
  EXPECT_EQ(g.at(4, 3), R);
  EXPECT_EQ(applyBdcffObject(g, "CopyPaste=0 0 1 1 3 2 sideways").kind, Kind::Unreadable);
}

// The C64 random fill over a rectangle: one value of the generator per
// cell, row by row, from the first difficulty level's seed.
TEST(BdcffObjects, RandomFillOfARectangleUsesTheOriginalGenerator) {
  const std::string args = "1 1 4 2 10 20 30 40 50 SPACE BOULDER 90 DIAMOND 20";
  BdcffGrid g(6, 4, D);
  EXPECT_EQ(applyBdcffObject(g, "RandomFillC64=" + args).kind, Kind::Drawn);
  C64Random random(10);
  for (int y = 1; y <= 2; ++y) {
    for (int x = 1; x <= 4; ++x) {
      const int value = random.next();
      EXPECT_EQ(g.at(x, y), value < 20 ? E : value < 90 ? R : O) << x << "," << y;
    }
  }
  EXPECT_EQ(g.at(0, 1), D);
  EXPECT_EQ(g.at(5, 2), D);
  EXPECT_EQ(g.at(1, 3), D);
  // RandomFill draws the same and says that its program may not.
  BdcffGrid plain(6, 4, D);
  const BdcffDrawResult r = applyBdcffObject(plain, "RandomFill=" + args);
  EXPECT_EQ(r.kind, Kind::Approximated);
  EXPECT_NE(r.detail.find("original game's generator"), std::string::npos);
  EXPECT_EQ(rowsOf(plain), rowsOf(g));
  // One seed is enough; a negative one asks for a new fill at each play.
  BdcffGrid one(6, 4, D);
  EXPECT_EQ(applyBdcffObject(one, "RandomFillC64=1 1 4 2 10 SPACE BOULDER 90 DIAMOND 20").kind,
            Kind::Drawn);
  EXPECT_EQ(rowsOf(one), rowsOf(g));
  const BdcffDrawResult negative =
      applyBdcffObject(one, "RandomFillC64=0 0 1 1 -1 SPACE BOULDER 300");
  EXPECT_NE(negative.detail.find("seed 0 used"), std::string::npos);
  EXPECT_NE(negative.detail.find("300 is not 0..255"), std::string::npos);
  EXPECT_EQ(applyBdcffObject(one, "RandomFillC64=0 0 1 1 5 SPACE BOULDER").kind, Kind::Unreadable);
}

}  // namespace
}  // namespace pyrovel
