// D64 images: geometry, directory, sector chains and the text view.
#include "import/d64_image.h"

#include <algorithm>

#include "import/disk_text.h"
#include "import/petscii_text.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::uint8_t kShiftedSpace = 0xA0;  // pads names and the title
constexpr int kTitleOffset = 144;
constexpr int kTitleLength = 17;
// Inside a directory entry.
constexpr int kEntryType = 2;
constexpr int kEntryTrack = 3;
constexpr int kEntrySector = 4;
constexpr int kEntryName = 5;
constexpr int kEntryStoredNameLength = 17;
constexpr int kEntryBlocks = 30;

std::string withoutPadding(std::string_view stored) {
  stored = stored.substr(0, std::min(stored.find('\0'), stored.size()));
  while (!stored.empty() && static_cast<std::uint8_t>(stored.back()) == kShiftedSpace) {
    stored.remove_suffix(1);
  }
  return std::string(stored);
}

std::string asciiLower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

std::string trackSector(int track, int sector) {
  return std::to_string(track) + "/" + std::to_string(sector);
}

}  // namespace

int sectorsOnTrack(int track, int tracks) {
  if (track >= 1 && track <= 17) return 21;
  if (track >= 18 && track <= 24) return 19;
  if (track >= 25 && track <= 30) return 18;
  if (track >= 31 && track <= tracks) return 17;
  return 0;
}

int getblock(int track, int sector, int tracks) {
  if (sector < 0 || sector >= sectorsOnTrack(track, tracks)) return -1;
  if (track <= 17) return (track - 1) * 21 + sector;
  if (track <= 24) return 357 + (track - 18) * 19 + sector;
  if (track <= 30) return 490 + (track - 25) * 18 + sector;
  return 598 + (track - 31) * 17 + sector;
}

int d64TracksForSize(std::size_t size) {
  if (size >= kD64Image42Size) return 42;
  if (size >= kD64Image40Size) return 40;
  return kD64Tracks;
}

// --- entries -----------------------------------------------------------------

std::string D64Entry::plainName() const {
  return withoutPadding(std::string_view(storedName).substr(0, kD64NameLength));
}

std::string D64Entry::displayName() const {
  return petsciiToText(plainName());
}

std::string D64Entry::typeName() const {
  static constexpr const char* kKinds[] = {"DEL", "SEQ", "PRG", "USR", "REL"};
  const int kind = type & 0x0F;
  std::string name = kind < 5 ? kKinds[kind] : "???";
  if ((type & 0x80) == 0) name = "*" + name;
  if ((type & 0x40) != 0) name += "<";
  return name;
}

bool D64Entry::isUnused() const {
  return type == 0 && firstTrack == 0 && firstSector == 0 && plainName().empty();
}

namespace {
std::string storedExtension(const std::string& stored) {
  const std::size_t dot = stored.rfind('.');
  return dot == std::string::npos ? std::string() : asciiLower(petsciiToText(stored.substr(dot)));
}
}  // namespace

bool D64Entry::isCave() const {
  return storedExtension(storedName).find(".cav") != std::string::npos;
}

bool D64Entry::isIntermission() const {
  return storedExtension(storedName).find(".int") != std::string::npos;
}

// --- the image ---------------------------------------------------------------

D64Image D64Image::load(const std::string& path) {
  return fromBytes(readFileHead(path, kD64Image42WithErrorsSize), path);
}

D64Image D64Image::fromBytes(Bytes data, const std::string& name) {
  const int tracks = d64TracksForSize(data.size());
  const int count = getblock(tracks, sectorsOnTrack(tracks, tracks) - 1, tracks) + 1;
  D64Image image(
      DiskBlocks(std::move(data), name, kD64SectorSize, count, "sector", "C64 disk image"), tracks);
  image.readDirectory();
  return image;
}

std::span<const std::uint8_t> D64Image::sector(int n) const {
  return sectors_.block(n);
}

std::string D64Image::title() const {
  const auto t = sector(kD64HeaderSector).subspan(kTitleOffset, kTitleLength);
  const std::string stored(t.begin(), t.end());
  return petsciiToText(withoutPadding(stored));
}

void D64Image::readDirectory() {
  std::vector<bool> seen(static_cast<std::size_t>(sectors_.count()), false);
  seen[kD64HeaderSector] = true;
  int from = kD64HeaderSector;
  int track = sector(from)[0], sec = sector(from)[1];
  while (track != 0) {
    const int n = sectorAt(track, sec);
    if (n < 0) {
      notes_.push_back("directory link " + trackSector(track, sec) + " in sector " +
                       std::to_string(from) + " is not on the disk; the directory ends there");
      break;
    }
    if (seen[static_cast<std::size_t>(n)]) {
      notes_.push_back("the directory chain comes back to sector " + std::to_string(n) + " (" +
                       trackSector(track, sec) + "); the directory ends there");
      break;
    }
    if (static_cast<int>(directorySectors_.size()) == kD64MaxDirectorySectors) {
      notes_.push_back("the directory goes on beyond " + std::to_string(kD64MaxDirectorySectors) +
                       " sectors; the rest is not listed");
      break;
    }
    seen[static_cast<std::size_t>(n)] = true;
    directorySectors_.push_back(n);
    from = n;
    track = sector(n)[0];
    sec = sector(n)[1];
  }
  if (directorySectors_.empty() && notes_.empty()) notes_.push_back("the disk has no directory");

  for (int n : directorySectors_) {
    const auto s = sector(n);
    for (int j = 0; j < kD64EntriesPerSector; ++j) {
      const auto e = s.subspan(static_cast<std::size_t>(j * kD64EntrySize), kD64EntrySize);
      D64Entry entry;
      entry.index = static_cast<int>(entries_.size());
      entry.directorySector = n;
      entry.type = e[kEntryType];
      entry.firstTrack = e[kEntryTrack];
      entry.firstSector = e[kEntrySector];
      entry.storedName.assign(e.begin() + kEntryName,
                              e.begin() + kEntryName + kEntryStoredNameLength);
      entry.blocks = getU16le(&e[kEntryBlocks]);
      entries_.push_back(std::move(entry));
    }
  }
}

std::optional<D64Entry> D64Image::findEntry(std::string_view name) const {
  if (const auto n = numberAfterHash(name)) {
    if (*n >= static_cast<int>(entries_.size())) return std::nullopt;
    return entries_[static_cast<std::size_t>(*n)];
  }
  // An exact match first, then one without regard to case.
  for (const D64Entry& e : entries_) {
    if (!e.isUnused() && e.displayName() == name) return e;
  }
  const std::string wanted = asciiLower(std::string(name));
  for (const D64Entry& e : entries_) {
    if (!e.isUnused() && asciiLower(e.displayName()) == wanted) return e;
  }
  return std::nullopt;
}

std::vector<std::span<const std::uint8_t>> D64Image::fileSectors(const D64Entry& entry) const {
  const std::string name = entry.plainName().empty() ? "entry #" + std::to_string(entry.index)
                                                     : "\"" + entry.displayName() + "\"";
  const int entryOffset = (entry.index % kD64EntriesPerSector) * kD64EntrySize + kEntryTrack;
  int n = sectorAt(entry.firstTrack, entry.firstSector);
  if (n < 0) {
    sectors_.fail(entry.directorySector, entryOffset,
                  name + ": its first sector " + trackSector(entry.firstTrack, entry.firstSector) +
                      " is not on the disk");
  }
  std::vector<std::span<const std::uint8_t>> pieces;
  std::vector<bool> seen(static_cast<std::size_t>(sectors_.count()), false);
  int from = entry.directorySector, fromOffset = entryOffset;
  for (;;) {
    if (seen[static_cast<std::size_t>(n)]) {
      sectors_.fail(from, fromOffset,
                    name + ": the sector chain comes back to sector " + std::to_string(n));
    }
    seen[static_cast<std::size_t>(n)] = true;
    const auto s = sector(n);
    if (s[0] == 0) {
      // Byte 1 is the position of the last byte in use.
      const int used = std::max(0, s[1] - 1);
      pieces.push_back(s.subspan(2, static_cast<std::size_t>(used)));
      return pieces;
    }
    pieces.push_back(s.subspan(2, kD64DataBytes));
    const int next = sectorAt(s[0], s[1]);
    if (next < 0) {
      sectors_.fail(n, 0,
                    name + ": the link " + trackSector(s[0], s[1]) + " in sector " +
                        std::to_string(n) + " is not on the disk");
    }
    from = n;
    fromOffset = 0;
    n = next;
  }
}

Bytes D64Image::extract(const D64Entry& entry) const {
  Bytes out;
  for (const auto& piece : fileSectors(entry)) out.insert(out.end(), piece.begin(), piece.end());
  return out;
}

std::string D64Image::textView(const D64Entry& entry) const {
  std::string text;
  bool first = true;
  for (const auto& piece : fileSectors(entry)) {
    if (!first) text += '\n';
    first = false;
    text += printableLatin1(piece.first(
        static_cast<std::size_t>(std::find(piece.begin(), piece.end(), 0) - piece.begin())));
  }
  return text;
}

void D64Image::saveFile(const D64Entry& entry, const std::string& path) const {
  writeFileAtomically(path, extract(entry));
}

}  // namespace pyrovel
