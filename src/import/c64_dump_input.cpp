// Telling C64 memory images and program files apart, and reading them
// without ever stepping past the end of the file.
#include "import/c64_dump_input.h"

namespace pyrovel {

namespace {
// The PC64 file image keeps the program's name in 16 bytes from offset 8.
constexpr std::size_t kPC64NameOffset = 8, kPC64NameBytes = 16, kMaxNameChars = 12;
}  // namespace

std::string_view c64InputKindName(C64InputKind kind) {
  switch (kind) {
    case C64InputKind::PC64RamImage:
      return "PC64 RAM image";
    case C64InputKind::PC64FileImage:
      return "PC64 file image";
    case C64InputKind::AmigaCave:
      return "Amiga Construction Kit cave";
    case C64InputKind::AmigaGame:
      return "Amiga game sequence";
    case C64InputKind::Raw:
      return "raw C64 file";
  }
  return "raw C64 file";
}

std::string C64DumpBytes::tag(std::size_t offset) const {
  if (!has(offset, 4)) return {};
  return std::string(reinterpret_cast<const char*>(&data_[offset]), 4);
}

std::uint8_t C64DumpBytes::at(std::size_t offset, std::optional<int> level) const {
  if (!has(offset)) fail(offset, level, "the data run past the end of the file");
  return data_[offset];
}

std::uint16_t C64DumpBytes::u16le(std::size_t offset, std::optional<int> level) const {
  if (!has(offset, 2)) fail(offset, level, "the data run past the end of the file");
  return getU16le(&data_[offset]);
}

void C64DumpBytes::fail(std::size_t offset, std::optional<int> level,
                        const std::string& what) const {
  throw LevelError(file_, level, offset, what);
}

C64InputKind detectC64Input(const C64DumpBytes& bytes) {
  const std::string head = bytes.tag(0);
  if (head == "C64I") return C64InputKind::PC64RamImage;
  if (head == "C64F") return C64InputKind::PC64FileImage;
  if (head == "BDCA" || head == "BDIN") return C64InputKind::AmigaCave;
  if (head == "BDGA") return C64InputKind::AmigaGame;
  return C64InputKind::Raw;
}

std::string c64HeaderText(const C64DumpBytes& bytes) {
  std::string text;
  for (std::size_t i = 0; i < 4 && bytes.has(i); ++i) {
    const std::uint8_t c = bytes.at(i);
    text += (c >= 32 && c < 127) ? static_cast<char>(c) : '.';
  }
  return text;
}

std::string pc64FileImageName(const C64DumpBytes& bytes) {
  std::string name;
  for (std::size_t i = 0; i < kPC64NameBytes && name.size() < kMaxNameChars; ++i) {
    if (!bytes.has(kPC64NameOffset + i)) break;
    const std::uint8_t c = bytes.at(kPC64NameOffset + i);
    if (c != 0) name += static_cast<char>(c);
  }
  return name;
}

}  // namespace pyrovel
