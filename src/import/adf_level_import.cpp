#include "import/adf_level_import.h"

#include "formats/em_formats.h"
#include "formats/em_v6_record.h"
#include "formats/memo_lines.h"
#include "import/disk_level_import.h"

namespace pyrovel {

bool importAdfLevel(EditorSession& session, const AdfImage& image, int headerBlock) {
  // Read off the image first, so a damaged file leaves the level alone.
  const Bytes level = image.extract(headerBlock);
  const std::string name = image.path() + ":" + latin1ToUtf8(image.blockName(headerBlock));
  // Only a file of an Emerald Mine level's size is taken for one: a picture
  // or a program on the same disk is refused before any level is touched.
  if (!isEmLevelSize(level.size())) {
    appendMemoLines(session,
                    {"Not an Emerald Mine level: " + name + " (" + std::to_string(level.size()) +
                     " bytes; a level has " + std::to_string(kEmV4MinSize) + " to " +
                     std::to_string(kEmV6RecordSize) + ")"});
    return false;
  }
  return importIntoShownLevel(session, [&] {
    importEmLevelBytes(session, level, name);
    return true;
  });
}

}  // namespace pyrovel
