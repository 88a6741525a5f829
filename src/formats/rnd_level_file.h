#pragma once
// Rocks'n'Diamonds level files, read into one neutral shape whichever of the
// game's two layouts they use:
// - classic: a text cookie, the header from byte 38 (size, time, gems, name,
//   scores, yam patterns, amoeba, magic and wheel times), the map from 150;
// - chunks: "RND1", a 32-bit size, "CAVE", then chunks of a 4-letter name
//   and a 32-bit size (high byte first). VERS holds the file version (major,
//   minor, ...); HEAD the classic header's fields in the same order (files of
//   version 2.0 give its size as 80 but hold all 112 bytes); NAME and AUTH
//   the level's name and author; INFO (later versions) size, time and gems
//   as settings that are written only when they differ from the game's
//   defaults; ELEM and CUSX an element number and that element's settings;
//   BODY the elements row by row, one byte each or two (high byte first).
//   A settings list is entries of a one-byte type, whose top two bits give
//   the value's size (1, 2 or 4 bytes, or a 16-bit count and the bytes).
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pyrovel {

// The header fields in the classic order: 112 bytes from the width on.
inline constexpr std::size_t kRndHeadSize = 112;

struct RndLevelFile {
  int width = 0, height = 0;
  std::size_t sizeAt = 0;  // file offset of the width, for messages
  int time = 0;            // seconds
  int gems = 0;
  std::string name, author;
  // The classic header bytes (from the width on) when the file has them;
  // fields a short HEAD lacks are absent.
  std::vector<std::uint8_t> head;
  std::vector<int> elements;  // width * height, row by row
  // What the file held that a level cannot (settings, chunks), for the memo.
  std::vector<std::string> notes;
};

// True for the chunk layout ("RND1" ... "CAVE").
bool isRndChunkFile(std::span<const std::uint8_t> data);

// Reads either layout. A chunk that runs past the end, bytes where a chunk
// name should stand, a missing BODY, a body of the wrong size or a file that
// ends early throws a LevelError naming `file`, `level` and the offset.
RndLevelFile readRndLevelFile(std::span<const std::uint8_t> data, const std::string& file,
                              int level);

}  // namespace pyrovel
