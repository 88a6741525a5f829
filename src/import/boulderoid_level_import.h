#pragma once
// Boulderoid text maps (".map"): a "width" and a "height" line, the rows of
// the map one character per cell, then the cave's values line by line.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

// Reads the map into the current level (game layer) and steps to the next
// level. A file without a "width" line (an empty one included) holds no
// level: it ends the import with a LevelError before the level is touched. A width or
// height that is not a whole number, or outside 0..128, and a file that
// ends before the values, end the import with a LevelError; what was read
// stays in the level.
void importBoulderoidLevel(EditorSession& session, const std::string& path);
// The same for bytes in memory; `name` stands for the file name.
void importBoulderoidLevelBytes(EditorSession& session, const Bytes& data, const std::string& name);

}  // namespace pyrovel
