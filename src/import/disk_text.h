#pragma once
// Text from disk images: names and file bytes are 8-bit characters, taken as
// Latin-1 and handed to the windows and the terminal as UTF-8.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pyrovel {

// Every byte as its Latin-1 character, encoded as UTF-8.
std::string latin1ToUtf8(std::string_view bytes);
// The same, but control bytes (below 32 and 127) become '.', so a dump can
// be shown in a text box or printed to a terminal safely.
std::string printableLatin1(std::span<const std::uint8_t> bytes);
// UTF-8 text as Latin-1 bytes; nothing when a character lies beyond U+00FF
// or the text is not valid UTF-8.
std::optional<std::string> utf8ToLatin1(std::string_view text);

// A file name for the host disk made from a name read off a disk image
// (UTF-8): path separators and control characters become '_', and a name
// that would mean a folder ("", ".", "..") gets a harmless stand-in, so a
// crafted image cannot make a save land outside the chosen folder.
std::string safeHostFileName(std::string_view name);

// The number in "#123" (at most six digits), by which the command line names
// a block or a directory slot; nothing for any other text.
std::optional<int> numberAfterHash(std::string_view text);

}  // namespace pyrovel
