#pragma once
// BDCFF (Boulder Dash Common File Format) text for whole levelmaps and single
// levels. The levelset save and import are declared in levelset_io.h.
#include <string>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

// 2 when a cell of the current layer inside the size of some slot in
// first..last holds an object of a family above 1 or one with a code in two
// characters only, else 1.
int bdcffCodeLength(const Levelmap& map, int firstSlot, int lastSlot);

// What a BDCFF file cannot hold of one level (layer `layer`): a level too
// narrow for a cave, cells of objects without a code of `codeLength`
// characters (written as Solid Wall), the other layer. One note each.
void noteBdcffLevelLosses(const Levelmap& map, int slot, int layer, int codeLength,
                          std::vector<std::string>& notes);

// The text of one cave (every line ending with CR LF): the bracketed shape
// with name, counts, times and the slot's kept BDCFF lines, or (xml) the
// tag shape with the map alone.
std::string bdcffLevelLines(const Levelmap& map, int slot, bool xml, int codeLength);

// The whole levelmap as one BDCFF file (slots wider than 3).
std::string bdcffLevelsetText(const Levelmap& map);
// The current level as one BDCFF file, bracketed or in the tag shape.
std::string bdcffLevelText(const Levelmap& map, bool xml);

// Writes the current level of the current layer to `path` (replacing it).
void exportToBdcff(const Levelmap& map, const std::string& path, bool xml);

}  // namespace pyrovel
