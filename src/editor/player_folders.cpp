#include "editor/player_folders.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

#include "model/errors.h"
#include "model/text_case.h"

namespace pyrovel {

namespace fs = std::filesystem;

namespace {

constexpr std::array<PlayerInfo, 4> kPlayers{{
    {TestTarget::Pyrovel, "Please specify the directory of Pyrovel", "pyrovel.exe",
     "Pyrovel found!"},
    {TestTarget::BD4, "Please specify the directory of BD4", "bd4.exe", "BD4 found!"},
    {TestTarget::Emerald, "Please specify the directory of Emerald Mine Player", "emcgame.exe",
     "EMC player found!"},
    {TestTarget::Boulderflash, "Please specify the directory of Boulderflash", "boulderflash.swf",
     "Boulderflash found!"},
}};

}  // namespace

const PlayerInfo& playerInfo(TestTarget target) {
  for (const PlayerInfo& p : kPlayers) {
    if (p.target == target) return p;
  }
  return kPlayers[0];
}

std::string& playerFolder(Configuration& config, TestTarget target) {
  switch (target) {
    case TestTarget::BD4:
      return config.bd4Dir;
    case TestTarget::Emerald:
      return config.emeraldDir;
    case TestTarget::Boulderflash:
      return config.boulderflashDir;
    case TestTarget::Pyrovel:
      break;
  }
  return config.gameDir;
}

const std::string& playerFolder(const Configuration& config, TestTarget target) {
  return playerFolder(const_cast<Configuration&>(config), target);
}

std::string joinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/' || dir.back() == '\\') return dir + name;
  return dir + "/" + name;
}

bool folderExists(const std::string& dir) {
  std::error_code ec;
  return !dir.empty() && fs::is_directory(dir, ec);
}

namespace {

// A regular file or a folder of `dir` whose name matches ignoring case.
std::optional<std::string> findEntryNoCase(const std::string& dir, const std::string& name,
                                           bool folder) {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  const std::string where = dir.empty() ? "." : dir;
  auto isWanted = [folder](const fs::path& p) {
    std::error_code ec;
    return folder ? fs::is_directory(p, ec) : fs::is_regular_file(p, ec);
  };
  if (isWanted(joinPath(where, name))) return joinPath(dir, name);
  // Several spellings may exist; take the first in name order so the
  // choice does not depend on the order the file system lists them in.
  std::optional<std::string> found;
  std::string foundName;
  std::error_code ec;
  for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (!sameTextIgnoringCase(candidate, name) || !isWanted(it->path())) continue;
    if (!found || candidate < foundName) {
      found = joinPath(dir, candidate);
      foundName = candidate;
    }
  }
  return found;
}

}  // namespace

std::optional<std::string> findFileNoCase(const std::string& dir, const std::string& name) {
  return findEntryNoCase(dir, name, false);
}

std::optional<std::string> findFolderNoCase(const std::string& dir, const std::string& name) {
  return findEntryNoCase(dir, name, true);
}

std::string folderInside(const std::string& dir, const std::string& name) {
  if (auto found = findFolderNoCase(dir, name)) return *found;
  const std::string made = joinPath(dir, name);
  std::error_code ec;
  fs::create_directory(made, ec);
  if (ec)
    throw LevelError(made, std::nullopt, std::nullopt, "cannot create the folder: " + ec.message());
  return made;
}

FolderCheck checkPlayerFolder(TestTarget target, const std::string& dir) {
  const PlayerInfo& info = playerInfo(target);
  if (!folderExists(dir) || !findFileNoCase(dir, info.lookedFor)) {
    return {FolderCheck::NotFound, kFileNotFoundText};
  }
  if (target == TestTarget::Pyrovel && !findFileNoCase(dir, "emerald.iml")) {
    return {FolderCheck::Incomplete, {}};
  }
  return {FolderCheck::Found, info.foundText};
}

}  // namespace pyrovel
