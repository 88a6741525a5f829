#include "import/disk_blocks.h"

namespace pyrovel {

DiskBlocks::DiskBlocks(Bytes data, std::string path, int blockSize, int blockCount,
                       std::string unit, const std::string& kind)
    : data_(std::move(data)),
      path_(std::move(path)),
      size_(blockSize),
      count_(blockCount),
      unit_(std::move(unit)) {
  const std::size_t needed =
      static_cast<std::size_t>(blockSize) * static_cast<std::size_t>(blockCount);
  if (data_.size() < needed) {
    throw LevelError(path_, std::nullopt, data_.size(),
                     "not a whole " + kind + ": " + std::to_string(data_.size()) + " bytes where " +
                         std::to_string(needed) + " are needed");
  }
  data_.resize(needed);
}

std::span<const std::uint8_t> DiskBlocks::block(int n) const {
  if (!valid(n)) {
    throw LevelError(path_, std::nullopt, std::nullopt,
                     unit_ + " " + std::to_string(n) + " lies outside the disk (0.." +
                         std::to_string(count_ - 1) + ")");
  }
  return std::span<const std::uint8_t>(data_).subspan(
      static_cast<std::size_t>(n) * static_cast<std::size_t>(size_),
      static_cast<std::size_t>(size_));
}

void DiskBlocks::fail(int n, int offset, const std::string& what) const {
  throw LevelError(path_, std::nullopt,
                   static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(size_) +
                       static_cast<std::uint64_t>(offset),
                   what);
}

}  // namespace pyrovel
