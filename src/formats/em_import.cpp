// The import of one Emerald Mine level file. The version follows from the
// file size: 2106..2109 bytes V4 (the BD4 record), 2110 the map alone, 2111
// and more V6.
#include "formats/bd4_record.h"
#include "formats/bdcff_das_text.h"
#include "formats/em_formats.h"
#include "formats/em_original.h"
#include "formats/em_v6_record.h"
#include "formats/levelset_io.h"
#include "formats/memo_lines.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/version.h"

namespace pyrovel {

void importEmLevel(EditorSession& session, const std::string& path) {
  importEmLevelBytes(session, readFileBytes(path), path);
}

namespace {
std::string emReaderNote() {
  return std::string("Imported with Emerald Mine importfilter V0.3 beta. Editor version:") +
         kEditorVersion;
}
}  // namespace

void importEmLevelBytes(EditorSession& session, const Bytes& data, const std::string& name) {
  session.readerNote = emReaderNote();
  session.notify(kReaderInfo);
  std::vector<std::string> lines;
  const bool read = readEmLevel(session.map, session.map.currentLevel, data, name, lines);
  appendMemoLines(session, lines);
  if (!read) return;
  session.nextLevel();
  session.map.modified = true;
}

bool readEmLevel(Levelmap& map, int slot, const Bytes& data, const std::string& name,
                 std::vector<std::string>& notes) {
  const int layer = kGameLayer;
  const int level = Levelmap::levelNumber(slot);
  const std::size_t size = data.size();
  if (size < kEmV4MinSize) {
    notes.push_back("Not an Emerald Mine level: " + name + " (" + std::to_string(size) + " bytes)");
    return false;
  }
  // Checked before anything is filled, so a short V6 file leaves the level alone.
  if (size >= kEmV6MinSize && size < kEmV6RecordSize) {
    throw LevelError(name, level, size,
                     "file too short for an Emerald Mine V6 level (needs " +
                         std::to_string(kEmV6RecordSize) + " bytes, has " + std::to_string(size) +
                         ")");
  }

  // Original files are read decrypted, with their own map codes.
  const EmPlainLevel plain = emPlainLevel(data);
  const std::span<const std::uint8_t> record(plain.bytes);
  for (const EmMapNote& note :
       decodeEmMap(record.first(kEmMapBytes), map, slot, layer, plain.codeToObject)) {
    notes.push_back(emNoteText(note, level));
  }
  LevelHeader& h = map.header(slot);
  h.setWidth(kEmMapWidth);
  h.setHeight(kEmMapHeight);
  if (size == kEmMapOnlySize) {
    // The games read such a file as a whole 64 x 32 map; a cleared level
    // keeps no size, so without this the map could not be seen.
    notes.push_back("Map only at level " + std::to_string(level) + ": " + name +
                    " has no header (" + std::to_string(size) + " bytes); the level is " +
                    std::to_string(kEmMapWidth) + " x " + std::to_string(kEmMapHeight) +
                    ", none of its other settings come from the file");
    return true;
  }
  // The size alone tells V6 from V4: a V6 record without its version mark
  // still has its header where V6 keeps it.
  const EmStarts starts =
      size >= kEmV6MinSize ? readEmV6Header(record, h) : readBd4Header(record, h, false);
  for (std::string& line : placeEmPlayers(starts, map, slot, layer)) notes.push_back(line);
  h.setIntermission(0);
  return true;
}

bool isEmLevelSize(std::size_t size) {
  return size >= kEmV4MinSize && size <= kEmV6RecordSize;
}

bool isEmV6LevelsetSize(std::size_t size) {
  return size > 0 && size % kEmV6RecordSize == 0 && size % kBd4RecordSize != 0;
}

void readEmV6Levelset(LevelsetRead& read, const Bytes& data, const std::string& path) {
  const std::size_t records = std::min<std::size_t>(data.size() / kEmV6RecordSize, kLastSlot);
  read.report.readerNote = emReaderNote();
  LevelsetReadEnd end(read);
  for (std::size_t i = 0; i < records; ++i) {
    const auto* first = data.data() + i * kEmV6RecordSize;
    readEmLevel(read.map, kFirstSlot + static_cast<int>(i), Bytes(first, first + kEmV6RecordSize),
                path, read.report.notes);
  }
  read.map.currentLevel = kFirstSlot;
}

}  // namespace pyrovel
