#pragma once
// Amiga floppy images (ADF): 1760 blocks of 512 bytes (3520 on a
// high-density disk, told by the image's size) in the old file system's layout (OFS; data blocks
// carry a 24-byte header). What the ADF browser shows comes from here: the directory listing
// through the hash table and hash chains, the files' bytes, a block's description and hex dump, and
// the text search. Disks of the fast file system are recognised by their boot block and their files
// read through the header's block table.
//
// Everything found on the image is checked before it is followed: block
// numbers outside the disk are never read, chains that come back to a block
// they passed end, and no file grows beyond what the image holds.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "import/disk_blocks.h"
#include "import/disk_text.h"
#include "model/bytes.h"

namespace pyrovel {

inline constexpr int kAdfBlockSize = 512;
inline constexpr int kAdfBlockCount = 1760;
inline constexpr std::size_t kAdfImageSize = 901120;  // 1760 x 512
inline constexpr int kAdfRootBlock = 880;             // of a double-density disk
inline constexpr int kAdfHdBlockCount = 3520;
inline constexpr std::size_t kAdfHdImageSize = 1802240;  // 3520 x 512
inline constexpr int kAdfHashEntries = 72;
inline constexpr int kAdfNameLength = 30;      // names in the listing and of saved files
inline constexpr int kAdfLongNameLength = 41;  // names in block descriptions, the disk name

// Block types by the low byte of the type field (byte 3).
inline constexpr std::uint8_t kAdfHeaderType = 2;
inline constexpr std::uint8_t kAdfDataType = 8;

// Byte offsets inside a block (numbers are big-endian; of the 32-bit block
// numbers only the low 16 bits are used, which cover every block of a disk).
namespace adf {
inline constexpr int kOwnerField = 6;        // data block: its file's header block
inline constexpr int kDataSize = 12;         // OFS data block: the file's bytes it holds (32 bits)
inline constexpr int kNextDataField = 18;    // header: first data block; data block: next one
inline constexpr int kDataStart = 24;        // data block: file data up to the end of the block
inline constexpr int kHashTable = 24;        // header block: 72 entries of 4 bytes
inline constexpr int kFileSize = 324;        // file header: size in bytes (32 bits)
inline constexpr int kName = 433;            // header block: name characters (432 is its length)
inline constexpr int kNameLength = 432;      // header block: the name's length byte
inline constexpr int kSoftLinkPath = 24;     // soft link: the path it points to, zero-ended
inline constexpr int kHardLinkTarget = 468;  // hard link: the header block it stands for
inline constexpr int kHashChain = 498;       // header block: next entry with the same hash
inline constexpr int kSecondaryType = 508;   // header block: root, folder, file or link
}  // namespace adf

enum class AdfEntryKind { File, Folder, SoftLink, HardLink };
// The content block of a hard link that points outside the disk.
inline constexpr int kAdfBrokenLink = -1;

// One item of a directory listing.
struct AdfEntry {
  int block = 0;     // the entry's header block
  std::string name;  // as stored (Latin-1), at most 30 characters
  AdfEntryKind kind = AdfEntryKind::File;
  bool folder = false;     // a folder, or a hard link to one: it has entries
  std::uint32_t size = 0;  // the file's size (of the linked file for a hard link)
  std::string target;      // a link's target: the path, or the linked entry's name (Latin-1)
  int contentBlock = 0;    // the header whose data or entries this entry has
  std::string displayName() const { return latin1ToUtf8(name); }
  std::string displayTarget() const { return latin1ToUtf8(target); }
};

enum class AdfBlockKind { Header, Data, Unknown };

// What the browser shows beside a block's dump.
struct AdfBlockInfo {
  AdfBlockKind kind = AdfBlockKind::Unknown;
  std::string info;     // what the block is, with a name for header and data blocks (UTF-8)
  std::string details;  // "next block: N" for header and data blocks, else empty
  int nextBlock = 0;    // bytes 18..19: the block number field shows it, so "Go" walks the chain
  std::string label;    // "Block N"
};

class AdfImage {
 public:
  // Reads a double-density image (the first 901,120 bytes), or a
  // high-density one when the file holds 1,802,240 bytes or more; a shorter
  // file is an error.
  static AdfImage load(const std::string& path);
  // `name` names the image in errors.
  static AdfImage fromBytes(Bytes data, const std::string& name);

  const std::string& path() const { return blocks_.path(); }
  int blockCount() const { return blocks_.count(); }
  // The root block lies in the middle of the disk.
  int rootBlock() const { return blockCount() / 2; }
  bool validBlock(long long n) const { return blocks_.valid(n); }
  // Block n (0..blockCount() - 1); anything else throws.
  std::span<const std::uint8_t> block(int n) const;
  AdfBlockKind blockKind(int n) const;
  // The name field of block n: as many bytes from offset 433 as its length
  // byte at 432 says, at most `length`, up to a zero byte (Latin-1).
  std::string blockName(int n, int length = kAdfNameLength) const;
  std::string diskName() const { return blockName(rootBlock(), kAdfLongNameLength); }
  // The boot block says "DOS" with the fast-file-system flag set.
  bool isFastFileSystem() const;

  // The entries of the directory whose header is `directoryBlock`, in hash
  // table order, each followed by the entries chained to it. Hash entries
  // and links outside the disk are skipped; a chain that comes back to an
  // entry already listed ends there, and `notes` (when given) says so.
  // Without a block: the root directory.
  std::vector<AdfEntry> entries(std::optional<int> directoryBlock = std::nullopt,
                                std::vector<std::string>* notes = nullptr) const;
  AdfEntry entry(int headerBlock) const;
  // An entry by its path from the root ("DIR/FILE", names compared without
  // regard to case as AmigaDOS does) or by its header block ("#884").
  std::optional<AdfEntry> findEntry(std::string_view path) const;

  // The file's bytes: the size field's worth, or fewer when the data chain
  // ends before (link 0). A hard link gives its file's bytes. A chain that
  // loops or leaves the disk, a folder and a soft link are errors.
  Bytes extract(int headerBlock) const;
  // Saves the file under its Amiga name (made safe for the host) into
  // `directory`; returns the path written.
  std::string saveFile(int headerBlock, const std::string& directory) const;

  // The browser's view of one block.
  AdfBlockInfo describeBlock(int n) const;
  // 32 lines of 16 bytes: decimal offset, hex bytes, the bytes as characters.
  std::string hexDump(int n) const;
  // The first block at or after `fromBlock` that holds `text` (UTF-8, looked
  // for as Latin-1 bytes, case-sensitive) wholly inside it. An empty text is
  // found nowhere.
  std::optional<int> find(std::string_view text, int fromBlock) const;

 private:
  explicit AdfImage(DiskBlocks blocks) : blocks_(std::move(blocks)) {}
  int blockField16(int n, int offset) const;
  std::uint32_t blockField32(int n, int offset) const;
  Bytes extractOfs(int headerBlock) const;
  Bytes extractFfs(int headerBlock) const;

  DiskBlocks blocks_;
};

}  // namespace pyrovel
