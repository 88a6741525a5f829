#include "import/pe_resources.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <utility>

#include "model/file_io.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

constexpr std::size_t kDosHeaderSize = 64;
constexpr std::size_t kNtOffsetField = 60;
constexpr std::size_t kFileHeaderSize = 20;  // after the 4-byte signature
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::uint16_t kPe32Magic = 0x10B, kPe32PlusMagic = 0x20B;
constexpr std::size_t kResourceDirectoryIndex = 2;
constexpr std::size_t kDirectoryHeaderSize = 16, kDirectoryEntrySize = 8, kDataEntrySize = 16;
constexpr std::uint32_t kHighBit = 0x80000000u;
// Resource trees are three deep (type, name, language); anything far deeper
// is damage, and recursion must end somewhere.
constexpr int kMaxDepth = 8;
// Directories may share subdirectories; this stops a small file from
// unfolding into millions of nodes.
constexpr std::size_t kMaxNodes = 65536;

constexpr std::array<const char*, 17> kTypeNames = {
    "Unknown0", "CursorEntry", "Bitmap", "IconEntry",    "Menu",   "Dialog",
    "String",   "FontDir",     "Font",   "Accelerators", "RCData", "MessageTable",
    "Cursor",   "Unknown13",   "Icon",   "Unknown15",    "Version"};

std::string hex(std::uint64_t v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(v));
  return buf;
}

// UTF-16 units to 8-bit text: Latin-1 as it is, everything else (a
// surrogate pair counting once) as '?'.
std::string utf16ToLatin1(ByteReader& r, std::size_t units, bool stopAtZero) {
  std::string out;
  bool afterHighSurrogate = false;
  for (std::size_t i = 0; i < units; ++i) {
    const std::uint16_t u = r.u16le();
    if (stopAtZero && u == 0) break;
    const bool low = u >= 0xDC00 && u <= 0xDFFF;
    const bool pairEnd = low && afterHighSurrogate;
    afterHighSurrogate = u >= 0xD800 && u <= 0xDBFF;
    if (pairEnd) continue;
    out += u <= 0xFF ? static_cast<char>(u) : '?';
  }
  return out;
}

class TreeReader {
 public:
  TreeReader(std::span<const std::uint8_t> dir, const std::string& file, std::uint64_t base)
      : r_(dir, file), file_(file), base_(base) {}

  std::vector<ResourceNode> read(std::uint32_t offset, int depth) {
    if (depth > kMaxDepth) fail(offset, "resource directories nested too deep");
    if (std::find(path_.begin(), path_.end(), offset) != path_.end()) {
      fail(offset, "resource directory refers back to itself");
    }
    if (offset > r_.size() || r_.size() - offset < kDirectoryHeaderSize) {
      fail(offset, "resource directory outside the resource data");
    }
    path_.push_back(offset);
    r_.seek(offset);
    r_.skip(12);
    const std::size_t count = std::size_t{r_.u16le()} + r_.u16le();
    if (count * kDirectoryEntrySize > r_.remaining()) {
      fail(offset, "resource directory of " + std::to_string(count) +
                       " entries runs past the end of the resource data");
    }
    std::vector<ResourceNode> nodes;
    for (std::size_t i = 0; i < count; ++i) {
      if (++nodeCount_ > kMaxNodes) fail(offset, "too many resource entries");
      const std::uint32_t entryAt = offset + kDirectoryHeaderSize + i * kDirectoryEntrySize;
      r_.seek(entryAt);
      const std::uint32_t nameField = r_.u32le();
      const std::uint32_t target = r_.u32le();
      ResourceNode node;
      if (nameField & kHighBit) {
        node.key.name = readName(nameField & ~kHighBit);
      } else {
        node.key.id = nameField;
      }
      if (target & kHighBit) {
        node.offset = target & ~kHighBit;
        node.children = read(node.offset, depth + 1);
      } else {
        node.offset = target;
        node.data = readData(target);
      }
      nodes.push_back(std::move(node));
    }
    path_.pop_back();
    return nodes;
  }

 private:
  [[noreturn]] void fail(std::uint64_t offset, const std::string& what) {
    throw LevelError(file_, std::nullopt, base_ + offset, what);
  }

  std::string readName(std::uint32_t at) {
    if (at >= r_.size()) fail(at, "resource name outside the resource data");
    r_.seek(at);
    const std::size_t units = r_.u16le();
    if (units * 2 > r_.remaining())
      fail(at, "resource name runs past the end of the resource data");
    return utf16ToLatin1(r_, units, false);
  }

  ResourceData readData(std::uint32_t at) {
    if (at > r_.size() || r_.size() - at < kDataEntrySize) {
      fail(at, "resource data entry outside the resource data");
    }
    r_.seek(at);
    ResourceData d;
    d.entryOffset = static_cast<std::uint64_t>(base_ + at);
    d.rva = r_.u32le();
    d.size = r_.u32le();
    d.codePage = r_.u32le();
    return d;
  }

  ByteReader r_;
  std::string file_;
  std::uint64_t base_;
  std::vector<std::uint32_t> path_;  // directories from the root to here
  std::size_t nodeCount_ = 0;
};

}  // namespace

bool ResourceKey::matches(std::string_view t) const {
  return name ? sameTextIgnoringCase(*name, t) : std::to_string(id) == t;
}

const ResourceData* ResourceNode::leafData() const {
  if (data) return &*data;
  if (!children.empty() && children.front().data) return &*children.front().data;
  return nullptr;
}

std::string resourceTypeName(const ResourceKey& type) {
  if (!type.name && type.id < kTypeNames.size()) return kTypeNames[type.id];
  return type.text();
}

PeResources PeResources::load(const std::string& path) {
  Bytes data;
  try {
    data = readFileBytes(path);
  } catch (const LevelError&) {
    // Missing, unreadable or not a file at all: the explorer's own words.
    throw LevelError("Couldn't open: " + path);
  }
  return parse(std::move(data), path);
}

PeResources PeResources::parse(Bytes data, const std::string& file) {
  PeResources pe;
  pe.file_ = file;
  pe.data_ = std::move(data);
  const Bytes& d = pe.data_;
  if (d.size() < 2 || d[0] != 'M' || d[1] != 'Z') {
    throw LevelError(file, std::nullopt, 0, "unrecognized file format");
  }
  ByteReader r(d, file);
  if (d.size() < kDosHeaderSize) r.fail(d.size(), "DOS header cut short");
  r.seek(kNtOffsetField);
  const std::uint32_t nt = r.u32le();
  if (nt > d.size() || d.size() - nt < 4 + kFileHeaderSize ||
      !std::equal(d.begin() + nt, d.begin() + nt + 4, "PE\0\0")) {
    throw LevelError(file, std::nullopt, nt, "Not a PE (WIN32 Executable) file");
  }
  r.seek(nt + 6);
  const std::uint16_t sectionCount = r.u16le();
  r.seek(nt + 20);
  const std::uint16_t optionalSize = r.u16le();
  const std::size_t optional = nt + 4 + kFileHeaderSize;
  r.seek(optional);
  const std::uint16_t magic = r.u16le();
  if (magic != kPe32Magic && magic != kPe32PlusMagic) {
    r.fail(optional, "unknown optional header kind " + hex(magic));
  }
  pe.pe32Plus_ = magic == kPe32PlusMagic;
  // The resource directory's address from the data directories, when the
  // header holds them.
  const std::size_t countField = optional + (pe.pe32Plus_ ? 108 : 92);
  std::uint32_t resourceRva = 0;
  if (countField + 4 <= optional + optionalSize) {
    r.seek(countField);
    const std::uint32_t directories = r.u32le();
    const std::size_t entry = countField + 4 + kResourceDirectoryIndex * 8;
    if (directories > kResourceDirectoryIndex && entry + 8 <= optional + optionalSize) {
      r.seek(entry);
      resourceRva = r.u32le();
    }
  }

  const std::size_t table = optional + optionalSize;
  if (table > d.size() || (d.size() - table) / kSectionHeaderSize < sectionCount) {
    r.fail(table, "section table of " + std::to_string(sectionCount) +
                      " sections runs past the end of the file");
  }
  std::optional<std::size_t> rsrcSection;
  for (std::size_t i = 0; i < sectionCount; ++i) {
    r.seek(table + i * kSectionHeaderSize);
    const auto nameBytes = r.bytes(8);
    std::string name(nameBytes.begin(), nameBytes.end());
    name = name.substr(0, name.find('\0'));
    Section s{};
    s.virtualSize = r.u32le();
    s.virtualAddress = r.u32le();
    s.rawSize = r.u32le();
    s.rawPointer = r.u32le();
    if (!rsrcSection && sameTextIgnoringCase(name, ".rsrc")) rsrcSection = i;
    pe.sections_.push_back(s);
  }
  // The directory reaches to the end of the section's raw data that holds it.
  struct Place {
    std::uint64_t start, end;
  };
  auto locate = [&](std::uint32_t rva) -> std::optional<Place> {
    if (rva == 0) return std::nullopt;
    for (const Section& s : pe.sections_) {
      if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize) {
        const std::uint64_t start = std::uint64_t{s.rawPointer} + (rva - s.virtualAddress);
        const std::uint64_t end =
            std::min<std::uint64_t>(std::uint64_t{s.rawPointer} + s.rawSize, d.size());
        if (start < end) return Place{start, end};
      }
    }
    return std::nullopt;
  };
  // The data directory names the resources; a ".rsrc" section stands in
  // when it names none or names a place outside the file.
  std::optional<Place> place = locate(resourceRva);
  if (!place && rsrcSection) place = locate(pe.sections_[*rsrcSection].virtualAddress);
  if (!place && resourceRva == 0 && !rsrcSection) {
    throw LevelError(file, std::nullopt, std::nullopt, "No resources in this file.");
  }
  if (!place) {
    r.fail(table,
           "resource directory at RVA " + hex(resourceRva) + " lies outside the file's sections");
  }
  const std::uint64_t start = place->start, end = place->end;
  const std::span<const std::uint8_t> dir(d.data() + start, end - start);
  TreeReader reader(dir, file, start);
  pe.types_ = reader.read(0, 0);
  return pe;
}

std::vector<const ResourceNode*> PeResources::tree() const {
  std::vector<const ResourceNode*> shown;
  for (const ResourceNode& t : types_) {
    if (!t.key.name && (t.key.id == kResCursorEntry || t.key.id == kResIconEntry)) continue;
    shown.push_back(&t);
  }
  return shown;
}

const ResourceNode* PeResources::findType(std::string_view type) const {
  for (const ResourceNode& t : types_) {
    if (t.key.matches(type) ||
        (!t.key.name && sameTextIgnoringCase(resourceTypeName(t.key), type))) {
      return &t;
    }
  }
  return nullptr;
}

const ResourceData* PeResources::find(std::string_view type, std::string_view name,
                                      std::optional<std::string_view> language) const {
  const ResourceNode* t = findType(type);
  if (!t) return nullptr;
  for (const ResourceNode& n : t->children) {
    if (!n.key.matches(name)) continue;
    if (!language) return n.leafData();
    for (const ResourceNode& l : n.children) {
      if (l.data && l.key.matches(*language)) return &*l.data;
    }
  }
  return nullptr;
}

std::optional<std::uint64_t> PeResources::mapRva(std::uint32_t rva, std::uint32_t size) const {
  for (const Section& s : sections_) {
    if (rva < s.virtualAddress) continue;
    const std::uint64_t into = rva - s.virtualAddress;
    if (into >= std::max(s.virtualSize, s.rawSize)) continue;
    const std::uint64_t at = s.rawPointer + into;
    if (into + size > s.rawSize || at + size > data_.size()) return std::nullopt;
    return at;
  }
  return std::nullopt;
}

std::uint64_t PeResources::fileOffset(const ResourceData& d) const {
  const auto at = mapRva(d.rva, d.size);
  if (!at) {
    throw LevelError(file_, std::nullopt, d.entryOffset,
                     "resource data at RVA " + hex(d.rva) + " (" + std::to_string(d.size) +
                         " bytes) lies outside the file's sections");
  }
  return *at;
}

Bytes PeResources::bytes(const ResourceData& d) const {
  const std::uint64_t at = fileOffset(d);
  return Bytes(data_.begin() + static_cast<std::ptrdiff_t>(at),
               data_.begin() + static_cast<std::ptrdiff_t>(at + d.size));
}

const ResourceData* PeResources::iconImage(std::uint16_t id, bool cursor) const {
  ResourceKey key;
  key.id = cursor ? kResCursorEntry : kResIconEntry;
  for (const ResourceNode& t : types_) {
    if (t.key.name || t.key.id != key.id) continue;
    for (const ResourceNode& n : t.children) {
      if (!n.key.name && n.key.id == id) return n.leafData();
    }
  }
  return nullptr;
}

std::vector<IconGroupEntry> PeResources::iconGroup(const ResourceData& group, bool cursor) const {
  const Bytes g = bytes(group);
  ByteReader r(g, file_);
  r.seek(4);
  const int count = r.u16le();
  std::vector<IconGroupEntry> entries;
  char buf[96];
  for (int i = 0; i < count; ++i) {
    const auto e = r.bytes(14);
    IconGroupEntry entry;
    if (cursor) {
      entry.width = entry.height = getU16le(&e[0]);
      entry.bitCount = getU16le(&e[6]);
      std::snprintf(buf, sizeof buf, "%d X %d %d Bit(s)", entry.width, entry.width, entry.bitCount);
    } else {
      entry.width = e[0];
      entry.height = e[1];
      entry.colors = e[2];
      entry.bitCount = getU16le(&e[6]);
      std::snprintf(buf, sizeof buf, "%d X %d %d Colors", entry.width, entry.height, entry.colors);
    }
    entry.imageId = getU16le(&e[12]);
    entry.displayName = buf;
    entries.push_back(entry);
  }
  return entries;
}

std::vector<std::string> stringTableLines(const Bytes& block, std::uint32_t blockNumber,
                                          const std::string& file) {
  ByteReader r(block, file);
  std::vector<std::string> lines;
  for (std::uint32_t i = 0; i < 16 && !r.atEnd(); ++i) {
    const std::size_t at = r.pos();
    const std::size_t units = r.u16le();
    if (units * 2 > r.remaining()) r.fail(at, "string runs past the end of the string table");
    const std::string text = utf16ToLatin1(r, units, false);
    if (units == 0) continue;
    lines.push_back(std::to_string((blockNumber - 1) * 16 + i) + ",  \"" + text + "\"");
  }
  return lines;
}

std::vector<std::string> menuLines(const Bytes& menu, const std::string& file) {
  constexpr std::uint16_t kPopup = 0x10, kEnd = 0x80;
  ByteReader r(menu, file);
  r.skip(4);
  std::vector<std::string> lines;
  int level = 0;
  auto indent = [&] { return std::string(2 * static_cast<std::size_t>(std::max(level, 0)), ' '); };
  while (r.remaining() >= 2) {
    const std::uint16_t flags = r.u16le();
    const int command = (flags & kPopup) ? 0 : r.u16le();
    const std::string text = utf16ToLatin1(r, r.remaining() / 2, true);
    if (text.empty() && !(flags & kPopup)) {
      lines.push_back(indent() + "MENUITEM SEPARATOR");
    } else if (flags & kPopup) {
      lines.push_back(indent() + "POPUP \"" + text + "\"");
    } else {
      lines.push_back(indent() + "MENUITEM \"" + text + "\",  " + std::to_string(command));
    }
    if (flags & kPopup) {
      ++level;
    } else if (flags & kEnd) {
      --level;
      lines.push_back(indent() + "ENDPOPUP");
    }
  }
  return lines;
}

IconFile iconFile(const Bytes& image, bool cursor, const std::string& file) {
  constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ByteReader r(image, file);
  std::uint16_t hotX = 0, hotY = 0;
  if (cursor) {
    hotX = r.u16le();
    hotY = r.u16le();
  }
  const std::size_t start = r.pos();
  IconFile out;
  const auto head = r.bytes(std::min<std::size_t>(r.remaining(), 26));
  if (head.size() >= 26 &&
      std::equal(std::begin(kPngSignature), std::end(kPngSignature), head.begin())) {
    out.width = static_cast<int>(getU32be(&head[16]));
    out.height = static_cast<int>(getU32be(&head[20]));
    out.bitCount = head[24];
  } else {
    r.seek(start);
    const std::uint32_t headerSize = r.u32le();
    if (headerSize < 16) r.fail(start, "icon image without a bitmap header");
    out.width = static_cast<int>(r.u32le());
    out.height = static_cast<int>(r.u32le()) / 2;  // the colour and mask bitmaps
    r.skip(2);
    out.bitCount = r.u16le();
  }
  const std::size_t size = image.size() - start;
  ByteWriter w;
  w.u16le(0);
  w.u16le(cursor ? 2 : 1);
  w.u16le(1);
  auto sizeByte = [](int v) { return static_cast<std::uint8_t>(v >= 256 || v < 0 ? 0 : v); };
  w.u8(sizeByte(out.width));
  w.u8(sizeByte(out.height));
  w.u8(out.bitCount >= 8 || out.bitCount <= 0 ? 0 : static_cast<std::uint8_t>(1 << out.bitCount));
  w.u8(0);
  w.u16le(cursor ? hotX : 1);
  w.u16le(cursor ? hotY : static_cast<std::uint16_t>(out.bitCount));
  w.u32le(static_cast<std::uint32_t>(size));
  w.u32le(22);
  w.bytes(std::span<const std::uint8_t>(image).subspan(start));
  out.bytes = w.take();
  return out;
}

Bytes bitmapFile(const Bytes& bitmap) {
  ByteWriter w;
  w.reserve(bitmap.size() + 14);
  w.text("BM");
  w.u32le(static_cast<std::uint32_t>(bitmap.size() + 14));
  w.fill(8);
  w.bytes(bitmap);
  return w.take();
}

}  // namespace pyrovel
