#pragma once
// Atari caves (".cav"): a Construction Kit map of 22 rows of 20 bytes from
// byte 12, in the same packing and row order as the C64 caves.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

inline constexpr std::size_t kAtariMapOffset = 12;

// Reads the map into the current level (game layer), makes the level 40 x 22
// and steps to the next level. A file that ends before the map does changes
// nothing and throws LevelError.
void importAtariLevel(EditorSession& session, const std::string& path);
// The same for bytes in memory; `name` stands for the file name.
void importAtariLevelBytes(EditorSession& session, const Bytes& data, const std::string& name);

}  // namespace pyrovel
