#include "editor/levelmap_files.h"

#include <algorithm>

#include "editor/levelset_formats.h"
#include "formats/session_read.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

// Why no reader takes a file: its name fits no format, or the contents do
// not fit the formats its name does.
std::string noReaderReason(const std::string& path) {
  std::string fitting;
  for (const LevelsetFormat& f : levelsetFormats()) {
    if (!f.read || !matchesFormatName(f, path)) continue;
    if (fitting.find(f.name) != std::string::npos) continue;
    fitting += (fitting.empty() ? "" : ", ") + std::string(f.name);
  }
  if (fitting.empty()) return "no reader takes files named like this";
  return "the name fits " + fitting + ", but the contents are none of them";
}

// Replaces the extension of the file name (or adds one when it has none).
std::string withExtension(const std::string& path, const std::string& ext) {
  const std::string ext0 = extensionOf(path);
  return path.substr(0, path.size() - ext0.size()) + ext;
}

// The format Save may write over `path` in: the one that reads the file
// there now (the game's own levelmap, BDCFF, ...), or the one its name asks
// for when there is none yet. Nothing for a file no writer of ours made.
const LevelsetFormat* formatSavedInPlace(const std::string& path) {
  const LevelsetFormat* format = writerForName(path);
  if (!format || !format->savedInPlace) return nullptr;
  if (!fileExists(path)) return format;
  // Only a file the format's own reader takes is overwritten in that format;
  // the formats saved in place tell their files by the first bytes.
  const Bytes head = readFileHead(path, 64);
  return readerForFile(path, head) == format ? format : nullptr;
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
  switch (
      session.ui().ask("This will erase changes you have made. Do you want to save the current "
                       "levelmap?",
                       true)) {
    case Answer::Yes:
      // Only a file that holds everything makes the levelmap safe to replace.
      return saveLevelmap(session) && !session.map.modified;
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

}  // namespace

namespace {

// The session takes what `format` read from `data`. An opened file becomes
// the levelmap's file; appended levels join the levelmap in its own file.
void takeLevelset(EditorSession& session, const LevelsetFormat& format, const Bytes& data,
                  const std::string& path, bool append) {
  readIntoSession(session, format.read, data, path, append);
  if (!append) {
    session.levelPath = path;
    session.map.fileName = fileNamePart(path);
  }
  pushHistory(session, path);
}

// False when no reader takes the file.
bool takeLevelsetFile(EditorSession& session, const std::string& path, bool append) {
  const Bytes data = readFileBytes(path);
  const LevelsetFormat* format = readerForFile(path, data);
  if (!format) return false;
  takeLevelset(session, *format, data, path, append);
  return true;
}

void readLevelsetFile(EditorSession& session, const std::string& path, bool append) {
  if (!takeLevelsetFile(session, path, append)) {
    throw LevelError(path, std::nullopt, std::nullopt, noReaderReason(path));
  }
}

}  // namespace

bool readLevelmap(EditorSession& session, const std::string& path) {
  return takeLevelsetFile(session, path, false);
}

namespace {
// After an open the editor shows level 0 of what was read.
void showFirstLevel(EditorSession& session, bool modified) {
  session.map.currentLevel = 1;
  session.drawingObject = 1;
  session.updateLevelList();
  session.startupComplete = true;
  session.map.modified = modified;
  session.selectLevel(1);
}
}  // namespace

void openLevelsetBytes(EditorSession& session, LevelsetReader reader, const Bytes& data,
                       const std::string& name, bool append) {
  if (session.startupComplete && !offerSaveBeforeReplacing(session)) return;
  readIntoSession(session, reader, data, name, append);
  if (!append) {
    session.levelPath.clear();
    session.map.fileName = "New.map";
  }
  showFirstLevel(session, true);
}

bool openLevels(EditorSession& session, const LevelsetFill& fill, const std::string& name,
                bool append) {
  if (!append && !offerSaveBeforeReplacing(session)) return false;
  const int shown = session.map.currentLevel;
  readIntoSession(session, fill, name, append);
  if (!append) {
    session.levelPath.clear();
    session.map.fileName = "New.map";
    showFirstLevel(session, true);
    return true;
  }
  // New levels that no file holds yet: closing asks to save them.
  session.map.modified = true;
  session.updateLevelList();
  session.selectLevel(shown);
  session.notify(kCellsChanged | kFileState);
  return true;
}

void openLevelmap(EditorSession& session, OpenSource source, const std::string& path) {
  if (session.startupComplete && !offerSaveBeforeReplacing(session)) return;
  switch (source) {
    case OpenSource::Dialog:
    case OpenSource::AppendDialog: {
      const bool append = source == OpenSource::AppendDialog;
      auto chosen = session.ui().chooseOpenFile(append);
      if (!chosen) return;  // cancelled: nothing changes, the unsaved mark included
      readLevelsetFile(session, *chosen, append);
      // Appended levels are in no file of this levelmap yet.
      if (append) {
        showFirstLevel(session, true);
        return;
      }
      break;
    }
    case OpenSource::History:
    case OpenSource::Path:
      readLevelsetFile(session, path, false);
      break;
  }
  showFirstLevel(session, false);
}

namespace {

// A foreign levelset that cannot hold what the editor holds is not written
// over: the user is told what would be lost and may save a NAME.map instead.
bool offerSaveAsInstead(EditorSession& session, const LevelsetFormat& format,
                        const std::vector<std::string>& notes) {
  constexpr std::size_t kShown = 8;
  std::string lost;
  for (std::size_t i = 0; i < notes.size() && i < kShown; ++i) lost += "\n- " + notes[i];
  if (notes.size() > kShown) {
    lost += "\n- and " + std::to_string(notes.size() - kShown) + " more";
  }
  const std::string proposed = withExtension(session.levelPath, ".map");
  const std::string question = fileNamePart(session.levelPath) + " is a " + format.name +
                               " file, which cannot hold everything in this levelmap:" + lost +
                               "\n\nNothing has been written. Save the levelmap as " +
                               fileNamePart(proposed) + " instead?";
  if (session.ui().ask(question) != Answer::Yes) return false;
  return saveLevelmapAs(session, proposed);
}

}  // namespace

bool saveLevelmap(EditorSession& session) {
  Levelmap& map = session.map;
  if (!session.levelPath.empty() && !map.fileName.empty() && map.fileName != "New.map") {
    if (const LevelsetFormat* format = formatSavedInPlace(session.levelPath)) {
      // The game's own format holds everything; another game's file is
      // written over only when it keeps all the editor holds.
      const bool own = std::string_view(format->key) == "map";
      const std::vector<std::string> lost =
          saveLevelmapInFormat(session, *format, session.levelPath, !own);
      if (own || lost.empty()) return true;
      return offerSaveAsInstead(session, *format, lost);
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
  const LevelsetFormat* format = findLevelsetFormat(choice->format);
  if (!format || !format->write) format = findLevelsetFormat("map");
  // The file gets the format's extension whatever was typed.
  const std::string path = sameTextIgnoringCase(extensionOf(choice->path), format->saveExtension)
                               ? choice->path
                               : withExtension(choice->path, format->saveExtension);
  // The question names the file that will really be written.
  requirePlainFile(path);
  if (fileExists(path) &&
      session.ui().ask(fileNamePart(path) + " already exists. Do you want to replace it?") !=
          Answer::Yes) {
    return false;
  }
  saveLevelmapInFormat(session, *format, path, false);
  // Only a written file becomes the levelmap's file: Save goes there next.
  session.levelPath = path;
  pushHistory(session, path);
  return true;
}

std::vector<std::string> saveLevelmapInFormat(EditorSession& session, const LevelsetFormat& format,
                                              const std::string& path, bool onlyWhole) {
  std::vector<std::string> notes;
  AtomicFile file(path);
  LevelmapFileHeader head{};  // the file's first bytes: a levelmap's header
  format.write(session.map, session.ui(), notes,
               [&](std::size_t at, std::span<const std::uint8_t> piece) {
                 if (at < head.size()) {
                   std::copy_n(piece.begin(), std::min(piece.size(), head.size() - at),
                               head.begin() + static_cast<std::ptrdiff_t>(at));
                 }
                 file.writeAt(at, piece);
               });
  if (onlyWhole && !notes.empty()) return notes;  // the temporary file goes, the target stays
  file.commit();
  if (std::string_view(format.key) == "map") {
    // The file's header as written (level count, players, game kind) is the
    // levelmap's from now on.
    session.map.fileHeader = head;
  }
  session.map.fileName = fileNamePart(path);
  // A file that could not take everything leaves the levelmap unsaved:
  // closing still asks, so what did not fit is not lost with the window.
  session.map.modified = !notes.empty();
  if (!notes.empty()) {
    session.addMessages(fileNamePart(path), notes);
    session.notify(kMessages);
  }
  session.notify(kHistory | kFileState);
  return notes;
}

bool newLevelmap(EditorSession& session) {
  if (!offerSaveBeforeReplacing(session)) return false;
  session.clearLevelmap();
  return true;
}

}  // namespace pyrovel
