#pragma once
// Ten steps of undo per level: a ring of eleven grid snapshots with a
// position, an undo count and a redo count.
#include <array>
#include <memory>

#include "model/levelmap.h"

namespace pyrovel {

class UndoRing {
 public:
  static constexpr int kSnapshots = 11;
  static constexpr int kMaxSteps = 10;

  UndoRing();

  // Forgets every step (undo never crosses a change of level).
  void reset() { undoCount_ = redoCount_ = 0; }
  // Keeps the grid of `layer` as the state before the next change.
  void record(Levelmap& map, int slot, int layer);
  // The same with the cells given: the state before a change already made.
  void recordCells(const LevelGrid& cells, int layer);
  // Steps back or forward; false when there is nothing to do.
  bool undo(Levelmap& map, int slot);
  bool redo(Levelmap& map, int slot);

  bool canUndo() const { return undoCount_ > 0; }
  bool canRedo() const { return redoCount_ > 0; }
  int position() const { return pos_; }
  int undoCount() const { return undoCount_; }
  int redoCount() const { return redoCount_; }

 private:
  struct Snapshot {
    LevelGrid cells;
    int layer = kGameLayer;  // the layer the snapshot was taken from
  };
  static int prev(int p) { return p == 0 ? kSnapshots - 1 : p - 1; }
  static int next(int p) { return p == kSnapshots - 1 ? 0 : p + 1; }

  std::unique_ptr<std::array<Snapshot, kSnapshots>> ring_;
  int pos_ = 0;
  int undoCount_ = 0;
  int redoCount_ = 0;
};

}  // namespace pyrovel
