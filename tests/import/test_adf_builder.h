#pragma once
// Builds Amiga disk images block by block for the tests: a root block with
// its hash table, header blocks with names and hash chain links, OFS data
// blocks with their 24-byte headers. Numbers are big-endian 32-bit fields.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace pyrovel::testing {

class AdfBuilder {
 public:
  static constexpr int kBlock = 512;
  std::vector<std::uint8_t> image = std::vector<std::uint8_t>(901120, 0);

  std::uint8_t* block(int n) { return &image[static_cast<std::size_t>(n) * kBlock]; }
  void put32(int n, int offset, std::uint32_t v) {
    std::uint8_t* p = block(n) + offset;
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
  }

  // A header block (type 2): name at 432 (length) and 433.., first data
  // block at 16, file size at 324.
  void header(int n, const std::string& name, std::uint32_t firstData = 0, std::uint32_t size = 0) {
    put32(n, 0, 2);
    put32(n, 16, firstData);
    put32(n, 324, size);
    block(n)[432] = static_cast<std::uint8_t>(name.size());
    for (std::size_t i = 0; i < name.size(); ++i)
      block(n)[433 + i] = static_cast<std::uint8_t>(name[i]);
  }
  void root(const std::string& diskName) { header(880, diskName); }
  // The secondary type at 508: 2 folder, -3 file, 3 soft link, -4 / 4 hard
  // link to a file / folder.
  void secondaryType(int n, int type) { put32(n, 508, static_cast<std::uint32_t>(type)); }
  // Entry i of a directory's hash table (offset 24 + 4i).
  void hash(int directory, int i, std::uint32_t headerBlock) {
    put32(directory, 24 + 4 * i, headerBlock);
  }
  // The hash chain link of a header block (offset 496, low half at 498).
  void chain(int n, std::uint32_t next) { put32(n, 496, next); }
  // An OFS data block (type 8): owner at 4, the count of bytes it holds at
  // 12, next data block at 16, data from 24.
  void dataBlock(int n, std::uint32_t owner, std::uint32_t next,
                 const std::vector<std::uint8_t>& bytes) {
    put32(n, 0, 8);
    put32(n, 4, owner);
    put32(n, 12, static_cast<std::uint32_t>(std::min<std::size_t>(bytes.size(), 488)));
    put32(n, 16, next);
    for (std::size_t i = 0; i < bytes.size() && i < 488; ++i) block(n)[24 + i] = bytes[i];
  }
  // A file whose data blocks follow its header block one after the other.
  void file(int headerBlock, const std::string& name, const std::vector<std::uint8_t>& content) {
    const int blocks = static_cast<int>((content.size() + 487) / 488);
    header(headerBlock, name, blocks ? headerBlock + 1 : 0,
           static_cast<std::uint32_t>(content.size()));
    for (int k = 0; k < blocks; ++k) {
      const auto first = content.begin() + 488 * k;
      const auto last = content.size() - 488 * k > 488 ? first + 488 : content.end();
      dataBlock(headerBlock + 1 + k, headerBlock, k + 1 < blocks ? headerBlock + 2 + k : 0,
                std::vector<std::uint8_t>(first, last));
    }
  }
};

// n bytes counting up from `start`, wrapping at 256.
inline std::vector<std::uint8_t> countingBytes(std::size_t n, int start = 0) {
  std::vector<std::uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(start + static_cast<int>(i));
  return v;
}

}  // namespace pyrovel::testing
