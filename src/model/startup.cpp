#include "model/startup.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "model/file_io.h"

namespace pyrovel {

namespace fs = std::filesystem;

namespace {
// The sprite set every program starts with.
constexpr const char* kLibraryName = "Emerald.iml";
constexpr const char* kObjectTableName = "Emerald.bam";
}  // namespace

bool folderIsWritable(const std::string& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  std::random_device rd;
  const fs::path probe = fs::path(folder) / (".prvl-write-test-" + std::to_string(rd()));
  bool ok = false;
  {
    std::ofstream out(probe, std::ios::binary);
    ok = static_cast<bool>(out << 'x') && static_cast<bool>(out.flush());
  }
  fs::remove(probe, ec);
  return ok;
}

std::string chooseSettingsFolder(const std::string& programDir, const std::string& userDir,
                                 bool programDirWritable) {
  return programDirWritable || userDir.empty() ? programDir : userDir;
}

// Set by the build from the install layout (bin/ to share/<package>/).
#ifndef PYROVEL_DATA_FROM_BIN
#define PYROVEL_DATA_FROM_BIN "../share/pyrovel-level-editor"
#endif

std::string findDataFolder(const std::string& programDir) {
  if (fileExists((fs::path(programDir) / kLibraryName).string())) return programDir;
  std::error_code ec;
  const fs::path installed = (fs::path(programDir) / PYROVEL_DATA_FROM_BIN).lexically_normal();
  return fs::is_directory(installed, ec) ? installed.string() : programDir;
}

ImageLibraryFiles findImageLibrary(const std::string& gameDir) {
  ImageLibraryFiles files{kLibraryName, kObjectTableName, false};
  const fs::path dir(gameDir);
  const std::string iml = (dir / files.iml).string(), bam = (dir / files.bam).string();
  if (!gameDir.empty() && fileExists(iml) && fileExists(bam)) {
    files.iml = iml;
    files.bam = bam;
  }
  files.found = fileExists(files.iml) && fileExists(files.bam);
  return files;
}

std::vector<std::string> listSpriteSets(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_regular_file(ec) && entry.path().extension() == ".iml") {
      names.push_back(entry.path().filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

void prepareEmptyLevelmap(EditorSession& session) {
  Levelmap& map = session.map;
  map.resetLevelmap();
  map.currentLevel = kFirstSlot;
  session.drawingObject = 1;
  session.updateLevelList();  // every slot is empty now: all titled "Empty"
  LevelHeader& first = map.current();
  first.setWidth(64);
  first.setHeight(32);
  first.setTitle("Empty");
  first.setAuthor("");
  map.fileName = "New.map";
  map.clearLayer(map.currentLayer, kFirstSlot);
  session.startupComplete = true;
  session.selectLevel(kFirstSlot);
  session.updateLevelList();
  map.modified = false;
}

// Only looking at the background gives a level none: the file gets one when
// the level had one or something was drawn on it (see the writer).
void showBackgroundLayer(EditorSession& session) {
  session.map.currentLayer = kBackgroundLayer;
  session.notify(kLayer | kCellsChanged | kProperties);
}

void showGameLayer(EditorSession& session) {
  session.map.currentLayer = kGameLayer;
  session.notify(kLayer | kCellsChanged);
}

}  // namespace pyrovel
