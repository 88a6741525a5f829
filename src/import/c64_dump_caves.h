#pragma once
// Decoding the caves of C64 game engines into DAS commands.
#include <cstddef>
#include <string>
#include <vector>

#include "import/c64_dump_das.h"
#include "import/c64_dump_engine.h"

namespace pyrovel {

// One Construction Kit cave block (PLCK games and single caves), from its
// "DDDD": the cells as one "boxb" and the cave's parameters. `level` (0..99)
// names the cave in errors; a block that runs past the end of the file
// throws a LevelError.
void writePlckCave(const C64DumpBytes& bytes, std::size_t block, C64Kit kit, int level,
                   DasTextWriter& das);

// One cave of a BD1-engine game: its header lines, random fill, drawing
// commands and parameters. A record outside the file is reported and the
// cave is left with what was written.
void writeBd1Cave(const C64DumpBytes& bytes, std::size_t base, const C64Cave& cave,
                  DasTextWriter& das, std::vector<std::string>& report);

// A Deluxe Construction Kit cave: 22 rows of 40 code bytes, as objects by
// the DAS code table, row by row. Throws a LevelError when it runs past the
// end of the file.
std::vector<int> decodeDeluxeCave(const C64DumpBytes& bytes, std::size_t offset, int level);
inline constexpr int kC64CaveWidth = 40, kC64CaveHeight = 22;

// The BD1 engine's objects (0..63) as C64 codes; 255 marks what the
// editor has no object for, and so does any value past the table.
int bd1ObjectCode(int object);
int effectObjectCode(int object);

}  // namespace pyrovel
