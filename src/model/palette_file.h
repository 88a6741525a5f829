#pragma once
// The object palettes of the three editing modes, read from Edit.bdi: each
// palette follows its marker line, one object number per line.
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace pyrovel {

// 0 game mode, 1 Emerald Mine V4 mode, 2 C64 Boulderdash mode.
enum EditMode : int { kGameMode = 0, kEmeraldMode = 1, kC64Mode = 2 };

using Palette = std::vector<std::uint16_t>;

inline constexpr std::size_t kMaxPaletteEntries = 513;
inline constexpr const char* kPaletteFileName = "Edit.bdi";

// "--Pyrovel embedding--", "--Emerald embedding--" or "--C64 embedding--".
const char* paletteMarker(EditMode mode);

// The palette used when Edit.bdi is missing: objects 0 to 100.
Palette builtInPalette();

// Searches the marker line by line; the line after it is skipped, then each
// line holding a whole decimal number adds an entry. The first other line
// (the next marker, an empty line) ends the list but still adds one entry,
// the value of its leading digits (0 when it has none). Entries beyond the
// table's 513 are ignored. Nothing when the marker is absent.
std::optional<Palette> readPalette(std::istream& in, const std::string& marker);
// The same from a file; throws LevelError when the file cannot be read.
std::optional<Palette> readPaletteFile(const std::string& path, EditMode mode);

// The palette for a mode switch: a missing file is skipped silently in game
// and C64 mode (nothing changes) and is an error in Emerald Mine mode.
std::optional<Palette> paletteForModeSwitch(const std::string& path, EditMode mode);

}  // namespace pyrovel
