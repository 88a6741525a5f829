#pragma once
// A double click on a file in the ADF browser: the file is read as an
// Emerald Mine level into the current level.
#include "import/adf_image.h"

namespace pyrovel {

class EditorSession;

// Imports the file whose header is `headerBlock` into the current level and
// shows that level again afterwards (the next import overwrites it too).
// False when the file is too short to be a level (the importer says so in
// the message memo); a file that cannot be read off the image throws and
// changes nothing.
bool importAdfLevel(EditorSession& session, const AdfImage& image, int headerBlock);

}  // namespace pyrovel
