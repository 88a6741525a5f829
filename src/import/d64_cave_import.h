#pragma once
// A click on a Construction Kit cave (".cav") or intermission (".int") in
// the D64 browser: the file is read into the current level.
#include "import/d64_image.h"

namespace pyrovel {

class EditorSession;

// Imports the entry into the current level and shows that level again
// afterwards, so the next click overwrites it too. The level's title is the
// entry's name (for caves that carry none). False when the entry is no cave
// by its name (nothing happens) or too short to be one (the importer says so
// in the message memo); a file that cannot be read off the image throws and
// changes nothing.
bool importD64Entry(EditorSession& session, const D64Image& image, const D64Entry& entry);

}  // namespace pyrovel
