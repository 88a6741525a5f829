#pragma once
// The folders of the four players a level can be tested in: which file
// marks each one, how a folder is checked, and how names are looked up.
// The players come from Windows, where letter case does not matter, so
// their files are found whatever case the folder spells them in.
#include <optional>
#include <string>

#include "model/configuration.h"

namespace pyrovel {

struct PlayerInfo {
  TestTarget target;
  const char* prompt;     // the finder's prompt
  const char* lookedFor;  // the file that marks the player's folder
  const char* foundText;  // the finder's label once found
};

const PlayerInfo& playerInfo(TestTarget target);

// The finder's label when the marking file is missing.
inline constexpr const char* kFileNotFoundText = "File not Found";

// The folder setting of a player.
std::string& playerFolder(Configuration& config, TestTarget target);
const std::string& playerFolder(const Configuration& config, TestTarget target);

// `name` inside `dir` joined with '/' (no doubled separator).
std::string joinPath(const std::string& dir, const std::string& name);

bool folderExists(const std::string& dir);

// The path of the regular file in `dir` whose name equals `name` ignoring
// letter case (the exact spelling first); nothing when there is none.
std::optional<std::string> findFileNoCase(const std::string& dir, const std::string& name);
// The same for a folder inside `dir`.
std::optional<std::string> findFolderNoCase(const std::string& dir, const std::string& name);
// The folder inside `dir` spelt `name` in any case, made when there is none.
std::string folderInside(const std::string& dir, const std::string& name);

// The finder's verdict on one folder. The game's folder counts only with
// its sprite set "emerald.iml" beside the program; without it the label is
// left as it was and nothing is stored.
struct FolderCheck {
  enum Result { NotFound, Incomplete, Found } result = NotFound;
  std::string label;  // the text for the result label; empty for Incomplete
};
FolderCheck checkPlayerFolder(TestTarget target, const std::string& dir);

}  // namespace pyrovel
