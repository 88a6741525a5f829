#pragma once
// Operations on the whole levelmap rather than one level: finding the first
// level that holds an object, setting the author of a run of levels, the
// "Convert trapped amoeba" flag of every level, and clearing the importers'
// messages.
#include <string>

namespace pyrovel {

class EditorSession;

// Shows the first level whose game layer holds `object` inside its size and
// returns true; false ("Object not found") leaves the current level alone.
bool findObject(EditorSession& session, int object);

// Sets the author of every level from level number `startLevel` (0..100) on,
// cut to 20 characters. 100 changes none.
void replaceAuthorRange(EditorSession& session, const std::string& author, int startLevel);

// Sets or clears "Convert trapped amoeba" in all 100 levels.
void convertamoebaAll(EditorSession& session, bool on);

// Empties the message memo.
void replaceAuthor(EditorSession& session);

}  // namespace pyrovel
