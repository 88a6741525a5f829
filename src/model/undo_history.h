#pragma once
// Undo and redo, one history per level: each level keeps its own steps
// when another level is shown, and takes them along when levels are
// deleted, inserted or moved. A step is named ("Rectangle", "Delete
// Level") so that the Undo and Redo items can say what they do. The
// history is bounded twice: a number of steps per level (a setting) and a
// number of bytes for all levels together, the oldest steps going first.
#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/level_change.h"
#include "model/levelmap.h"

namespace pyrovel {

struct StoredLevel;

// One move of a whole level within a step that moves several (levels cut
// or pasted): the level in `held` put in at `slot` (the levels from there
// on moving down, the last one into `held`), the level at `slot` taken out
// into `held` (the rest moving up, what `held` held coming in last), or the
// two exchanged.
struct LevelShift {
  enum class Op { In, Out, Swap };
  LevelShift(Op op, int slot, std::unique_ptr<StoredLevel> held);
  LevelShift(LevelShift&&) noexcept;
  LevelShift& operator=(LevelShift&&) noexcept;
  ~LevelShift();

  Op op;
  int slot;
  std::unique_ptr<StoredLevel> held;
};

struct UndoStep {
  enum class Kind {
    Change,  // cells, record or BDCFF lines of one level
    Remove,  // the level at `slot` was taken out, the rest moved up
    Insert,  // a level was put in at `slot`, the rest moved down
    Move,    // the level at `slot` was moved to `target`
    Levels,  // whole levels put in, taken out or exchanged (`shifts`, in order)
  };

  UndoStep(std::string name, LevelChange change);
  UndoStep(std::string name, Kind kind, int slot, int target, std::unique_ptr<StoredLevel> held);
  UndoStep(std::string name, int slot, std::vector<LevelShift> shifts);
  UndoStep(UndoStep&&) noexcept;
  UndoStep& operator=(UndoStep&&) noexcept;
  ~UndoStep();

  std::string name;
  Kind kind;
  LevelChange change;
  int slot = 0, target = 0;
  // Remove and Insert: the level out of the levelmap (with its history),
  // the one the step puts back when it is undone or redone.
  std::unique_ptr<StoredLevel> held;
  std::vector<LevelShift> shifts;  // Levels
  // An import's step: the note of the reader that brought the level in.
  std::string readerNote;

  std::size_t bytes() const;
};

struct LevelHistory {
  std::deque<UndoStep> undo, redo;  // the next step at the back of each
  std::size_t bytes() const;
};

struct StoredLevel {
  LevelSlot level;
  LevelHistory history;
};

class UndoHistory {
 public:
  static constexpr int kDefaultSteps = 100;
  static constexpr int kMinSteps = 10;
  static constexpr std::size_t kByteBudget = std::size_t{64} << 20;

  const LevelHistory& of(int slot) const { return levels_[index(slot)]; }
  int limit() const { return limit_; }
  // Steps per level, never fewer than kMinSteps; older steps go at once.
  void setLimit(int steps);

  // A new step of `slot`: its redo steps are forgotten, and the oldest
  // steps beyond the limits.
  void push(int slot, UndoStep step);
  void clear();

  // Undoes or redoes the next step of `slot`; the slot to show afterwards
  // (a step may have moved levels), nothing when there was no step.
  std::optional<int> undo(Levelmap& map, int slot);
  std::optional<int> redo(Levelmap& map, int slot);

  // Rearranging the levelmap, each level taking its history along.
  // shiftOut: level `slot` goes into `held`, the levels after it one slot
  // up, and what `held` held into the last slot. shiftIn is the reverse.
  void shiftOut(Levelmap& map, int slot, StoredLevel& held);
  void shiftIn(Levelmap& map, int slot, StoredLevel& held);
  void rotate(Levelmap& map, int from, int to);
  // Does a shift (forward) or takes it back.
  void apply(Levelmap& map, LevelShift& shift, bool forward);

  std::size_t bytes() const;

 private:
  static std::size_t index(int slot) { return static_cast<std::size_t>(slot); }
  // Undo (back) or redo (forward) of the next step of `slot`.
  std::optional<int> takeStep(Levelmap& map, int slot, bool forward);
  void swapLevels(Levelmap& map, int a, int b);
  void swapLevel(Levelmap& map, int slot, StoredLevel& held);
  void trim(int slot);

  std::array<LevelHistory, kSlotCount> levels_;
  int limit_ = kDefaultSteps;
};

}  // namespace pyrovel
