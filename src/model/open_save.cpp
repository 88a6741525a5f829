// Opening and saving around the readers and writers: the dispatcher that
// picks readers by extension and magic, the file history, save and save-as,
// and the new levelmap.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "formats/levelset_io.h"
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
    {".gam", readRushLevels},   {".caves", readAbdLevels},  {".lev", readBd4Levelset},
    {".bd4", readBd4V2Level},  {".levels", readBd4Levelset}, {".das", readDasLevels},
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
                     "file too short for a levelmap (" + std::to_string(head.size()) +
                         " bytes)");
  }
  const std::string magic(head.begin(), head.end());
  bool read = true;
  if (magic == kMagicOldest) readGameFormat(s, path, readGrotLevel);
  else if (magic == kMagicV11) readGameFormat(s, path, readGrot2Level);
  else if (magic == kMagicV20) readGameFormat(s, path, readGrot3Level);
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

}  // namespace

void EditorSession::pushHistory(const std::string& path) {
  if (history[0] == path) return;
  auto found = std::find(history.begin() + 1, history.end(), path);
  if (found != history.end()) {
    std::rotate(history.begin(), found, found + 1);
  } else {
    std::rotate(history.begin(), history.end() - 1, history.end());
    history[0] = path;
  }
  notify(kHistory);
}

bool EditorSession::readLevelmap(const std::string& path) {
  readerNote.clear();
  levelPath = path;
  map.fileName = fileNamePart(path);
  pushHistory(path);

  const std::string ext = extensionOf(path);
  bool read = false;
  for (const ExtensionRow& row : kExtensionRows) {
    if (ext == row.extension) {
      row.reader(*this, path);
      read = true;
    }
  }
  if (ext == ".map") read = dispatchMap(*this, path) || read;

  // Supaplex level files: "levels.d*" in any letter case.
  if (ext.size() >= 2 && std::tolower(static_cast<unsigned char>(ext[1])) == 'd' &&
      lower(map.fileName.substr(0, 6)) == "levels") {
    readSupaplexLevels(*this, path);
    read = true;
  }
  notify(kReaderInfo);
  return read;
}

void EditorSession::offerSaveBeforeReplacing() {
  if (!map.modified) return;
  if (ui_->ask("This will erase changes you have made. Do you want to save the current "
               "levelmap ?") == Answer::Yes) {
    save();
  }
}

void EditorSession::openLevelmap(OpenSource source, const std::string& path) {
  // After the open (or a cancelled dialog, or a failed read) the editor shows level 0.
  auto showFirstLevel = [this] {
    map.currentLevel = 1;
    drawingObject = 1;
    updateLevelList();
    startupComplete = true;
    map.modified = false;
    selectLevel(1);
  };
  try {
    if (startupComplete) offerSaveBeforeReplacing();
    switch (source) {
      case OpenSource::Dialog:
      case OpenSource::AppendDialog: {
        appending = source == OpenSource::AppendDialog;
        auto chosen = ui_->chooseOpenFile(appending);
        if (chosen) readLevelmap(*chosen);
        break;
      }
      case OpenSource::History:
      case OpenSource::Path:
        readLevelmap(path);
        break;
    }
  } catch (...) {
    appending = false;
    showFirstLevel();
    throw;
  }
  appending = false;
  showFirstLevel();
}

bool EditorSession::save() {
  if (!levelPath.empty() && !map.fileName.empty() && map.fileName != "New.map") {
    map.fileName = levelPath;
    saveAsType(extensionOf(levelPath) == ".bd" ? 4 : 1, levelPath);
    return true;
  }
  return saveAs();
}

bool EditorSession::saveAs() {
  auto choice = ui_->chooseSaveAs(map.fileName);
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
  map.fileName = path;
  saveAsType(choice->type, path);
  return true;
}

void EditorSession::saveAsType(int type, const std::string& path) {
  switch (type) {
    case 2:
      saveAsBd4(*this, path);
      break;
    case 3:
      saveAsEmV6(*this, path);
      break;
    case 4:
      saveAsBdcff(*this, path);
      break;
    default:
      writeLevel(map, *ui_, path);
      break;
  }
}

void EditorSession::newLevelmap() {
  offerSaveBeforeReplacing();
  // The size fields' "Apply" takes the title and author the panel still shows.
  const std::string shownTitle = map.current().title();
  const std::string shownAuthor = map.current().author();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    map.header(slot).clear();
    map.grid(kGameLayer, slot).fill(0);
  }
  updateLevelList();
  map.currentLevel = 1;
  LevelHeader& h = map.current();
  h.setWidth(64);
  h.setHeight(32);
  h.setTitle(shownTitle);
  h.setAuthor(shownAuthor);
  map.fileName = "New.map";
  levelPath.clear();
  clearLevel();
  undo_.reset();
  map.modified = false;
  notify(kLevelList | kLevelShown | kUndoState | kProperties);
}

}  // namespace pyrovel
