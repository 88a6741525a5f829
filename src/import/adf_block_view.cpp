// What the ADF browser shows of single blocks: description, hex dump, search.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "import/adf_image.h"

namespace pyrovel {

AdfBlockInfo AdfImage::describeBlock(int n) const {
  AdfBlockInfo info;
  info.kind = blockKind(n);
  info.nextBlock = blockField16(n, adf::kNextDataField);
  info.label = "Block " + std::to_string(n);
  const std::string next = "next block: " + std::to_string(info.nextBlock);
  // The first two blocks are the boot block, whatever their bytes look like.
  if (n < 2) {
    info.kind = AdfBlockKind::Unknown;
    info.info = n == 0 ? "boot block (\"DOS\" and the file system's flags)" : "boot block";
    return info;
  }
  switch (info.kind) {
    case AdfBlockKind::Header: {
      const std::string name = latin1ToUtf8(blockName(n, kAdfLongNameLength));
      const auto type = static_cast<std::int32_t>(blockField32(n, adf::kSecondaryType));
      info.info = n == rootBlock() ? "root block of the disk " + name
                  : type == -3     ? "header block of the file " + name
                  : type == 2      ? "header block of the folder " + name
                                   : "header block of " + name;
      info.details = next;
      break;
    }
    case AdfBlockKind::Data: {
      // The owner field of a damaged block may point anywhere: only a block
      // on the disk lends its name.
      const int owner = blockField16(n, adf::kOwnerField);
      info.info = "data block with header " + std::to_string(owner) + ": " +
                  (validBlock(owner) ? latin1ToUtf8(blockName(owner, kAdfLongNameLength)) : "");
      info.details = next;
      break;
    }
    case AdfBlockKind::Unknown:
      info.info = "unknown block";
      break;
  }
  return info;
}

std::string AdfImage::hexDump(int n) const {
  constexpr int kBytesPerLine = 16;
  const auto b = block(n);
  std::string text;
  text.reserve(kAdfBlockSize * 5);
  for (int line = 0; line < kAdfBlockSize / kBytesPerLine; ++line) {
    const int offset = line * kBytesPerLine;
    char field[8];
    std::snprintf(field, sizeof field, "%03d   ", offset);
    if (line > 0) text += '\n';
    text += field;
    for (int i = 0; i < kBytesPerLine; ++i) {
      std::snprintf(field, sizeof field, "%02X ", b[static_cast<std::size_t>(offset + i)]);
      text += field;
    }
    text += ' ';
    text += printableLatin1(b.subspan(static_cast<std::size_t>(offset), kBytesPerLine));
  }
  return text;
}

std::optional<int> AdfImage::find(std::string_view text, int fromBlock) const {
  // The image holds 8-bit characters: look for the text as typed in them
  // when it can be written so, else for its UTF-8 bytes.
  const std::string wanted = utf8ToLatin1(text).value_or(std::string(text));
  if (wanted.empty() || wanted.size() > static_cast<std::size_t>(kAdfBlockSize))
    return std::nullopt;
  for (int n = std::max(fromBlock, 0); n < blockCount(); ++n) {
    const auto b = block(n);
    const auto hit =
        std::search(b.begin(), b.end(), wanted.begin(), wanted.end(),
                    [](std::uint8_t x, char y) { return x == static_cast<std::uint8_t>(y); });
    if (hit != b.end()) return n;
  }
  return std::nullopt;
}

}  // namespace pyrovel
