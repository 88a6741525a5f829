#pragma once
// The Brel Boulder levelset reader, which the open dispatcher runs for
// ".map" files that start with "BPBD". It lives with the single-level
// imports, whose steps it shares.
#include <string>

namespace pyrovel {

class EditorSession;

void readBpbdLevelset(EditorSession& session, const std::string& path);

}  // namespace pyrovel
