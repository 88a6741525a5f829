#pragma once
// The resources of a Windows executable or DLL (PE32 and PE32+): the file is
// read into memory, its headers and section table checked, and the resource
// directory tree walked into nodes. Every offset and size is checked against
// the file; a damaged file ends with a LevelError naming the offset.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/bytes.h"

namespace pyrovel {

// Numbered types with a name of their own (0..16).
inline constexpr std::uint32_t kResCursorEntry = 1, kResBitmap = 2, kResIconEntry = 3, kResMenu = 4,
                               kResString = 6, kResCursor = 12, kResIcon = 14;

// A directory entry's name or number.
struct ResourceKey {
  std::optional<std::string> name;  // 8-bit text (Latin-1, '?' for the rest)
  std::uint32_t id = 0;             // when there is no name

  // The name, or the number in decimal.
  std::string text() const { return name ? *name : std::to_string(id); }
  // A name compares without letter case; a number by its decimal text.
  bool matches(std::string_view text) const;
};

struct ResourceData {
  std::uint32_t rva = 0;
  std::uint32_t size = 0;
  std::uint32_t codePage = 0;
  std::uint64_t entryOffset = 0;  // of the 16-byte data entry in the file
};

struct ResourceNode {
  ResourceKey key;
  std::uint32_t offset = 0;          // of its own directory, from the directory start
  std::optional<ResourceData> data;  // set for a data entry (then no children)
  std::vector<ResourceNode> children;

  bool isDirectory() const { return !data; }
  // Shown as a list in the tree: its first entry is itself a directory.
  // A name whose first language is data is a leaf holding that data.
  bool isList() const { return !children.empty() && children.front().isDirectory(); }
  // The data a leaf stands for: its own, or its first language's.
  const ResourceData* leafData() const;
};

// The text of a type: the names of 0..16 ("Icon", "RCData"), else its name
// or number.
std::string resourceTypeName(const ResourceKey& type);

// One image of a group icon or group cursor.
struct IconGroupEntry {
  int width = 0, height = 0;
  int colors = 0;    // icons: the colour count byte (0 for 256 and more)
  int bitCount = 0;  // bits per pixel the group names
  std::uint16_t imageId = 0;
  std::string displayName;  // "32 X 32 16 Colors", "32 X 32 1 Bit(s)"
};

class PeResources {
 public:
  static PeResources load(const std::string& path);
  // `file` names the data in errors.
  static PeResources parse(Bytes data, const std::string& file);

  const std::string& path() const { return file_; }
  bool isPe32Plus() const { return pe32Plus_; }
  // Every type of the directory, cursor and icon images included.
  const std::vector<ResourceNode>& types() const { return types_; }
  // The types the explorer shows: all but the cursor and icon images, which
  // only appear below their groups.
  std::vector<const ResourceNode*> tree() const;

  // A type by number or name ("BDCAV", "10", "RCData"), a name below it,
  // and a language (the first when unset).
  const ResourceNode* findType(std::string_view type) const;
  const ResourceData* find(std::string_view type, std::string_view name,
                           std::optional<std::string_view> language = std::nullopt) const;

  // The data's bytes; throws when they do not lie in the file's sections.
  Bytes bytes(const ResourceData& data) const;
  // Where the data starts in the file (checked like bytes()).
  std::uint64_t fileOffset(const ResourceData& data) const;

  // The images of a group icon (type 14) or cursor (type 12) leaf.
  std::vector<IconGroupEntry> iconGroup(const ResourceData& group, bool cursor) const;
  // The image data of an icon (type 3) or cursor (type 1) image by number.
  const ResourceData* iconImage(std::uint16_t id, bool cursor) const;

 private:
  struct Section {
    std::uint32_t virtualAddress, virtualSize, rawSize, rawPointer;
  };
  std::optional<std::uint64_t> mapRva(std::uint32_t rva, std::uint32_t size) const;

  std::string file_;
  Bytes data_;
  bool pe32Plus_ = false;
  std::vector<Section> sections_;
  std::vector<ResourceNode> types_;
};

// String table block n (its name, from 1): "%d,  \"%s\"" for each non-empty
// string, numbered (n - 1) * 16 + i.
std::vector<std::string> stringTableLines(const Bytes& block, std::uint32_t blockNumber,
                                          const std::string& file);
// A menu resource as RC-like lines ("POPUP", "MENUITEM", "ENDPOPUP").
std::vector<std::string> menuLines(const Bytes& menu, const std::string& file);
// An icon image (type 3) or cursor image (type 1, its hot spot first) as a
// one-image ".ico" or ".cur" file that picture readers take, with the
// image's size and bit depth (from its bitmap header or PNG header).
struct IconFile {
  Bytes bytes;
  int width = 0, height = 0, bitCount = 0;
};
IconFile iconFile(const Bytes& image, bool cursor, const std::string& file);
// A bitmap resource with the 14-byte file header in front.
Bytes bitmapFile(const Bytes& bitmap);

}  // namespace pyrovel
