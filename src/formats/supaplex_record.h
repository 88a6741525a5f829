#pragma once
// One Supaplex level record, 1536 bytes: the 60 x 24 map (byte 60y + x),
// the level's title (23 characters at 1446) and the infotrons needed (1470).
// LEVELS.DAT files are such records back to back; a ".sp" file is one.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

inline constexpr std::size_t kSupaplexRecordSize = 1536;

// The title as stored, all 23 characters.
std::string supaplexTitle(std::span<const std::uint8_t> record);
// The title without the dashes and spaces that centre it.
std::string trimmedSupaplexTitle(const std::string& title);

struct SupaplexRecordRead {
  std::vector<std::string> notes;            // a memo line per unknown byte (the cell is Grover)
  std::optional<std::uint8_t> firstUnknown;  // the first unknown byte met
};

// Fills the level's layer, size, player, infotrons needed, level time and
// emerald score from the record; the title goes trimmed into the title
// field and whole into the info field. `level` numbers the memo lines.
SupaplexRecordRead readSupaplexRecord(std::span<const std::uint8_t> record, Levelmap& map, int slot,
                                      int layer, int level);

// The memo line for a file of more records than a levelmap has levels.
std::optional<std::string> supaplexLeftOutNote(std::size_t fileSize, const std::string& path);

}  // namespace pyrovel
