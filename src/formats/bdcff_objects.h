#pragma once
// The drawing commands of a BDCFF [objects] section, applied in order to one
// cave's grid (bdcff_grid.h). Nothing is ever written outside the grid: a
// command with coordinates off the cave draws the part inside it and says so.
//
// The commands, with coordinates from the cave's top left corner and
// element names E (the names are compared as the file wrote them, so two
// elements that became the same object are still two):
//   Point=x y E
//   Line=x1 y1 x2 y2 E              every cell of the straight line, both ends included
//   Rectangle=x1 y1 x2 y2 E         the outline
//   FillRect=x1 y1 x2 y2 E [F]      outline E, inside F (E when F is left out)
//   Raster=x y nx ny dx dy E        |nx| x |ny| points, dx and dy apart; a negative count
//                                   turns its direction round (towards the left or top)
//   Add=dx dy S E                   E at (x+dx, y+dy) of every S, scanned from the top left
//   AddBackward=dx dy S E           the same, scanned from the bottom right
//   FloodFill=x y F [S]             the cells holding S (what x y holds when S is left
//                                   out) connected to x y side by side become F
//   BoundaryFill=x y F B            every cell reached from x y side by side without
//                                   crossing a cell holding B becomes F
//   CopyPaste=x1 y1 x2 y2 x y [mirror|nomirror] [flip|noflip]
//                                   the rectangle copied with its top left corner to x y,
//                                   mirrored left to right and / or flipped upside down
//   RandomFillC64=x1 y1 x2 y2 seed.. I E1 P1 [E2 P2 ..]
//                                   the original game's random fill (bdcff_random.h) over
//                                   the rectangle, row by row: a cell becomes the last Ek
//                                   whose Pk (0..255) is above the generator's value, else
//                                   I; one seed per difficulty level, the first counts
//   RandomFill=<the same>           drawn with the same generator: the file's own program
//                                   may pick other cells, which the note says
//   Maze=x1 y1 x2 y2 wall path horizontal% seed1..seed5 WALL PATH [type]
//                                   a maze of the editor's own (the game's generator is not
//                                   public): walls and paths of the given widths
#include <string>
#include <string_view>

#include "formats/bdcff_grid.h"

namespace pyrovel {

// What became of one drawing command.
struct BdcffDrawResult {
  enum class Kind {
    Drawn,         // as the file says
    PartlyOff,     // some coordinates lie off the cave; the part inside was drawn
    Off,           // all of it lies off the cave; nothing was drawn
    Approximated,  // drawn, but not the way the game would (the maze, RandomFill)
    Unknown,       // not a drawing command the reader knows; nothing was drawn
    Unreadable,    // a command with missing or bad numbers; nothing was drawn
  };
  Kind kind = Kind::Drawn;
  std::string detail;  // what the note says about it
};

// Applies one line of an [objects] section ("Name=values") to the grid.
BdcffDrawResult applyBdcffObject(BdcffGrid& grid, std::string_view line);

}  // namespace pyrovel
