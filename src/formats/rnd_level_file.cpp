#include "formats/rnd_level_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "model/bytes.h"

namespace pyrovel {

namespace {

constexpr std::size_t kClassicHeadAt = 38, kClassicMapAt = 150;
constexpr std::size_t kHeadNameAt = 6, kNameLength = 32;
constexpr std::size_t kFormSizeAt = 4, kFormTypeAt = 8, kFirstChunkAt = 12;
constexpr std::size_t kChunkHeaderSize = 8;

// INFO settings: a 16-bit type whose top two bits give the value's size
// (1, 2 or 4 bytes, or a 16-bit byte count and that many bytes).
constexpr std::uint16_t kSizeMask = 0xC000, kTwoBytes = 0x4000, kFourBytes = 0x8000;
constexpr std::uint16_t kInfoWidth = 0x0002, kInfoHeight = 0x0003, kInfoTime = 0x4001,
                        kInfoGems = 0x4002;
// What the game assumes for settings INFO leaves out.
constexpr int kDefaultWidth = 64, kDefaultHeight = 32, kDefaultTime = 100;

std::string textOf(std::span<const std::uint8_t> bytes) {
  const char* text = reinterpret_cast<const char*>(bytes.data());
  return std::string(text, strnlen(text, bytes.size()));
}

void readInfo(std::span<const std::uint8_t> info, std::size_t infoAt, RndLevelFile& level,
              const ByteReader& in) {
  std::size_t pos = 0;
  auto need = [&](std::size_t n) {
    if (n > info.size() - pos) {
      in.fail(infoAt + pos, "INFO setting runs past the end of its chunk");
    }
  };
  while (pos < info.size()) {
    need(2);
    const std::uint16_t type = getU16be(&info[pos]);
    pos += 2;
    std::size_t length = 1;
    if ((type & kSizeMask) == kTwoBytes) length = 2;
    if ((type & kSizeMask) == kFourBytes) length = 4;
    if ((type & kSizeMask) == kSizeMask) {
      need(2);
      length = getU16be(&info[pos]);
      pos += 2;
    }
    need(length);
    const std::uint8_t* value = &info[pos];
    if (type == kInfoWidth) level.width = value[0];
    if (type == kInfoHeight) level.height = value[0];
    if (type == kInfoTime) level.time = getU16be(value);
    if (type == kInfoGems) level.gems = getU16be(value);
    pos += length;
  }
}

void takeHead(std::span<const std::uint8_t> head, std::size_t headAt, RndLevelFile& level) {
  level.sizeAt = headAt;
  level.head.assign(head.begin(), head.begin() + std::min(head.size(), kRndHeadSize));
  level.width = head[0];
  level.height = head[1];
  level.time = getU16be(&head[2]);
  level.gems = getU16be(&head[4]);
  if (head.size() >= kHeadNameAt + kNameLength) {
    level.name = textOf(head.subspan(kHeadNameAt, kNameLength));
  }
}

void takeBody(std::span<const std::uint8_t> body, std::size_t bodyAt, RndLevelFile& level,
              const ByteReader& in) {
  const std::size_t cells = static_cast<std::size_t>(level.width) * level.height;
  const bool wide = body.size() == 2 * cells && cells > 0;
  if (body.size() != cells && !wide) {
    in.fail(bodyAt, "BODY of " + std::to_string(body.size()) + " bytes does not hold a " +
                        std::to_string(level.width) + " x " + std::to_string(level.height) +
                        " map");
  }
  level.elements.resize(cells);
  for (std::size_t i = 0; i < cells; ++i) {
    level.elements[i] = wide ? getU16be(&body[2 * i]) : body[i];
  }
}

RndLevelFile readChunks(ByteReader& in) {
  RndLevelFile level;
  in.seek(kFormSizeAt);
  in.u32be();  // the rest of the file; files cut short are caught chunk by chunk
  const auto form = in.bytes(4);
  if (std::string_view(reinterpret_cast<const char*>(form.data()), 4) != "CAVE") {
    in.fail(kFormTypeAt,
            "an RND1 file of kind \"" + textOf(form.first(4)) + "\", not a level (CAVE)");
  }
  std::optional<std::span<const std::uint8_t>> head, info, body;
  std::size_t headAt = 0, infoAt = 0, bodyAt = 0;
  while (!in.atEnd()) {
    const std::size_t at = in.pos();
    if (in.remaining() < kChunkHeaderSize) in.fail(at, "chunk header cut short");
    const auto id = in.bytes(4);
    const std::uint32_t size = in.u32be();
    const std::string name(reinterpret_cast<const char*>(id.data()), 4);
    if (size > in.remaining()) {
      in.fail(at, "chunk " + name + " of " + std::to_string(size) +
                      " bytes runs past the end of the file (" + std::to_string(in.remaining()) +
                      " left)");
    }
    const auto data = in.bytes(size);
    const std::size_t dataAt = at + kChunkHeaderSize;
    if (name == "HEAD") {
      if (size < kHeadNameAt) in.fail(at, "HEAD chunk of " + std::to_string(size) + " bytes");
      head = data;
      headAt = dataAt;
    } else if (name == "INFO") {
      info = data;
      infoAt = dataAt;
    } else if (name == "BODY") {
      body = data;
      bodyAt = dataAt;
    } else if (name == "NAME") {
      level.name = textOf(data);
    } else if (name == "AUTH") {
      level.author = textOf(data);
    }
  }
  if (!head && !info) in.fail(kFirstChunkAt, "no HEAD or INFO chunk: the level's size is unknown");
  if (!body) in.fail(in.size(), "no BODY chunk: the level has no map");
  const std::string nameFromChunk = level.name;
  if (head) {
    takeHead(*head, headAt, level);
  } else {
    level.width = kDefaultWidth;
    level.height = kDefaultHeight;
    level.time = kDefaultTime;
    level.sizeAt = infoAt;
    readInfo(*info, infoAt, level, in);
  }
  if (!nameFromChunk.empty()) level.name = nameFromChunk;
  takeBody(*body, bodyAt, level, in);
  return level;
}

RndLevelFile readClassic(ByteReader& in) {
  RndLevelFile level;
  in.seek(kClassicHeadAt);
  takeHead(in.bytes(kRndHeadSize), kClassicHeadAt, level);
  in.seek(kClassicMapAt);
  const std::size_t cells = static_cast<std::size_t>(level.width) * level.height;
  level.elements.reserve(cells);
  // Cell by cell, so the error names the offset where the map ends.
  for (std::size_t i = 0; i < cells; ++i) level.elements.push_back(in.u8());
  return level;
}

}  // namespace

bool isRndChunkFile(std::span<const std::uint8_t> data) {
  return data.size() >= 4 && std::memcmp(data.data(), "RND1", 4) == 0;
}

RndLevelFile readRndLevelFile(std::span<const std::uint8_t> data, const std::string& file,
                              int level) {
  ByteReader in(data, file);
  in.setLevel(level);
  return isRndChunkFile(data) ? readChunks(in) : readClassic(in);
}

}  // namespace pyrovel
