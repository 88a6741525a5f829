#pragma once
// A disk image held whole in memory as equal blocks (ADF blocks, D64
// sectors). Every access is checked against the disk's size, and errors name
// the image and the byte offset where the bad value was read.
#include <cstdint>
#include <span>
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class DiskBlocks {
 public:
  // Keeps the first blockSize x blockCount bytes; fewer is an error that
  // calls the image a `kind` ("Amiga disk image").
  DiskBlocks(Bytes data, std::string path, int blockSize, int blockCount, std::string unit,
             const std::string& kind);

  const std::string& path() const { return path_; }
  int count() const { return count_; }
  bool valid(long long n) const { return n >= 0 && n < count_; }
  // Block n; any other number throws.
  std::span<const std::uint8_t> block(int n) const;
  // Throws naming the byte at `offset` of block n.
  [[noreturn]] void fail(int n, int offset, const std::string& what) const;

 private:
  Bytes data_;
  std::string path_;
  int size_;
  int count_;
  std::string unit_;  // "block" or "sector", for messages
};

}  // namespace pyrovel
