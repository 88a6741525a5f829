#pragma once
// The cells of one levelmap's grids in a single block of address space,
// reserved whole and given pages by the system only where a grid is
// written. Where the system offers them, the pages are 2 MB ones: a full
// levelmap (6.7 MB of cells) then takes four page faults instead of
// sixteen hundred, and an empty one still costs nothing.
#include <cstddef>

namespace pyrovel {

class GridStore {
 public:
  GridStore() = default;  // holds nothing
  // Room for `count` blocks of `blockBytes` each, all zero.
  GridStore(std::size_t count, std::size_t blockBytes);
  ~GridStore();
  GridStore(GridStore&& other) noexcept;
  GridStore& operator=(GridStore&& other) noexcept;
  GridStore(const GridStore&) = delete;
  GridStore& operator=(const GridStore&) = delete;

  void* block(std::size_t i) const { return base_ + i * blockBytes_; }

 private:
  void release() noexcept;

  char* base_ = nullptr;
  std::size_t bytes_ = 0;
  std::size_t blockBytes_ = 0;
  bool mapped_ = false;  // from mmap (else from calloc)
};

}  // namespace pyrovel
