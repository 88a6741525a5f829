#include "editor/recovery_copy.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "editor/levelmap_files.h"
#include "editor/levelset_formats.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/ini_file.h"

namespace pyrovel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyName = "recovery.map";
constexpr const char* kNoteName = "recovery.ini";
constexpr const char* kSection = "Recovery";

std::string noteText(const RecoveryNote& note) {
  IniFile ini;
  ini.writeString(kSection, "Path", note.path);
  ini.writeString(kSection, "Name", note.fileName);
  ini.writeString(kSection, "Written", std::to_string(note.writtenAt));
  ini.writeInteger(kSection, "Level", Levelmap::levelNumber(note.level));
  return ini.text();
}

// The time aside: a copy of the same levelmap under the same name needs no new write.
bool sameCopy(const RecoveryNote& a, const RecoveryNote& b) {
  return a.path == b.path && a.fileName == b.fileName && a.level == b.level;
}

}  // namespace

RecoveryCopy::RecoveryCopy(std::string folder) : folder_(std::move(folder)) {}

std::string RecoveryCopy::copyPath() const {
  return (fs::path(folder_) / kCopyName).string();
}

std::string RecoveryCopy::notePath() const {
  return (fs::path(folder_) / kNoteName).string();
}

void RecoveryCopy::keep(const EditorSession& session, std::int64_t now) {
  const Levelmap& map = session.map;
  if (!map.modified) {
    remove();
    return;
  }
  // Nobody is there to answer the two-player question of a copy nobody asked for.
  SilentFrontend quiet;
  Bytes bytes = encodeLevelmap(map, quiet);
  const RecoveryNote note{session.levelPath, map.fileName, now, map.currentLevel};
  if (bytes == written_ && sameCopy(note, writtenNote_)) return;
  fs::create_directories(folder_);
  // The copy first, so a note always stands beside a whole copy; a level
  // switch alone changes only the note.
  if (bytes != written_) writeFileAtomically(copyPath(), bytes);
  writeFileAtomically(notePath(), noteText(note));
  written_ = std::move(bytes);
  writtenNote_ = note;
}

std::optional<RecoveryNote> RecoveryCopy::find() const {
  const bool haveCopy = fileExists(copyPath()), haveNote = fileExists(notePath());
  if (!haveCopy && !haveNote) return std::nullopt;
  const auto damaged = [](const std::string& file, const std::string& why) {
    return LevelError(file, std::nullopt, std::nullopt, why);
  };
  if (!haveNote) throw damaged(copyPath(), "the note naming the levelmap is missing");
  if (!haveCopy) throw damaged(notePath(), "the copy of the levelmap is missing");
  const IniFile ini = IniFile::load(notePath());
  RecoveryNote note;
  note.path = ini.readString(kSection, "Path", "");
  note.fileName = ini.readString(kSection, "Name", "");
  if (note.fileName.empty()) throw damaged(notePath(), "the levelmap's name is missing");
  const std::string written = ini.readString(kSection, "Written", "");
  const auto [end, error] =
      std::from_chars(written.data(), written.data() + written.size(), note.writtenAt);
  if (error != std::errc() || end != written.data() + written.size() || note.writtenAt < 0) {
    throw damaged(notePath(), "the time it was written is missing");
  }
  note.level = std::clamp(ini.readInteger(kSection, "Level", 0), 0, 99) + kFirstSlot;
  return note;
}

void RecoveryCopy::restore(EditorSession& session) const {
  const std::optional<RecoveryNote> note = find();
  if (!note) throw LevelError(copyPath(), std::nullopt, std::nullopt, "there is no copy");
  const Bytes data = readFileBytes(copyPath());
  // Only the game's own format is ever written here; anything else is
  // damage, which its reader refuses.
  const LevelsetFormat& format = *findLevelsetFormat("map");
  openLevelsetBytes(session, format.read, data, copyPath(), false);
  session.levelPath = note->path;
  session.map.fileName = note->fileName;
  session.selectLevel(note->level);
}

void RecoveryCopy::remove() {
  std::error_code ignored;
  fs::remove(copyPath(), ignored);
  fs::remove(notePath(), ignored);
  written_.clear();
}

}  // namespace pyrovel
