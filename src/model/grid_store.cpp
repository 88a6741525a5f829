#include "model/grid_store.h"

#include <cstdlib>
#include <new>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#define PYROVEL_HAVE_MMAP 1
#endif

namespace pyrovel {

GridStore::GridStore(std::size_t count, std::size_t blockBytes)
    : bytes_(count * blockBytes), blockBytes_(blockBytes) {
#ifdef PYROVEL_HAVE_MMAP
  int flags = MAP_PRIVATE | MAP_ANONYMOUS;
#ifdef MAP_NORESERVE
  flags |= MAP_NORESERVE;  // reserved, not yet committed
#endif
  void* p = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, flags, -1, 0);
  if (p != MAP_FAILED) {
    base_ = static_cast<char*>(p);
    mapped_ = true;
#ifdef MADV_HUGEPAGE
    madvise(p, bytes_, MADV_HUGEPAGE);  // a hint; fine when refused
#endif
    return;
  }
#endif
  // Without mmap: calloc of a block this large is zero pages from the
  // system too, on every platform that matters.
  base_ = static_cast<char*>(std::calloc(count, blockBytes));
  if (!base_) throw std::bad_alloc();
}

GridStore::~GridStore() {
  release();
}

GridStore::GridStore(GridStore&& other) noexcept
    : base_(std::exchange(other.base_, nullptr)),
      bytes_(other.bytes_),
      blockBytes_(other.blockBytes_),
      mapped_(other.mapped_) {}

GridStore& GridStore::operator=(GridStore&& other) noexcept {
  if (this != &other) {
    release();
    base_ = std::exchange(other.base_, nullptr);
    bytes_ = other.bytes_;
    blockBytes_ = other.blockBytes_;
    mapped_ = other.mapped_;
  }
  return *this;
}

void GridStore::release() noexcept {
  if (!base_) return;
#ifdef PYROVEL_HAVE_MMAP
  if (mapped_) {
    munmap(base_, bytes_);
    base_ = nullptr;
    return;
  }
#endif
  std::free(base_);
  base_ = nullptr;
}

}  // namespace pyrovel
