#pragma once
// What the resource explorer does with a resource: save it raw, or import
// it when its type is one of the level types (a Construction Kit cave or
// intermission, or a whole game levelset).
#include <string>
#include <vector>

#include "import/pe_resources.h"

namespace pyrovel {

class EditorSession;

enum class ResourceLevelKind { None, Cave, Intermission, Levelset };

// By the text of the type node above the resource: "BDCAV", "BDINT",
// "BDGAME". Numbered types never hold levels.
ResourceLevelKind resourceLevelKind(const ResourceKey& type);

// The picture a node of the resource tree shows: a folder for every list
// (types, names with several languages, icon and cursor groups), and for a
// resource its type's own picture.
enum class ResourcePicture {
  Folder,
  Cave,
  Levelset,
  Bitmap,
  IconImage,
  CursorImage,
  Strings,
  Menu,
  Data
};
// `type` is the type node above the item; `image` marks the icon or cursor
// images listed under a group.
ResourcePicture resourcePicture(const ResourceKey& type, bool list, bool image);

// Writes the leaf's raw bytes, without any header. A missing or list node
// throws "No resource selected".
void saveResource(const PeResources& pe, const ResourceNode* selected, const std::string& path);

// A click on a leaf below `type`: a cave or intermission goes into the
// current level, which stays shown (so the next click overwrites it); a
// levelset is opened as the game's levelmap, from the current level on when
// `append` is set. Returns the kind imported (None when the type holds no
// levels, or the cave was too short to be one).
ResourceLevelKind importResource(EditorSession& session, const PeResources& pe,
                                 const ResourceNode& type, const ResourceNode& item, bool append);

// Reads a levelset resource straight through the game-file reader, from
// the current level on when `append` is set: no save question and no level
// shown afterwards (the command line's batch import).
void readGameLevelset(EditorSession& session, const Bytes& data, bool append);

// The lines of every string block of the "String" type, block by block
// (the explorer's collected string list).
std::vector<std::string> collectStringLines(const PeResources& pe);

// "Assign Names": every name that is a number v > 0 divisible by 10 takes
// the whole of the last line that contains it; that line leaves the list
// when the name changed.
void assignLevelsetNames(std::vector<std::string>& names, std::vector<std::string>& lines);

// The explorer's status bar text for a node: " Offset: %x" for a list (its
// directory offset), " Offset: %x  Size: %x" for data.
std::string resourceStatusText(const ResourceNode& node);

}  // namespace pyrovel
