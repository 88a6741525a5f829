#pragma once
// Operations on the whole levelmap rather than one level: setting the author of a run of levels,
// the "Convert trapped amoeba" flag of every level, and clearing the importers' messages; finding
// every cell of an object by name or number and stepping through them.
#include <optional>
#include <string>
#include <vector>

namespace pyrovel {

class EditorSession;
class Levelmap;
class ObjectCatalogue;

// The object numbers a search text means: a number 0..255 means that object,
// other text the objects whose name holds it in any letter case ("door"
// finds every door). Blank text means none.
std::vector<int> objectsMatching(const ObjectCatalogue& catalogue, const std::string& text);

// A cell of the game layer: level slot, column, row.
struct FoundCell {
  int slot = 0, x = 0, y = 0;
  friend bool operator==(const FoundCell&, const FoundCell&) = default;
};

// Every cell of the game layer inside its level's size holding one of
// `objects`, level by level, each level row by row.
std::vector<FoundCell> findCells(const Levelmap& map, const std::vector<int>& objects);

// The index of the found cell after (+1) or before (-1) `from` in that
// order, wrapping around the levelmap; none when nothing was found. `from`
// need not be a found cell (the level shown, at its top-left corner).
std::optional<std::size_t> stepFound(const std::vector<FoundCell>& found, const FoundCell& from,
                                     int direction);

// Sets the author (UTF-8 text) of every level from level number
// `startLevel` (0..100) on, as the record's Latin-1 characters cut to 20.
// 100 changes none. An author with a character Latin-1 lacks changes
// nothing: the user is told, and the result is false.
bool replaceAuthorRange(EditorSession& session, const std::string& author, int startLevel);

// Sets or clears "Convert trapped amoeba" in all 100 levels.
void convertamoebaAll(EditorSession& session, bool on);

// Empties the message memo.
void clearMessageMemo(EditorSession& session);

}  // namespace pyrovel
