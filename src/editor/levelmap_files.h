#pragma once
// Opening and saving the session's levelmap: the dispatch through the table
// of levelset formats, the file history, save and save-as, and the new
// levelmap. Readers fill a levelmap of their own and writers read a const
// one; only this layer changes the session.
#include <string>
#include <vector>

#include "formats/levelset_read.h"
#include "formats/session_read.h"

namespace pyrovel {

class EditorSession;
struct LevelsetFormat;

enum class OpenSource { Dialog, AppendDialog, History, Path };

// Reads `path` with the first format whose name patterns and content check
// take it; the levelmap and its file change only when the read succeeded.
// False when no reader takes the file (nothing changes); a damaged file
// throws, with nothing changed either.
bool readLevelmap(EditorSession& session, const std::string& path);
// Opening with everything around it: the save question (Cancel opens
// nothing), then the read into a fresh levelmap that replaces the current
// one only when it succeeded; a file no reader takes is an error.
void openLevelmap(EditorSession& session, OpenSource source, const std::string& path = {});
// Save to where the levelmap came from when that file is in the game's own
// format, or in BDCFF and the file can hold everything the levelmap does
// (else the user is shown what would be lost and may save NAME.map instead);
// otherwise (a new levelmap, another game's file) ask for a name. False
// when nothing was written.
bool saveLevelmap(EditorSession& session);
// Asks for a name (proposing `proposed`, or the levelmap's name) and type,
// then, when the file to be written (with the type's extension) exists,
// whether to replace it; the written file becomes the levelmap's file and
// enters the history. A file that could not hold everything leaves the
// levelmap marked as changed.
bool saveLevelmapAs(EditorSession& session, const std::string& proposed = {});
// Writes the levelmap in `format` to `path` (atomically); the levelmap is
// then named after the file and counts as saved unless the writer noted
// something the file could not hold. With `onlyWhole`, such a file is not
// written at all. Returns the writer's notes. The name rules of save-as are
// saveLevelmapAs's.
std::vector<std::string> saveLevelmapInFormat(EditorSession& session, const LevelsetFormat& format,
                                              const std::string& path, bool onlyWhole = false);
// Opens levels that no file holds (a game inside an executable): the save
// question, then `reader` on `data`; level 0 is shown. The levelmap keeps
// its file when appending and is "New.map" otherwise; either way it counts
// as changed, so closing asks to save it.
void openLevelsetBytes(EditorSession& session, LevelsetReader reader, const Bytes& data,
                       const std::string& name, bool append);
// Levels from anywhere (`fill` does what a reader does): without `append`
// they replace the levelmap after the save question, as an open does (false
// when the user cancelled); with it they go from the current level on, each
// changed level with an undo step, and the current level stays shown.
bool openLevels(EditorSession& session, const LevelsetFill& fill, const std::string& name,
                bool append);
// "New levelset": the save question, then one cleared 64 x 32 level. False
// when the user cancelled or the save did not happen: nothing changed.
bool newLevelmap(EditorSession& session);

}  // namespace pyrovel
