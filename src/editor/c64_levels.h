#pragma once
// The C64 memory-dump converter's levels in the session: like every other
// replacement of the levelmap, a conversion asks the save question first and
// then fills a fresh levelmap; with Append it fills the levels from the
// current one on, each changed level getting an undo step.
#include <string>

#include "import/c64_dump_convert.h"

namespace pyrovel {

class EditorSession;

// False when nothing changed: no levels to load, or the user cancelled the
// save question (or its save). A new levelmap is "New.map", unsaved; level
// 0 is shown, or the first appended level.
bool loadC64Conversion(EditorSession& session, const C64Conversion& conversion, bool append);

// What the converter's "Open" does once a file is chosen: reads it, converts
// it and loads what it could convert. An unreadable or truncated file throws
// a LevelError with the levelmap as it was.
C64Conversion runC64Converter(EditorSession& session, const std::string& path, bool append);

}  // namespace pyrovel
