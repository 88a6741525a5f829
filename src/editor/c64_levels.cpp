#include "editor/c64_levels.h"

#include "editor/levelmap_files.h"
#include "model/file_io.h"

namespace pyrovel {

bool loadC64Conversion(EditorSession& session, const C64Conversion& conversion, bool append) {
  if (!conversion.loadable()) return false;
  return openLevels(
      session, [&](LevelsetRead& read) { readC64Conversion(read, conversion); },
      "C64 memory dump", append);
}

C64Conversion runC64Converter(EditorSession& session, const std::string& path, bool append) {
  C64Conversion conversion = convertC64Dump(readFileBytes(path), path);
  loadC64Conversion(session, conversion, append);
  return conversion;
}

}  // namespace pyrovel
