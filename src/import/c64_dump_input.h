#pragma once
// The kinds of C64 memory images and program files the dump converter reads,
// told apart by the first bytes, and a bounded view of their C64 data.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/bytes.h"

namespace pyrovel {

enum class C64InputKind {
  PC64RamImage,   // "C64I": memory behind a 9-byte header
  PC64FileImage,  // "C64F": a program file behind a 26-byte header with its name
  AmigaCave,      // "BDCA"/"BDIN": recognised, not converted here
  AmigaGame,      // "BDGA": recognised, not converted here
  Raw,            // a raw RAM dump or program file, C64 data from byte 0
};

// Offset of the C64 data in the file for each kind.
inline constexpr std::size_t kPC64RamImageBase = 9;
inline constexpr std::size_t kPC64FileImageBase = 26;

std::string_view c64InputKindName(C64InputKind kind);

// The file's bytes with bounded reads. Offsets are file offsets.
class C64DumpBytes {
 public:
  C64DumpBytes(const Bytes& data, std::string file) : data_(data), file_(std::move(file)) {}

  std::size_t size() const { return data_.size(); }
  const std::string& file() const { return file_; }
  bool has(std::size_t offset, std::size_t count = 1) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  // The four bytes at `offset` as text; empty when they run past the end.
  std::string tag(std::size_t offset) const;
  // One byte; a read past the end throws a LevelError naming the file,
  // the level (0..99, if given) and the offset.
  std::uint8_t at(std::size_t offset, std::optional<int> level = std::nullopt) const;
  std::uint16_t u16le(std::size_t offset, std::optional<int> level = std::nullopt) const;
  [[noreturn]] void fail(std::size_t offset, std::optional<int> level,
                         const std::string& what) const;

 private:
  const Bytes& data_;
  std::string file_;
};

// The kind by the file's first four bytes (Raw when none matches).
C64InputKind detectC64Input(const C64DumpBytes& bytes);

// The first four bytes as a report line; bytes outside printable ASCII
// are shown as '.', so a binary header cannot garble a window or a terminal.
std::string c64HeaderText(const C64DumpBytes& bytes);

// A PC64 file image's program name: the non-zero bytes of its 16-byte name
// field, at most 12 characters.
std::string pc64FileImageName(const C64DumpBytes& bytes);

}  // namespace pyrovel
