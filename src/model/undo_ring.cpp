#include "model/undo_ring.h"

namespace pyrovel {

UndoRing::UndoRing() : ring_(std::make_unique<std::array<Snapshot, kSnapshots>>()) {}

void UndoRing::record(Levelmap& map, int slot, int layer) {
  recordCells(map.grid(layer, slot), layer);
}

void UndoRing::recordCells(const LevelGrid& cells, int layer) {
  redoCount_ = 0;
  Snapshot& s = (*ring_)[static_cast<std::size_t>(pos_)];
  s.cells = cells;
  s.layer = layer;
  pos_ = next(pos_);
  if (undoCount_ < kMaxSteps) ++undoCount_;
}

bool UndoRing::undo(Levelmap& map, int slot) {
  if (undoCount_ <= 0) return false;
  const Snapshot& back = (*ring_)[static_cast<std::size_t>(prev(pos_))];
  if (redoCount_ == 0) {
    // Keep the present state so redo can come back to it.
    Snapshot& here = (*ring_)[static_cast<std::size_t>(pos_)];
    here.cells = map.grid(back.layer, slot);
    here.layer = back.layer;
  }
  map.grid(back.layer, slot) = back.cells;
  pos_ = prev(pos_);
  --undoCount_;
  ++redoCount_;
  return true;
}

bool UndoRing::redo(Levelmap& map, int slot) {
  if (redoCount_ <= 0) return false;
  const Snapshot& fwd = (*ring_)[static_cast<std::size_t>(next(pos_))];
  map.grid(fwd.layer, slot) = fwd.cells;
  pos_ = next(pos_);
  --redoCount_;
  ++undoCount_;
  return true;
}

}  // namespace pyrovel
