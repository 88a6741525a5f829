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

// Settings lists (INFO, ELEM, CUSX): a one-byte type whose top two bits give
// the value's size: 1, 2 or 4 bytes (high byte first), or a 16-bit count
// and that many bytes.
constexpr std::uint8_t kSizeBits = 0xC0, kTwoBytes = 0x40, kFourBytes = 0x80, kCounted = 0xC0;
constexpr std::uint8_t kInfoWidth = 0x41, kInfoHeight = 0x42, kInfoTime = 0x43, kInfoGems = 0x44;
// What the game assumes for settings INFO leaves out.
constexpr int kDefaultWidth = 64, kDefaultHeight = 32, kDefaultTime = 100;
// File version 2.0 wrote a HEAD of the classic header's 112 bytes but gave
// its size as 80.
constexpr int kShortHeadMajor = 2, kShortHeadMinor = 0;
// Settings named one by one in a note; the rest are counted.
constexpr std::size_t kSettingsNamed = 8;

std::string textOf(std::span<const std::uint8_t> bytes) {
  const char* text = reinterpret_cast<const char*>(bytes.data());
  return std::string(text, strnlen(text, bytes.size()));
}

std::string hexByte(std::uint8_t b) {
  static constexpr char kDigits[] = "0123456789abcdef";
  return {kDigits[b >> 4], kDigits[b & 15]};
}

// A chunk name is four capitals, digits or spaces ("MSG "); anything else
// means the reader has lost its place in the file.
bool isChunkName(std::span<const std::uint8_t> id) {
  return std::all_of(id.begin(), id.end(), [](std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
  });
}
std::string shownBytes(std::span<const std::uint8_t> id) {
  std::string out;
  for (std::uint8_t c : id) out += (out.empty() ? "" : " ") + hexByte(c);
  return out;
}

struct Setting {
  std::uint8_t type = 0;
  std::span<const std::uint8_t> value;
  std::uint32_t number() const {
    std::uint32_t n = 0;
    for (std::uint8_t b : value) n = (n << 8) | b;
    return n;
  }
};

// The entries of a settings list; one that runs past its chunk is an error.
std::vector<Setting> readSettings(std::span<const std::uint8_t> list, std::size_t listAt,
                                  const std::string& chunk, const ByteReader& in) {
  std::vector<Setting> settings;
  std::size_t pos = 0;
  auto need = [&](std::size_t n) {
    if (n > list.size() - pos) {
      in.fail(listAt + pos, chunk + " setting runs past the end of its chunk");
    }
  };
  while (pos < list.size()) {
    Setting s;
    s.type = list[pos++];
    std::size_t length = 1;
    if ((s.type & kSizeBits) == kTwoBytes) length = 2;
    if ((s.type & kSizeBits) == kFourBytes) length = 4;
    if ((s.type & kSizeBits) == kCounted) {
      need(2);
      length = getU16be(&list[pos]);
      pos += 2;
    }
    need(length);
    s.value = list.subspan(pos, length);
    pos += length;
    settings.push_back(s);
  }
  return settings;
}

// "01=1, 0b=1" for numbers, "c2=(5 bytes)" for counted values.
std::string settingsText(const std::vector<Setting>& settings) {
  std::string out;
  for (std::size_t i = 0; i < settings.size() && i < kSettingsNamed; ++i) {
    const Setting& s = settings[i];
    if (!out.empty()) out += ", ";
    out += hexByte(s.type) + "=";
    out += (s.type & kSizeBits) == kCounted ? "(" + std::to_string(s.value.size()) + " bytes)"
                                            : std::to_string(s.number());
  }
  if (settings.size() > kSettingsNamed) {
    out += " and " + std::to_string(settings.size() - kSettingsNamed) + " more";
  }
  return out;
}

void readInfo(std::span<const std::uint8_t> info, std::size_t infoAt, RndLevelFile& level,
              const ByteReader& in, std::vector<Setting>& rest) {
  for (const Setting& s : readSettings(info, infoAt, "INFO", in)) {
    if (s.type == kInfoWidth) {
      level.width = static_cast<int>(s.number());
    } else if (s.type == kInfoHeight) {
      level.height = static_cast<int>(s.number());
    } else if (s.type == kInfoTime) {
      level.time = static_cast<int>(s.number());
    } else if (s.type == kInfoGems) {
      level.gems = static_cast<int>(s.number());
    } else {
      rest.push_back(s);
    }
  }
}

// ELEM and CUSX: the element the settings are for, then its settings.
std::string elementSettingsNote(std::span<const std::uint8_t> data, std::size_t dataAt,
                                const std::string& chunk, const ByteReader& in) {
  if (data.size() < 2)
    in.fail(dataAt, chunk + " chunk of " + std::to_string(data.size()) + " bytes");
  const int element = getU16be(data.data());
  const auto settings = readSettings(data.subspan(2), dataAt + 2, chunk, in);
  return chunk + " element " + std::to_string(element) + ": " + settingsText(settings);
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

// Chunks that hold nothing of the level itself.
bool isBookkeeping(const std::string& name) {
  return name == "VERS" || name == "DATE";
}

RndLevelFile readChunks(ByteReader& in, int levelNumber) {
  RndLevelFile level;
  in.seek(kFormSizeAt);
  in.u32be();  // the rest of the file; files cut short are caught chunk by chunk
  const auto form = in.bytes(4);
  if (std::string_view(reinterpret_cast<const char*>(form.data()), 4) != "CAVE") {
    in.fail(kFormTypeAt, "an RND1 file of kind \"" +
                             (isChunkName(form) ? textOf(form.first(4)) : shownBytes(form)) +
                             "\", not a level (CAVE)");
  }
  std::optional<std::span<const std::uint8_t>> head, info, body;
  std::size_t headAt = 0, infoAt = 0, bodyAt = 0;
  int major = -1, minor = -1;  // the file version, once VERS is read
  std::vector<std::string> kept, skipped;
  while (!in.atEnd()) {
    const std::size_t at = in.pos();
    if (in.remaining() < kChunkHeaderSize) in.fail(at, "chunk header cut short");
    const auto id = in.bytes(4);
    if (!isChunkName(id)) {
      in.fail(at, "the bytes " + shownBytes(id) + " are not a chunk name");
    }
    const std::uint32_t size = in.u32be();
    const std::string name(reinterpret_cast<const char*>(id.data()), 4);
    std::size_t length = size;
    if (name == "HEAD" && major == kShortHeadMajor && minor == kShortHeadMinor) {
      length = std::max<std::size_t>(size, kRndHeadSize);
    }
    if (length > in.remaining()) {
      in.fail(at, "chunk " + name + " of " + std::to_string(length) +
                      " bytes runs past the end of the file (" + std::to_string(in.remaining()) +
                      " left)");
    }
    const auto data = in.bytes(length);
    const std::size_t dataAt = at + kChunkHeaderSize;
    if (name == "VERS") {
      if (data.size() >= 2) {
        major = data[0];
        minor = data[1];
      }
    } else if (name == "HEAD") {
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
    } else if (name == "ELEM" || name == "CUSX") {
      kept.push_back(elementSettingsNote(data, dataAt, name, in));
    } else if (!isBookkeeping(name)) {
      skipped.push_back(name);
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
  }
  if (info) {
    std::vector<Setting> rest;
    readInfo(*info, infoAt, level, in, rest);
    if (!rest.empty()) kept.insert(kept.begin(), "INFO: " + settingsText(rest));
  }
  if (!nameFromChunk.empty()) level.name = nameFromChunk;
  takeBody(*body, bodyAt, level, in);

  const std::string at = " at level " + std::to_string(levelNumber);
  for (const std::string& k : kept) {
    level.notes.push_back("Rocks & Diamonds settings" + at + " not converted: " + k);
  }
  if (!skipped.empty()) {
    std::string names;
    for (const std::string& n : skipped) names += (names.empty() ? "" : ", ") + n;
    level.notes.push_back("Rocks & Diamonds chunks" + at + " not converted: " + names);
  }
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
  return isRndChunkFile(data) ? readChunks(in, level) : readClassic(in);
}

}  // namespace pyrovel
