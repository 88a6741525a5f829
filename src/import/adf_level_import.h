#pragma once
// A double click on a file in the ADF browser: the file is read as an
// Emerald Mine level into the current level.
#include "import/adf_image.h"

namespace pyrovel {

class EditorSession;

// Imports the file whose header is `headerBlock` like every single-level
// import (into the current level when it holds nothing, else where the user
// says) and shows the level filled. False, with a line in the message memo,
// when the file's size is no Emerald Mine level's (a picture, a program);
// a file that cannot be read off the image throws. Neither changes a level.
bool importAdfLevel(EditorSession& session, const AdfImage& image, int headerBlock);

}  // namespace pyrovel
