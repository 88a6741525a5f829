#pragma once
// A file dropped on the editor's window: a levelset (any file a levelset
// reader takes) opens as the levelmap, a single level of a kind its
// extension names is imported into the first empty level.
#include <optional>
#include <string>

#include "editor/single_level_io.h"

namespace pyrovel {

class EditorSession;
struct ImportFilter;

enum class DroppedKind { Levelset, Level, Unknown };

// What the file is, by its first bytes and its name (a file that starts
// with the game's single-level magic is a level whatever its name); reads
// the file (throws LevelError when it cannot be read).
DroppedKind droppedFileKind(const std::string& path);

// The first level that holds nothing, or none.
std::optional<int> firstEmptyLevel(const Levelmap& map);

// Imports a single level file into the first empty level, which is shown;
// throws LevelError naming the file when no level is empty or the file's
// kind is not a level.
LevelImportResult importDroppedLevel(EditorSession& session, const std::string& path,
                                     const LevelImportOptions& options = {});

}  // namespace pyrovel
