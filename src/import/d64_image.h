#pragma once
// Commodore 64 disk images (D64): 683 sectors of 256 bytes on 35 tracks, 768
// on 40 and 802 on 42 (told by the image's size; tracks from 36 on hold 17
// sectors). What
// the D64 browser shows comes from here: the disk title, the directory (the
// chain of directory sectors from track 18), the files' bytes along their
// sector chains and the text view of a file.
//
// Track/sector pairs are checked before they are followed (the disk's tracks
// and the sectors each track has); a chain that comes back to a sector it passed
// is an error, so a damaged image never leads to an endless walk.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "import/disk_blocks.h"
#include "model/bytes.h"

namespace pyrovel {

inline constexpr int kD64SectorSize = 256;
inline constexpr int kD64SectorCount = 683;
inline constexpr std::size_t kD64ImageSize = 174848;  // 683 x 256
inline constexpr int kD64Tracks = 35;
inline constexpr std::size_t kD64Image40Size = 196608;  // 768 x 256
inline constexpr std::size_t kD64Image42Size = 205312;  // 802 x 256
// Images may carry one error byte per sector after the sectors.
inline constexpr std::size_t kD64Image40WithErrorsSize = 197376;
inline constexpr std::size_t kD64Image42WithErrorsSize = 206114;
inline constexpr int kD64HeaderSector = 357;  // track 18, sector 0
inline constexpr int kD64DataBytes = 254;     // bytes 2..255 of a sector
inline constexpr int kD64EntriesPerSector = 8;
inline constexpr int kD64EntrySize = 32;
// Track 18 has room for 18 directory sectors beside the header.
inline constexpr int kD64MaxDirectorySectors = 18;
inline constexpr int kD64NameLength = 16;

// Sectors on a track of a disk of `tracks` tracks, 0 for any other track.
int sectorsOnTrack(int track, int tracks = kD64Tracks);
// The sector number of a track and sector, or -1 when the disk has no such
// sector.
int getblock(int track, int sector, int tracks = kD64Tracks);
// The tracks of an image of `size` bytes: 35, 40 or 42.
int d64TracksForSize(std::size_t size);

struct D64Entry {
  int index = 0;            // position in the directory listing
  int directorySector = 0;  // the directory sector that holds the entry
  std::uint8_t type = 0;    // file type byte: kind in the low bits, "closed" in bit 7
  int firstTrack = 0;
  int firstSector = 0;
  std::string storedName;  // the 16 name characters and the byte after them, as stored
  int blocks = 0;          // the entry's block count

  // The name without its shifted-space padding, up to a zero byte, as stored.
  std::string plainName() const;
  // The same as readable text (see petscii_text.h).
  std::string displayName() const;
  // "PRG", "SEQ", "USR", "REL", "DEL" ("???" for others), with "*" for a file
  // that was never closed and "<" for a locked one.
  std::string typeName() const;
  // A slot that never held a file.
  bool isUnused() const;
  // Construction Kit caves and intermissions: the extension (from the last
  // dot of the stored name, padding included), as text and lower-cased,
  // contains ".cav" or ".int".
  bool isCave() const;
  bool isIntermission() const;
};

class D64Image {
 public:
  // Reads the sectors of a 35-, 40- or 42-track image (the size tells which;
  // error bytes after the sectors are left); a file shorter than 35 tracks
  // is an error. The directory is read at once.
  static D64Image load(const std::string& path);
  static D64Image fromBytes(Bytes data, const std::string& name);

  const std::string& path() const { return sectors_.path(); }
  int tracks() const { return tracks_; }
  // The sector number of a track and sector on this disk, -1 when it has none.
  int sectorAt(int track, int sector) const { return getblock(track, sector, tracks_); }
  std::span<const std::uint8_t> sector(int n) const;
  // The disk title (bytes 144..160 of the header sector) without padding, UTF-8.
  std::string title() const;

  // Every slot of every directory sector, empty ones included, in order.
  const std::vector<D64Entry>& directory() const { return entries_; }
  const std::vector<int>& directorySectors() const { return directorySectors_; }
  // What was wrong with the directory chain (the listing ends there).
  const std::vector<std::string>& notes() const { return notes_; }
  // An entry by its name (as shown, without regard to case) or its position ("#3").
  std::optional<D64Entry> findEntry(std::string_view name) const;

  // The data bytes of each sector of the file, in chain order: 254 of them,
  // and byte 1 − 1 in the last sector (whose link track is 0).
  std::vector<std::span<const std::uint8_t>> fileSectors(const D64Entry& entry) const;
  Bytes extract(const D64Entry& entry) const;
  // One line per sector: its data bytes up to the first zero byte, as text.
  std::string textView(const D64Entry& entry) const;
  void saveFile(const D64Entry& entry, const std::string& path) const;

 private:
  D64Image(DiskBlocks sectors, int tracks) : sectors_(std::move(sectors)), tracks_(tracks) {}
  void readDirectory();

  DiskBlocks sectors_;
  int tracks_;
  std::vector<int> directorySectors_;
  std::vector<D64Entry> entries_;
  std::vector<std::string> notes_;
};

}  // namespace pyrovel
