#pragma once
// Mikeysoft Boulder levels (".bou") are scrambled byte by byte with a key of
// 256 bytes; the descrambled file goes to "temp.dec" beside the level.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

// Output byte i is input byte i minus key byte i mod 256.
Bytes descrambleMikeysoft(const Bytes& scrambled);
// The inverse, for making test files.
Bytes scrambleMikeysoft(const Bytes& plain);

// Where the descrambled copy of a level file goes: "temp.dec" in its folder.
std::string mikeysoftScratchPath(const std::string& levelPath);

// Writes the descrambled copy and steps to the next level; the level itself
// is not filled.
void decodeMikeysoftLevel(EditorSession& session, const std::string& path);

}  // namespace pyrovel
