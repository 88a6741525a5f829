#pragma once
// Opening and saving the session's levelmap: the dispatcher that picks
// readers by extension and magic, the file history, save and save-as, and
// the new levelmap. It lives above the readers and writers, which only fill
// and read the session they are handed.
#include <string>

namespace pyrovel {

class EditorSession;

enum class OpenSource { Dialog, AppendDialog, History, Path };

// The dispatcher: picks readers by extension and magic and runs them.
// False when no reader takes the file (nothing was read).
bool readLevelmap(EditorSession& session, const std::string& path);
// Opening with everything around it: the save question (Cancel opens
// nothing), then the read into a fresh levelmap that replaces the current
// one only when it succeeded; a file no reader takes is an error.
void openLevelmap(EditorSession& session, OpenSource source, const std::string& path = {});
// Save to where the levelmap came from when that file is in the game's own
// format or BDCFF; otherwise (a new levelmap, another game's file) ask for
// a name. False when nothing was written.
bool saveLevelmap(EditorSession& session);
// Asks for a name (proposing `proposed`, or the levelmap's name) and type;
// the written file becomes the levelmap's file and enters the history.
bool saveLevelmapAs(EditorSession& session, const std::string& proposed = {});
// Writes the levelmap as save-as type 1..4 to `path` (the name rules of
// save-as are applied by saveLevelmapAs, not here).
void saveLevelmapAsType(EditorSession& session, int type, const std::string& path);
// "New levelset": the save question, then one cleared 64 x 32 level.
void newLevelmap(EditorSession& session);

}  // namespace pyrovel
