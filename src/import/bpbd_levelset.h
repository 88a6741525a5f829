#pragma once
// The Brel Boulder levelset reader, which the table of levelset formats lists for
// ".map" files that start with "BPBD". It lives with the single-level
// imports, whose steps it shares.
#include <string>

#include "formats/levelset_read.h"

namespace pyrovel {

void readBpbdLevelset(LevelsetRead& read, const Bytes& data, const std::string& path);

}  // namespace pyrovel
