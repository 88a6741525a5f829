#include "editor/dropped_file.h"

#include <algorithm>
#include <string_view>

#include "editor/levelset_formats.h"
#include "formats/single_level_file.h"
#include "import/import_filters.h"
#include "import/import_target.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "model/file_io.h"

namespace pyrovel {

DroppedKind droppedFileKind(const std::string& path) {
  const Bytes data = readFileBytes(path);
  // ".lev" names levelsets too: the game's own level is told by its magic.
  const std::string_view magic(kSingleLevelMagic);
  if (data.size() >= magic.size() && std::equal(magic.begin(), magic.end(), data.begin()))
    return DroppedKind::Level;
  if (readerForFile(path, data)) return DroppedKind::Levelset;
  return importFilterForExtension(path) ? DroppedKind::Level : DroppedKind::Unknown;
}

std::optional<int> firstEmptyLevel(const Levelmap& map) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (!levelHoldsSomething(map, slot)) return slot;
  }
  return std::nullopt;
}

LevelImportResult importDroppedLevel(EditorSession& session, const std::string& path,
                                     const LevelImportOptions& options) {
  // A file of another name that droppedFileKind took by its magic is the game's own level.
  const ImportFilter* filter = importFilterForExtension(path);
  if (!filter && droppedFileKind(path) == DroppedKind::Level) filter = findImportFilter("lev");
  if (!filter) throw LevelError(path + ": not a level file the editor imports");
  const auto slot = firstEmptyLevel(session.map);
  if (!slot) throw LevelError(path + ": no level is empty to import it into");
  session.selectLevel(*slot);
  return importLevel(session, filter->index, {path}, options);
}

}  // namespace pyrovel
