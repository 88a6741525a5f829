#pragma once
// Running one levelset reader or writer on a file the way the editor does,
// for tests that check a format directly rather than through the dispatch.
#include <string>

#include "editor/levelmap_files.h"
#include "editor/levelset_formats.h"
#include "formats/session_read.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel {

inline void readWith(EditorSession& session, LevelsetReader reader, const std::string& path,
                     bool append = false) {
  readIntoSession(session, reader, readFileBytes(path), path, append);
}

// Saves the session's levelmap in the format with this key ("map", "bd4", ...).
inline void saveWith(EditorSession& session, const char* key, const std::string& path) {
  saveLevelmapInFormat(session, *findLevelsetFormat(key), path);
}

}  // namespace pyrovel
