#pragma once
// Rocks & Diamonds levels (".lvl"): a header from byte 38 with size, time,
// name, scores and four yam patterns, then the map from byte 150, framed by
// the editor with a Solid Wall border.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

// The largest map side: with its border it still fits a level.
inline constexpr int kRndMaxMapSide = 126;

// Reads a level into the current level (game layer) and steps to the next
// level. Unsupported codes and the biomaze are noted in the message memo.
// A map side above 126, or a file that ends early, ends the import with a
// LevelError; what was read stays.
void importRndLevel(EditorSession& session, const std::string& path);
// The same for bytes in memory; `name` stands for the file name.
void importRndLevelBytes(EditorSession& session, const Bytes& data, const std::string& name);

}  // namespace pyrovel
