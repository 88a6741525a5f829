// The game's one-level file.
#include "formats/single_level_file.h"

#include <cstring>

#include "model/editor_session.h"
#include "model/errors.h"
#include "model/file_io.h"

namespace pyrovel {

Bytes encodeSingleLevel(const Levelmap& map) {
  const LevelHeader& h = map.current();
  ByteWriter out;
  out.reserve(kSingleLevelCellsOffset + static_cast<std::size_t>(h.width() * h.height()));
  out.text(kSingleLevelMagic);
  out.fill(kSingleLevelMagicSize - std::strlen(kSingleLevelMagic));
  out.bytes(h.bytes);
  for (int y = 0; y < h.height(); ++y) {
    for (int x = 0; x < h.width(); ++x) out.u8(static_cast<std::uint8_t>(map.at(x, y)));
  }
  return out.take();
}

void readSingleLevel(Levelmap& map, int slot, const Bytes& data, const std::string& name) {
  ByteReader in(data, name);
  in.setLevel(Levelmap::levelNumber(slot));
  in.skip(kSingleLevelMagicSize);
  LevelHeader record;
  const auto recordBytes = in.bytes(LevelHeader::kSize);
  std::memcpy(record.bytes.data(), recordBytes.data(), LevelHeader::kSize);
  const int width = record.width(), height = record.height();
  if (width > kMaxLevelSide || height > kMaxLevelSide) {
    in.fail(kSingleLevelMagicSize + LevelHeader::oWidth, "level size " + std::to_string(width) +
                                                             " x " + std::to_string(height) +
                                                             " is larger than 128 x 128");
  }
  const auto cells = in.bytes(static_cast<std::size_t>(width * height));

  map.header(slot) = record;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      map.cell(map.currentLayer, slot, x, y) = cells[static_cast<std::size_t>(y * width + x)];
    }
  }
  LevelHeader& h = map.header(slot);
  if (h.title().empty()) h.setTitle("Level " + std::to_string(Levelmap::levelNumber(slot)));
  if (h.author().empty()) h.setAuthor("Unknown");
}

bool importSingleLevelFile(EditorSession& session, const std::string& path) {
  readSingleLevel(session.map, session.map.currentLevel, readFileBytes(path), path);
  session.map.modified = true;
  session.nextLevel();
  return true;
}

}  // namespace pyrovel
