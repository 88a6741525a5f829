#include "import/adf_level_import.h"

#include "formats/em_formats.h"
#include "import/disk_level_import.h"

namespace pyrovel {

bool importAdfLevel(EditorSession& session, const AdfImage& image, int headerBlock) {
  // Read off the image first, so a damaged file leaves the level alone.
  const Bytes level = image.extract(headerBlock);
  const std::string name = image.path() + ":" + latin1ToUtf8(image.blockName(headerBlock));
  importIntoShownLevel(session, [&] { importEmLevelBytes(session, level, name); });
  return level.size() >= kEmV4MinSize;
}

}  // namespace pyrovel
