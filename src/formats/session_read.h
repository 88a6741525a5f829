#pragma once
// A levelset read as the editor takes it: the reader fills a levelmap of its
// own, and the session's levelmap is replaced (or, appending, extended) only
// when the read succeeded.
#include <functional>
#include <string>

#include "formats/levelset_read.h"

namespace pyrovel {

class EditorSession;

// Runs `reader` on a fresh levelmap, or a copy of the session's when
// appending. On success the session takes the levelmap, the report's notes
// (message panel) and reader note; the file name, path and history are the
// caller's. On an error the session is as it was and the error goes on.
// Every appended level that changed gets an undo step that takes it back.
void readIntoSession(EditorSession& session, LevelsetReader reader, const Bytes& data,
                     const std::string& path, bool append);
// The same with levels from anywhere: `fill` does what a reader does.
using LevelsetFill = std::function<void(LevelsetRead& read)>;
void readIntoSession(EditorSession& session, const LevelsetFill& fill, const std::string& path,
                     bool append);

}  // namespace pyrovel
