#pragma once
// A small readable text form of levels, used for the bundled demo levelmap
// and for test fixtures:
//
//   # comment
//   [legend]            optional: extra or changed map characters
//   ~ = 62
//   [level 3]           level number 0..99
//   title = Lava
//   author = Pyrovel Team
//   time = 150          any field name of the level record (see below)
//   map                 the rows follow, up to a blank line or the next [section]
//   WWWWW
//   W@.*W
//   WWWWW
//
// The player positions follow from '@' (Little Fellow) and Fellow2 cells.
#include <string>

#include "model/bytes.h"
#include "model/levelmap.h"

namespace pyrovel {

// Fills the levels the text names; throws LevelError naming the line.
void readLevelText(Levelmap& map, const Bytes& text, const std::string& file);

// The default map characters, as "char object" pairs.
int levelTextObject(char c);

}  // namespace pyrovel
