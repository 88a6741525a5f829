#include "formats/bdcff_random.h"

#include <algorithm>

namespace pyrovel {

namespace {

// One fill in progress: its generator and the next cell it gives a value.
// The job's fields are copied, so that writing a cell (an int) cannot be
// taken for a change of the width or the step.
class FillCursor {
 public:
  explicit FillCursor(const RandomFillColumns& job)
      : pick_(job.pick.data()),
        column_(job.cells + 1),
        cell_(column_),
        step_(static_cast<std::ptrdiff_t>(job.step)),
        width_(job.width),
        random_(job.seed),
        left_(job.height > 2 ? (job.height - 2) * job.width : 0) {}

  bool done() const { return left_ == 0; }
  int left() const { return left_; }

  void step() {
    *cell_ = pick_[random_.next()];
    --left_;
    cell_ += step_;
    if (++x_ == width_) {
      x_ = 0;
      cell_ = ++column_;  // the next row starts in column 0
    }
  }

 private:
  const Cell* pick_;
  Cell* column_;  // row y's cell of column 0
  Cell* cell_;
  std::ptrdiff_t step_;
  int width_;
  C64Random random_;
  int left_;
  int x_ = 0;
};

// The fill of `a`, and of `b` when given, side by side: two cursors are
// local variables the compiler keeps in registers (more no longer fit).
void fillSideBySide(const RandomFillColumns& a, const RandomFillColumns* b) {
  FillCursor first(a);
  if (b != nullptr) {
    FillCursor second(*b);
    for (int both = std::min(first.left(), second.left()); both > 0; --both) {
      first.step();
      second.step();
    }
    while (!second.done()) second.step();
  }
  while (!first.done()) first.step();
}

}  // namespace

void c64RandomFillColumns(std::span<const RandomFillColumns* const> fills) {
  static_assert(kFillsSideBySide == 2);
  for (std::size_t i = 0; i < fills.size(); i += 2) {
    fillSideBySide(*fills[i], i + 1 < fills.size() ? fills[i + 1] : nullptr);
  }
}

}  // namespace pyrovel
