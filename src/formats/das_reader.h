#pragma once
// The DAS ("Dash Dimensions") text levelset reader; readDasLevels itself is
// declared with the other levelset readers in levelset_io.h.
#include <array>

#include "model/levelmap.h"

namespace pyrovel {

// The C64 game's random cave fill: rows 1..20 of a 40 x 22 area, columns
// 1..38 written, in the current layer of `slot`. `codes` are C64 codes
// (translated by the DAS code table), chosen by comparing the generator's
// value with `thresholds`.
void shuffel(Levelmap& map, int slot, int seed, const std::array<int, 4>& codes,
             const std::array<int, 4>& thresholds);

}  // namespace pyrovel
