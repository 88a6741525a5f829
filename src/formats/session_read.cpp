#include "formats/session_read.h"

#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {
bool anyLevelRead(const Levelmap& map) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    const LevelHeader& h = map.header(slot);
    if (h.width() > 1 || h.height() > 1 || !h.title().empty()) return true;
  }
  return false;
}
}  // namespace

void readIntoSession(EditorSession& session, LevelsetReader reader, const Bytes& data,
                     const std::string& path, bool append) {
  readIntoSession(
      session, [&](LevelsetRead& read) { reader(read, data, path); }, path, append);
}

void readIntoSession(EditorSession& session, const LevelsetFill& fill, const std::string& path,
                     bool append) {
  Levelmap map;
  if (append) {
    map = session.map.clone();
  } else {
    map.fileHeader = session.map.fileHeader;  // kept until a reader replaces it
    map.fileName = session.map.fileName;
  }
  ReadReport report;
  LevelsetRead read{map, report, session.ui(), append};
  fill(read);
  // A file that gave no level at all is no levelset: opening it would only
  // throw the current levelmap away.
  if (!append && !anyLevelRead(map)) {
    throw LevelError(path, std::nullopt, std::nullopt, "no levels found in this file");
  }

  if (append) {
    // The levels stay where they were, and so do their histories.
    // The reader's note goes with the appended levels alone.
    session.takeChangedLevels(std::move(map), "Append Levels", report.readerNote);
  } else {
    session.replaceLevelmap(std::move(map));
    session.readerNote = report.readerNote;
  }
  session.addMessages(fileNamePart(path), report.notes);
  session.notify(kReaderInfo | (report.notes.empty() ? 0u : unsigned{kMessages}));
}

}  // namespace pyrovel
