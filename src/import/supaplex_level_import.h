#pragma once
// Single Supaplex levels (".sp"): one 1536-byte level record, as in
// LEVELS.DAT; bytes after it (a recorded demo) are not read.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

// Reads the level into the current level (game layer) and steps to the
// next level; unknown bytes become Grover with a memo line. A file shorter
// than a record changes nothing and throws a LevelError.
void importSupaplexLevel(EditorSession& session, const std::string& path);
void importSupaplexLevelBytes(EditorSession& session, const Bytes& data, const std::string& name);

}  // namespace pyrovel
