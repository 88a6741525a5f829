#pragma once
// BoulderRush caves (".cav"): 20 rows of 40 cell bytes from byte 296.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

inline constexpr std::size_t kBoulderRushMapOffset = 296;

// Puts the rocks of the cave into the current level (game layer), makes it
// 40 x 22 and steps to the next level; the other cells keep what they held.
// A file that ends before the map does, and a ".brc" caveset, change
// nothing and throw a LevelError.
void importBoulderRushLevel(EditorSession& session, const std::string& path);
// The same for bytes in memory; `name` stands for the file name.
void importBoulderRushLevelBytes(EditorSession& session, const Bytes& data,
                                 const std::string& name);

}  // namespace pyrovel
