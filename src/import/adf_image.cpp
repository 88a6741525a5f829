// ADF images: blocks, names, the directory listing and the files' bytes.
#include "import/adf_image.h"

#include <algorithm>

#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::size_t kOfsDataBytes = kAdfBlockSize - adf::kDataStart;  // 488
// Fast file system: a header (or extension) block lists its data blocks from
// offset 308 downwards; the count sits at 8 and the next extension at 504.
constexpr int kFfsTableCount = 8;
constexpr int kFfsFirstPointer = 308;
constexpr int kFfsExtension = 504;

// AmigaDOS compares names without regard to case, Latin-1 letters included.
std::uint8_t amigaUpper(std::uint8_t c) {
  if (c >= 'a' && c <= 'z') return static_cast<std::uint8_t>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<std::uint8_t>(c - 32);
  return c;
}

bool sameAmigaName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return amigaUpper(static_cast<std::uint8_t>(x)) ==
                  amigaUpper(static_cast<std::uint8_t>(y));
         });
}

std::string quoted(const std::string& latin1Name) {
  return "\"" + latin1ToUtf8(latin1Name) + "\"";
}

// Secondary types at the end of a header block.
constexpr std::int32_t kRootType = 1, kFolderType = 2, kSoftLinkType = 3, kFolderLinkType = 4,
                       kFileType = -3, kFileLinkType = -4;
constexpr int kSoftLinkPathLength = 288;

int blockCountFor(std::size_t size) {
  return size >= kAdfHdImageSize ? kAdfHdBlockCount : kAdfBlockCount;
}

}  // namespace

AdfImage AdfImage::load(const std::string& path) {
  return fromBytes(readFileHead(path, kAdfHdImageSize), path);
}

AdfImage AdfImage::fromBytes(Bytes data, const std::string& name) {
  const int count = blockCountFor(data.size());
  return AdfImage(
      DiskBlocks(std::move(data), name, kAdfBlockSize, count, "block", "Amiga disk image"));
}

std::span<const std::uint8_t> AdfImage::block(int n) const {
  return blocks_.block(n);
}

int AdfImage::blockField16(int n, int offset) const {
  return getU16be(&block(n)[offset]);
}

std::uint32_t AdfImage::blockField32(int n, int offset) const {
  return getU32be(&block(n)[offset]);
}

AdfBlockKind AdfImage::blockKind(int n) const {
  switch (block(n)[3]) {
    case kAdfHeaderType:
      return AdfBlockKind::Header;
    case kAdfDataType:
      return AdfBlockKind::Data;
    default:
      return AdfBlockKind::Unknown;
  }
}

std::string AdfImage::blockName(int n, int length) const {
  const std::size_t stored = block(n)[adf::kNameLength];
  const auto b = block(n).subspan(adf::kName, std::min(stored, static_cast<std::size_t>(length)));
  return std::string(b.begin(), std::find(b.begin(), b.end(), 0));
}

bool AdfImage::isFastFileSystem() const {
  const auto boot = block(0);
  return boot[0] == 'D' && boot[1] == 'O' && boot[2] == 'S' && (boot[3] & 1) != 0;
}

AdfEntry AdfImage::entry(int headerBlock) const {
  AdfEntry e;
  e.block = e.contentBlock = headerBlock;
  e.name = blockName(headerBlock);
  e.size = blockField32(headerBlock, adf::kFileSize);
  switch (static_cast<std::int32_t>(blockField32(headerBlock, adf::kSecondaryType))) {
    case kFileType:
      e.kind = AdfEntryKind::File;
      break;
    case kRootType:
    case kFolderType:
      e.kind = AdfEntryKind::Folder;
      break;
    case kSoftLinkType: {
      e.kind = AdfEntryKind::SoftLink;
      e.size = 0;
      const auto path = block(headerBlock).subspan(adf::kSoftLinkPath, kSoftLinkPathLength);
      e.target = std::string(path.begin(), std::find(path.begin(), path.end(), 0));
      break;
    }
    case kFileLinkType:
    case kFolderLinkType: {
      e.kind = AdfEntryKind::HardLink;
      const std::uint32_t linked = blockField32(headerBlock, adf::kHardLinkTarget);
      if (!validBlock(linked)) {
        // Listed all the same; extracting it is refused.
        e.contentBlock = kAdfBrokenLink;
        e.target = "block " + std::to_string(linked) + ", outside the disk";
        e.size = 0;
        return e;
      }
      e.contentBlock = static_cast<int>(linked);
      e.target = blockName(e.contentBlock);
      e.size = blockField32(e.contentBlock, adf::kFileSize);
      e.folder = blockField32(headerBlock, adf::kSecondaryType) ==
                 static_cast<std::uint32_t>(kFolderLinkType);
      return e;
    }
    default:
      // Headers without a secondary type, as simple tools write them: a
      // header without data is taken for a folder.
      e.kind = blockField16(headerBlock, adf::kNextDataField) == 0 ? AdfEntryKind::Folder
                                                                   : AdfEntryKind::File;
  }
  e.folder = e.kind == AdfEntryKind::Folder;
  return e;
}

std::vector<AdfEntry> AdfImage::entries(std::optional<int> directory,
                                        std::vector<std::string>* notes) const {
  const int directoryBlock = directory.value_or(rootBlock());
  block(directoryBlock);  // a directory outside the disk is an error, not an empty list
  std::vector<AdfEntry> list;
  std::vector<bool> listed(static_cast<std::size_t>(blockCount()), false);
  auto note = [&](const std::string& text) {
    if (notes) notes->push_back("directory block " + std::to_string(directoryBlock) + ": " + text);
  };
  for (int i = 0; i < kAdfHashEntries; ++i) {
    const int first = blockField16(directoryBlock, adf::kHashTable + 4 * i + 2);
    if (first == 0 || !validBlock(first)) continue;
    if (listed[first]) {
      note("hash entry " + std::to_string(i) + " names block " + std::to_string(first) +
           ", which is listed already");
      continue;
    }
    // Each block is listed once, so no chain can run for ever.
    for (int b = first; b != 0;) {
      listed[b] = true;
      list.push_back(entry(b));
      const int next = blockField16(b, adf::kHashChain);
      if (next != 0 && validBlock(next) && listed[next]) {
        note("the hash chain of block " + std::to_string(b) + " comes back to block " +
             std::to_string(next) + "; the chain ends there");
        break;
      }
      b = validBlock(next) ? next : 0;  // a link beyond the disk ends the chain
    }
  }
  return list;
}

std::optional<AdfEntry> AdfImage::findEntry(std::string_view path) const {
  if (const auto n = numberAfterHash(path)) {
    if (!validBlock(*n)) return std::nullopt;
    return entry(*n);
  }
  const std::string wanted = utf8ToLatin1(path).value_or(std::string(path));
  int directory = rootBlock();
  std::optional<AdfEntry> found;
  std::size_t start = 0;
  while (start <= wanted.size()) {
    const std::size_t slash = std::min(wanted.find('/', start), wanted.size());
    const std::string_view part = std::string_view(wanted).substr(start, slash - start);
    if (found && !found->folder) return std::nullopt;  // a file has no entries below it
    if (found) directory = found->contentBlock;
    found.reset();
    for (const AdfEntry& e : entries(directory)) {
      if (sameAmigaName(e.name, part)) {
        found = e;
        break;
      }
    }
    if (!found) return std::nullopt;
    start = slash + 1;
  }
  return found;
}

Bytes AdfImage::extract(int headerBlock) const {
  const AdfEntry e = entry(headerBlock);
  if (e.folder) {
    blocks_.fail(headerBlock, adf::kSecondaryType,
                 quoted(e.name) + " is a folder: only files can be extracted");
  }
  if (e.kind == AdfEntryKind::SoftLink) {
    blocks_.fail(
        headerBlock, adf::kSoftLinkPath,
        quoted(e.name) + " is a soft link to " + quoted(e.target) + ": extract the file it names");
  }
  if (e.contentBlock == kAdfBrokenLink) {
    blocks_.fail(headerBlock, adf::kHardLinkTarget, quoted(e.name) + ": hard link to " + e.target);
  }
  if (e.kind == AdfEntryKind::HardLink && entry(e.contentBlock).kind != AdfEntryKind::File) {
    blocks_.fail(headerBlock, adf::kHardLinkTarget,
                 quoted(e.name) + ": hard link to block " + std::to_string(e.contentBlock) +
                     ", which is not a file");
  }
  return isFastFileSystem() ? extractFfs(e.contentBlock) : extractOfs(e.contentBlock);
}

// Data blocks carry their own link to the next one and their own count of
// the file's bytes they hold; the header's size field says where the file
// ends. A chain that holds fewer bytes than the header claims is an error:
// the rest of the blocks is not the file's.
Bytes AdfImage::extractOfs(int headerBlock) const {
  const std::uint32_t size = blockField32(headerBlock, adf::kFileSize);
  const std::string name = quoted(blockName(headerBlock));
  Bytes out;
  out.reserve(std::min<std::size_t>(size, static_cast<std::size_t>(blockCount()) * kOfsDataBytes));
  std::vector<bool> seen(static_cast<std::size_t>(blockCount()), false);
  seen[static_cast<std::size_t>(headerBlock)] = true;
  int from = headerBlock;  // the block whose link is being followed
  int link = blockField16(headerBlock, adf::kNextDataField);
  while (link != 0 && out.size() < size) {
    if (!validBlock(link)) {
      blocks_.fail(from, adf::kNextDataField,
                   name + ": data block link " + std::to_string(link) + " lies outside the disk");
    }
    if (seen[static_cast<std::size_t>(link)]) {
      blocks_.fail(from, adf::kNextDataField,
                   name + ": the data chain comes back to block " + std::to_string(link));
    }
    seen[static_cast<std::size_t>(link)] = true;
    const auto data = block(link).subspan(adf::kDataStart);
    const std::size_t holds =
        std::min<std::size_t>(kOfsDataBytes, blockField32(link, adf::kDataSize));
    const std::size_t take = std::min<std::size_t>(holds, size - out.size());
    out.insert(out.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(take));
    from = link;
    link = blockField16(link, adf::kNextDataField);
  }
  if (out.size() < size) {
    blocks_.fail(headerBlock, adf::kFileSize,
                 name + ": the header says " + std::to_string(size) +
                     " bytes, but its data blocks hold " + std::to_string(out.size()));
  }
  return out;
}

// Data blocks are pure data; the header and its extension blocks list them.
Bytes AdfImage::extractFfs(int headerBlock) const {
  const std::uint32_t size = blockField32(headerBlock, adf::kFileSize);
  const std::string name = quoted(blockName(headerBlock));
  Bytes out;
  out.reserve(std::min<std::size_t>(size, static_cast<std::size_t>(blockCount()) * kAdfBlockSize));
  std::vector<bool> seen(static_cast<std::size_t>(blockCount()), false);
  seen[static_cast<std::size_t>(headerBlock)] = true;
  auto follow = [&](int from, int offset, std::uint32_t target, const char* what) {
    if (!validBlock(target)) {
      blocks_.fail(from, offset,
                   name + ": " + what + " " + std::to_string(target) + " lies outside the disk");
    }
    if (seen[target]) {
      blocks_.fail(from, offset,
                   name + ": the block list comes back to block " + std::to_string(target));
    }
    seen[target] = true;
    return static_cast<int>(target);
  };
  int table = headerBlock;
  while (out.size() < size) {
    const std::uint32_t count =
        std::min<std::uint32_t>(blockField32(table, kFfsTableCount), kAdfHashEntries);
    for (std::uint32_t k = 0; k < count && out.size() < size; ++k) {
      const int offset = kFfsFirstPointer - 4 * static_cast<int>(k);
      const std::uint32_t pointer = blockField32(table, offset);
      if (pointer == 0) return out;  // the list ends before the size is reached
      const auto data = block(follow(table, offset, pointer, "data block"));
      const std::size_t take = std::min<std::size_t>(kAdfBlockSize, size - out.size());
      out.insert(out.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(take));
    }
    if (out.size() >= size) break;
    const std::uint32_t extension = blockField32(table, kFfsExtension);
    if (extension == 0) break;
    table = follow(table, kFfsExtension, extension, "extension block");
  }
  return out;
}

std::string AdfImage::saveFile(int headerBlock, const std::string& directory) const {
  const std::string name = safeHostFileName(latin1ToUtf8(blockName(headerBlock)));
  const std::string target = directory.empty() ? name : directory + "/" + name;
  writeFileAtomically(target, extract(headerBlock));
  return target;
}

}  // namespace pyrovel
