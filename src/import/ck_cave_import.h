#pragma once
// Boulder Dash Construction Kit caves and intermissions (".cav", ".int"):
// 40 x 22 cells packed two to a byte, in a plain file (the map after a
// 2-byte value) or in a 504-byte named file (the map after an 11-character
// name).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/bytes.h"
#include "model/levelmap.h"

namespace pyrovel {

class EditorSession;

inline constexpr std::size_t kCkMinFileSize = 498;    // shorter files are no caves
inline constexpr std::size_t kCkNamedFileSize = 504;  // exactly this: the named variant
inline constexpr int kCkMapRows = 22;
inline constexpr int kCkMapRowBytes = 20;
inline constexpr std::size_t kCkMapBytes = kCkMapRows * kCkMapRowBytes;

// Bytes of the plain variant nobody knows the meaning of, for the
// development view.
struct CavUnknownBytes {
  std::uint16_t unknown1 = 0;               // bytes 0..1
  std::array<std::uint8_t, 12> unknown2{};  // bytes 458..469
  std::array<std::uint8_t, 10> unknown3{};  // bytes 480..489
};

struct CavImportOptions {
  // The plain variant's title; the file's name (without folder) when unset.
  // The disk-image browser passes the name of the entry it extracted.
  std::optional<std::string> title;
  // Intermission or cave; from the name's extension (".INT" in any letter
  // case) when unset.
  std::optional<bool> intermission;
  // Called with the plain variant's unknown bytes (the development view).
  std::function<void(const CavUnknownBytes&)> showUnknownBytes;
};

// Reads a cave into the current level (game layer) and steps to the next
// level. A file under 498 bytes is no cave: it changes nothing, leaves a
// memo line and returns false.
bool importCkCave(EditorSession& session, const std::string& path,
                  const CavImportOptions& options = {});
// The same for bytes in memory; `name` stands for the file name.
bool importCavLevelBytes(EditorSession& session, const Bytes& data, const std::string& name,
                         const CavImportOptions& options = {});

// Decodes a 22 x 20-byte Construction Kit map into the game layer of a
// slot: the first stored row is the bottom row (21), the others follow from
// row 0; each byte gives the cell of its high nibble, then the one right of
// it. The Little Fellow sets the player position.
void decodeCkMap(std::span<const std::uint8_t> map, Levelmap& levels, int slot);

// The development view's lines: "Unknown1: v", "Unknown2.n: v",
// "Unknown3.n: v". With `onlyKey`, just the line whose key ("unknown1",
// "unknown2.3", ...) equals the key in lower case.
std::vector<std::string> cavUnknownByteLines(const CavUnknownBytes& bytes,
                                             std::optional<std::string_view> onlyKey = {});

}  // namespace pyrovel
