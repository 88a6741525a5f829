#pragma once
// Diamond Caves II levels: a scrambled file of 16-bit words that, once
// descrambled, holds a 344-byte header, the yam patterns and the map as
// 16-bit codes.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

// The descrambled words of a file (an odd last byte is dropped).
Bytes descrambleDc2(const Bytes& scrambled);

// Reads a level into the current level (game layer) and steps to the next
// level. Unknown codes become the Question mark object and are listed on
// the conversion panel. A width or height above 128, or a file that ends
// early, ends the import with a LevelError; what was read stays.
void importDc2Level(EditorSession& session, const std::string& path);
// The same for the (still scrambled) bytes in memory; `name` stands for
// the file name.
void importDc2LevelBytes(EditorSession& session, const Bytes& scrambled, const std::string& name);

}  // namespace pyrovel
