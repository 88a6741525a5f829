#include "editor/levelmap_files.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "formats/levelset_io.h"
#include "import/bpbd_levelset.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"

namespace pyrovel {

namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

using Reader = void (*)(EditorSession&, const std::string&);

// Extension rows, compared exactly (letter case included), in this order;
// every row that matches runs.
struct ExtensionRow {
  const char* extension;
  Reader reader;
};
constexpr ExtensionRow kExtensionRows[] = {
    {".gam", readRushLevels}, {".caves", readAbdLevels},    {".lev", readBd4Levelset},
    {".bd4", readBd4V2Level}, {".levels", readBd4Levelset}, {".das", readDasLevels},
    {".bd", importBdcff},
};

void readGameFormat(EditorSession& s, const std::string& path,
                    void (*reader)(Levelmap&, const Bytes&, const std::string&)) {
  Bytes data = readFileBytes(path);
  reader(s.map, data, path);
}

// ".map" files are told apart by their first bytes. False when none matches.
bool dispatchMap(EditorSession& s, const std::string& path) {
  Bytes head = readFileHead(path, 12);
  if (head.size() < 12) {
    throw LevelError(path, std::nullopt, head.size(),
                     "file too short for a levelmap (" + std::to_string(head.size()) + " bytes)");
  }
  const std::string magic(head.begin(), head.end());
  bool read = true;
  if (magic == kMagicOldest)
    readGameFormat(s, path, readGrotLevel);
  else if (magic == kMagicV11)
    readGameFormat(s, path, readGrot2Level);
  else if (magic == kMagicV20)
    readGameFormat(s, path, readGrot3Level);
  else if (magic == "# Boulderoid" || magic == "# CaveToMap ") {
    s.formatHint = "Boulderoid";
    readAbdLevels(s, path);
  } else if (magic.compare(0, 4, "BPBD") == 0) {
    readBpbdLevelset(s, path);
  } else {
    read = false;
  }
  return read;
}

// Replaces the extension of the file name (or adds one when it has none).
std::string withExtension(const std::string& path, const std::string& ext) {
  const std::string ext0 = extensionOf(path);
  return path.substr(0, path.size() - ext0.size()) + ext;
}

void pushHistory(EditorSession& session, const std::string& path) {
  auto& history = session.history;
  if (history[0] == path) return;
  auto found = std::find(history.begin() + 1, history.end(), path);
  if (found != history.end()) {
    std::rotate(history.begin(), found, found + 1);
  } else {
    std::rotate(history.begin(), history.end() - 1, history.end());
    history[0] = path;
  }
  session.notify(kHistory);
}

void offerSaveBeforeReplacing(EditorSession& session) {
  if (!session.map.modified) return;
  if (session.ui().ask("This will erase changes you have made. Do you want to save the current "
                       "levelmap ?") == Answer::Yes) {
    saveLevelmap(session);
  }
}

}  // namespace

bool readLevelmap(EditorSession& session, const std::string& path) {
  session.readerNote.clear();
  session.levelPath = path;
  session.map.fileName = fileNamePart(path);
  pushHistory(session, path);

  const std::string ext = extensionOf(path);
  bool read = false;
  for (const ExtensionRow& row : kExtensionRows) {
    if (ext == row.extension) {
      row.reader(session, path);
      read = true;
    }
  }
  if (ext == ".map") read = dispatchMap(session, path) || read;

  // Supaplex level files: "levels.d*" in any letter case.
  if (ext.size() >= 2 && std::tolower(static_cast<unsigned char>(ext[1])) == 'd' &&
      lower(session.map.fileName.substr(0, 6)) == "levels") {
    readSupaplexLevels(session, path);
    read = true;
  }
  session.notify(kReaderInfo);
  return read;
}

void openLevelmap(EditorSession& session, OpenSource source, const std::string& path) {
  // After the open (or a cancelled dialog, or a failed read) the editor shows level 0.
  auto showFirstLevel = [&session] {
    session.map.currentLevel = 1;
    session.drawingObject = 1;
    session.updateLevelList();
    session.startupComplete = true;
    session.map.modified = false;
    session.selectLevel(1);
  };
  try {
    if (session.startupComplete) offerSaveBeforeReplacing(session);
    switch (source) {
      case OpenSource::Dialog:
      case OpenSource::AppendDialog: {
        session.appending = source == OpenSource::AppendDialog;
        auto chosen = session.ui().chooseOpenFile(session.appending);
        if (chosen) readLevelmap(session, *chosen);
        break;
      }
      case OpenSource::History:
      case OpenSource::Path:
        readLevelmap(session, path);
        break;
    }
  } catch (...) {
    session.appending = false;
    showFirstLevel();
    throw;
  }
  session.appending = false;
  showFirstLevel();
}

bool saveLevelmap(EditorSession& session) {
  Levelmap& map = session.map;
  if (!session.levelPath.empty() && !map.fileName.empty() && map.fileName != "New.map") {
    map.fileName = session.levelPath;
    saveLevelmapAsType(session, extensionOf(session.levelPath) == ".bd" ? 4 : 1, session.levelPath);
    return true;
  }
  return saveLevelmapAs(session);
}

bool saveLevelmapAs(EditorSession& session) {
  auto choice = session.ui().chooseSaveAs(session.map.fileName);
  if (!choice) return false;
  std::string path = choice->path;
  switch (choice->type) {
    case 2:
    case 3:
      path = withExtension(path, ".lev");
      break;
    case 4:
      path = withExtension(path, ".bd");
      break;
    default:
      break;
  }
  session.map.fileName = path;
  saveLevelmapAsType(session, choice->type, path);
  return true;
}

void saveLevelmapAsType(EditorSession& session, int type, const std::string& path) {
  switch (type) {
    case 2:
      saveAsBd4(session, path);
      break;
    case 3:
      saveAsEmV6(session, path);
      break;
    case 4:
      saveAsBdcff(session, path);
      break;
    default:
      writeLevel(session.map, session.ui(), path);
      break;
  }
}

void newLevelmap(EditorSession& session) {
  offerSaveBeforeReplacing(session);
  session.clearLevelmap();
}

}  // namespace pyrovel
