#pragma once
// What one edit changed in one level, kept small enough that a long undo
// history stays cheap: only the runs of cells and record bytes that differ,
// their values before and after, and the BDCFF lines when they changed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

// The differences between two versions of an array of numbers: runs of
// changed positions with the values before and after, each value a byte
// when all of them fit in one (object numbers do), else four bytes.
class ArrayChanges {
 public:
  template <class T, std::size_t N>
  static ArrayChanges between(const std::array<T, N>& before, const std::array<T, N>& after) {
    static_assert(N <= 0xffff, "positions are kept in 16 bits");
    ArrayChanges c;
    std::vector<std::int32_t> was, now;
    for (std::size_t i = 0; i < N;) {
      if (before[i] == after[i]) {
        ++i;
        continue;
      }
      const std::size_t start = i;
      while (i < N && before[i] != after[i]) {
        was.push_back(static_cast<std::int32_t>(before[i]));
        now.push_back(static_cast<std::int32_t>(after[i]));
        ++i;
      }
      c.runs_.push_back(
          Run{static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(i - start)});
    }
    c.store(was, now);
    return c;
  }

  // Writes the values after (forward) or before (back) into `target`.
  template <class T, std::size_t N>
  void apply(std::array<T, N>& target, bool forward) const {
    std::size_t k = forward ? count_ : 0;
    for (const Run& r : runs_) {
      for (std::size_t i = r.start; i < std::size_t{r.start} + r.count && i < N; ++i) {
        target[i] = static_cast<T>(value(k++));
      }
    }
  }

  bool empty() const { return runs_.empty(); }
  std::size_t bytes() const {
    return runs_.capacity() * sizeof(Run) + narrow_.capacity() +
           wide_.capacity() * sizeof(std::int32_t);
  }

 private:
  struct Run {
    std::uint16_t start, count;
  };
  void store(const std::vector<std::int32_t>& was, const std::vector<std::int32_t>& now);
  std::int32_t value(std::size_t k) const {
    return narrow_.empty() ? wide_[k] : std::int32_t{narrow_[k]};
  }

  std::vector<Run> runs_;
  std::size_t count_ = 0;  // values per side: the values before, then as many after
  std::vector<std::uint8_t> narrow_;
  std::vector<std::int32_t> wide_;
};

// A level as it was, taken before an edit so that the edit's changes can
// be worked out once it is over.
struct LevelState {
  LevelHeader header;
  std::array<std::unique_ptr<LevelGrid>, 2> grids;  // null: the layer was never written
  KeptLines memo;

  static LevelState of(const Levelmap& map, int slot);
};

class LevelChange {
 public:
  // What differs in `slot` of `map` from `before`.
  static LevelChange between(const LevelState& before, const Levelmap& map, int slot);
  // Puts the level back as it was before (forward false) or after the edit.
  void apply(Levelmap& map, int slot, bool forward) const;
  bool empty() const;
  std::size_t bytes() const;

 private:
  ArrayChanges header_;
  std::array<ArrayChanges, 2> layers_;
  std::optional<std::array<KeptLines, 2>> memo_;  // before, after
};

}  // namespace pyrovel
