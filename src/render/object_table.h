#pragma once
// The object table (".bam"): which library image shows which object number.
// A 446-byte header holding the object count N, then N + 1 records of 168
// bytes, each naming the object's image and a second image.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/bytes.h"

namespace pyrovel {

inline constexpr std::size_t kObjectTableHeaderSize = 446;
inline constexpr std::size_t kObjectTableRecordSize = 168;

struct ObjectTableRecord {
  int image = 0;        // the library image that shows the object
  int secondImage = 0;  // drawn unscaled in the development panel's picture
};

struct ObjectTable {
  int count = 0;                           // N, the sprite count limit
  std::vector<ObjectTableRecord> records;  // N + 1 records
};

ObjectTable parseObjectTable(std::span<const std::uint8_t> data, const std::string& fileName);
ObjectTable loadObjectTable(const std::string& path);
// Writes a table with N = records.size() - 1; bytes other than the count and
// the image numbers are zero.
Bytes serializeObjectTable(const ObjectTable& table);

}  // namespace pyrovel
