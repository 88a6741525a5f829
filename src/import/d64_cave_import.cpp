#include "import/d64_cave_import.h"

#include "import/ck_cave_import.h"
#include "import/disk_level_import.h"
#include "import/petscii_text.h"

namespace pyrovel {

bool importD64Entry(EditorSession& session, const D64Image& image, const D64Entry& entry) {
  if (!entry.isCave() && !entry.isIntermission()) return false;
  const Bytes cave = image.extract(entry);
  CavImportOptions options;
  // The readable name, whichever character set it was typed in.
  options.title = petsciiToRecordText(entry.plainName());
  options.intermission = entry.isIntermission();
  const std::string name = image.path() + ":" + entry.displayName();
  return importIntoShownLevel(session,
                              [&] { return importCavLevelBytes(session, cave, name, options); });
}

}  // namespace pyrovel
