#pragma once
// What the editor does before its window takes over: where its settings
// go, where the image library is, and the empty levelmap it starts with.
#include <string>
#include <vector>

#include "model/editor_session.h"

namespace pyrovel {

// True when a file can be created in the folder (tried, not guessed).
bool folderIsWritable(const std::string& folder);

// Edit.ini and the temporary files live in the program folder when it can be
// written, otherwise in the user's own configuration folder (an installed
// editor could never keep its settings otherwise).
std::string chooseSettingsFolder(const std::string& programDir, const std::string& userDir,
                                 bool programDirWritable);

struct ImageLibraryFiles {
  std::string iml;
  std::string bam;
  bool found = false;  // both files exist
};
// The folder of the files the programs ship with (sprite set, Edit.bdi,
// demo levelmap): the program folder when the sprite set is beside it (a
// build folder, or a folder the user filled), otherwise the installed share
// folder next to the program's bin folder when there is one.
std::string findDataFolder(const std::string& programDir);

// "Emerald.iml" and "Emerald.bam": full paths in the game folder when both
// are there, otherwise the bare names, looked up in the working folder.
ImageLibraryFiles findImageLibrary(const std::string& gameDir);

// The names of the sprite sets (*.iml) in a folder, sorted.
std::vector<std::string> listSpriteSets(const std::string& folder);

// Every slot empty, level 0 a cleared 64 x 32 level titled "Empty" with no
// author, the file name "New.map", level 0 shown, nothing to undo, not
// modified.
void prepareEmptyLevelmap(EditorSession& session);

// The layer switch: "Background" gives the current level a background layer
// (saved from now on) and edits it; "Gamegrid" goes back to the game layer.
void showBackgroundLayer(EditorSession& session);
void showGameLayer(EditorSession& session);

}  // namespace pyrovel
