#include "editor/levelmap_files.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

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

// Extension rows, compared without regard to letter case, in this order;
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

using GameReader = void (*)(Levelmap&, const Bytes&, const std::string&);

// The reader of the game's own format whose magic the file starts with;
// null for any other file.
GameReader gameReaderFor(const std::string& magic) {
  if (magic == kMagicOldest) return readGrotLevel;
  if (magic == kMagicV11) return readGrot2Level;
  if (magic == kMagicV20) return readGrot3Level;
  return nullptr;
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
  if (const GameReader reader = gameReaderFor(magic)) {
    reader(s.map, readFileBytes(path), path);
  } else if (magic == "# Boulderoid" || magic == "# CaveToMap ") {
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

// The save-as type Save may write over `path` with: the game's own format
// (a ".map" that holds it, or none yet) or BDCFF (".bd"). Nothing for any
// other game's file.
std::optional<int> typeSavedInPlace(const std::string& path) {
  const std::string ext = lower(extensionOf(path));
  if (ext == ".bd") return 4;
  if (ext != ".map") return std::nullopt;
  if (!fileExists(path)) return 1;
  const Bytes head = readFileHead(path, 12);
  const std::string magic(head.begin(), head.end());
  if (gameReaderFor(magic)) return 1;
  return std::nullopt;
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

// False when the user cancelled, or chose to save and the save did not happen.
bool offerSaveBeforeReplacing(EditorSession& session) {
  if (!session.map.modified) return true;
  switch (session.ui().ask("This will erase changes you have made. Do you want to save the current "
                           "levelmap ?",
                           true)) {
    case Answer::Yes:
      return saveLevelmap(session);
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

// Reads `path` into a scratch session: a fresh levelmap, or a copy of the
// current one when appending. The live session takes the result only when a
// reader took the file and none failed, so a damaged or unknown file leaves
// the levelmap, its name, history and unsaved mark as they were.
void readIntoSession(EditorSession& session, const std::string& path, bool append) {
  EditorSession scratch(session.ui());
  scratch.catalogue = session.catalogue;
  scratch.history = session.history;
  scratch.allowOnlyOneLittleFellow = session.allowOnlyOneLittleFellow;
  scratch.appending = append;
  if (append) {
    scratch.map = session.map.clone();
  } else {
    scratch.map.fileHeader = session.map.fileHeader;  // the file's header is kept until a read replaces it
  }
  if (!readLevelmap(scratch, path)) {
    throw LevelError(path, std::nullopt, std::nullopt, "no reader takes this kind of file");
  }
  session.map = std::move(scratch.map);
  session.levelPath = scratch.levelPath;
  session.history = scratch.history;
  session.formatHint = scratch.formatHint;
  session.readerNote = scratch.readerNote;
  session.messages.insert(session.messages.end(), scratch.messages.begin(), scratch.messages.end());
  session.notify(kHistory | kReaderInfo | (scratch.messages.empty() ? 0u : unsigned{kMessages}));
}

}  // namespace

bool readLevelmap(EditorSession& session, const std::string& path) {
  session.readerNote.clear();
  session.levelPath = path;
  session.map.fileName = fileNamePart(path);
  pushHistory(session, path);

  const std::string ext = lower(extensionOf(path));
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
  // After an open the editor shows level 0 of what was read.
  auto showFirstLevel = [&session] {
    session.map.currentLevel = 1;
    session.drawingObject = 1;
    session.updateLevelList();
    session.startupComplete = true;
    session.map.modified = false;
    session.selectLevel(1);
  };
  if (session.startupComplete && !offerSaveBeforeReplacing(session)) return;
  switch (source) {
    case OpenSource::Dialog:
    case OpenSource::AppendDialog: {
      const bool append = source == OpenSource::AppendDialog;
      auto chosen = session.ui().chooseOpenFile(append);
      if (!chosen) return;  // cancelled: nothing changes, the unsaved mark included
      readIntoSession(session, *chosen, append);
      break;
    }
    case OpenSource::History:
    case OpenSource::Path:
      // A caller that appends (the resource explorer) has set the flag.
      readIntoSession(session, path, session.appending);
      break;
  }
  showFirstLevel();
}

bool saveLevelmap(EditorSession& session) {
  Levelmap& map = session.map;
  if (!session.levelPath.empty() && !map.fileName.empty() && map.fileName != "New.map") {
    if (const auto type = typeSavedInPlace(session.levelPath)) {
      saveLevelmapAsType(session, *type, session.levelPath);
      map.fileName = session.levelPath;
      return true;
    }
    // A levelset of another game is never overwritten in the game's format:
    // the user names the new file, NAME.map beside it being proposed.
    return saveLevelmapAs(session, withExtension(session.levelPath, ".map"));
  }
  return saveLevelmapAs(session);
}

bool saveLevelmapAs(EditorSession& session, const std::string& proposed) {
  auto choice = session.ui().chooseSaveAs(proposed.empty() ? session.map.fileName : proposed);
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
  // The writers name the levelmap after the file; a failed write names it back.
  const std::string previousName = session.map.fileName;
  session.map.fileName = path;
  try {
    saveLevelmapAsType(session, choice->type, path);
  } catch (...) {
    session.map.fileName = previousName;
    throw;
  }
  // Only a written file becomes the levelmap's file: Save goes there next.
  session.levelPath = path;
  pushHistory(session, path);
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
