#include "model/undo_history.h"

#include <algorithm>
#include <utility>

namespace pyrovel {

UndoStep::UndoStep(std::string stepName, LevelChange stepChange)
    : name(std::move(stepName)), kind(Kind::Change), change(std::move(stepChange)) {}

UndoStep::UndoStep(std::string stepName, Kind stepKind, int stepSlot, int stepTarget,
                   std::unique_ptr<StoredLevel> stepHeld)
    : name(std::move(stepName)),
      kind(stepKind),
      slot(stepSlot),
      target(stepTarget),
      held(std::move(stepHeld)) {}

UndoStep::UndoStep(std::string stepName, int stepSlot, std::vector<LevelShift> stepShifts)
    : name(std::move(stepName)),
      kind(Kind::Levels),
      slot(stepSlot),
      target(stepSlot),
      shifts(std::move(stepShifts)) {}

LevelShift::LevelShift(Op shiftOp, int shiftSlot, std::unique_ptr<StoredLevel> shiftHeld)
    : op(shiftOp), slot(shiftSlot), held(std::move(shiftHeld)) {}
LevelShift::LevelShift(LevelShift&&) noexcept = default;
LevelShift& LevelShift::operator=(LevelShift&&) noexcept = default;
LevelShift::~LevelShift() = default;

UndoStep::UndoStep(UndoStep&&) noexcept = default;
UndoStep& UndoStep::operator=(UndoStep&&) noexcept = default;
UndoStep::~UndoStep() = default;

namespace {
std::size_t storedBytes(const std::unique_ptr<StoredLevel>& held) {
  if (!held) return 0;
  std::size_t n = sizeof(StoredLevel) + held->history.bytes();
  for (const auto& grid : held->level.grids) n += grid ? sizeof(LevelGrid) : 0;
  return n;
}
}  // namespace

std::size_t UndoStep::bytes() const {
  std::size_t n = sizeof(UndoStep) + name.capacity() + readerNote.capacity() + change.bytes() +
                  storedBytes(held);
  for (const LevelShift& shift : shifts) n += sizeof(LevelShift) + storedBytes(shift.held);
  return n;
}

std::size_t LevelHistory::bytes() const {
  std::size_t n = 0;
  for (const auto* steps : {&undo, &redo}) {
    for (const UndoStep& step : *steps) n += step.bytes();
  }
  return n;
}

void UndoHistory::setLimit(int steps) {
  limit_ = std::max(steps, kMinSteps);
  for (int slot = 0; slot < kSlotCount; ++slot) trim(slot);
}

void UndoHistory::push(int slot, UndoStep step) {
  LevelHistory& h = levels_[index(slot)];
  h.redo.clear();
  h.undo.push_back(std::move(step));
  trim(slot);
}

void UndoHistory::trim(int slot) {
  LevelHistory& h = levels_[index(slot)];
  while (static_cast<int>(h.undo.size()) > limit_) h.undo.pop_front();
  // Over the budget, the longest history loses its oldest step first; the
  // step just made always stays.
  for (std::size_t total = bytes(); total > kByteBudget;) {
    LevelHistory* longest = nullptr;
    std::size_t most = 0;
    for (int s = 0; s < kSlotCount; ++s) {
      LevelHistory& other = levels_[index(s)];
      const std::size_t keep = s == slot ? 1 : 0;
      const std::size_t n = other.bytes();
      if (other.undo.size() > keep && n > most) {
        longest = &other;
        most = n;
      }
    }
    if (!longest) break;
    const std::size_t dropped = longest->undo.front().bytes();
    longest->undo.pop_front();
    total -= std::min(total, dropped);
  }
}

void UndoHistory::clear() {
  for (LevelHistory& h : levels_) h = LevelHistory{};
}

std::optional<int> UndoHistory::undo(Levelmap& map, int slot) {
  return takeStep(map, slot, false);
}

std::optional<int> UndoHistory::redo(Levelmap& map, int slot) {
  return takeStep(map, slot, true);
}

std::optional<int> UndoHistory::takeStep(Levelmap& map, int slot, bool forward) {
  std::deque<UndoStep>& from = forward ? levels_[index(slot)].redo : levels_[index(slot)].undo;
  if (from.empty()) return std::nullopt;
  UndoStep step = std::move(from.back());
  from.pop_back();
  int home = slot;
  switch (step.kind) {
    case UndoStep::Kind::Change:
      step.change.apply(map, slot, forward);
      break;
    case UndoStep::Kind::Remove:
    case UndoStep::Kind::Insert:
      // Undoing a removal puts the level back in, as redoing an insertion does.
      if ((step.kind == UndoStep::Kind::Remove) != forward) {
        shiftIn(map, step.slot, *step.held);
      } else {
        shiftOut(map, step.slot, *step.held);
      }
      home = step.slot;
      break;
    case UndoStep::Kind::Move:
      rotate(map, forward ? step.slot : step.target, forward ? step.target : step.slot);
      home = forward ? step.target : step.slot;
      break;
    case UndoStep::Kind::Levels:
      if (forward) {
        for (LevelShift& shift : step.shifts) apply(map, shift, true);
      } else {
        for (auto it = step.shifts.rbegin(); it != step.shifts.rend(); ++it) apply(map, *it, false);
      }
      home = step.slot;
      break;
  }
  LevelHistory& to = levels_[index(home)];
  (forward ? to.undo : to.redo).push_back(std::move(step));
  return home;
}

void UndoHistory::swapLevels(Levelmap& map, int a, int b) {
  map.swapSlots(a, b);
  std::swap(levels_[index(a)], levels_[index(b)]);
}

void UndoHistory::swapLevel(Levelmap& map, int slot, StoredLevel& held) {
  map.swapSlot(slot, held.level);
  std::swap(levels_[index(slot)], held.history);
}

void UndoHistory::shiftOut(Levelmap& map, int slot, StoredLevel& held) {
  swapLevel(map, slot, held);
  for (int s = slot; s < kLastSlot; ++s) swapLevels(map, s, s + 1);
}

void UndoHistory::shiftIn(Levelmap& map, int slot, StoredLevel& held) {
  for (int s = kLastSlot; s > slot; --s) swapLevels(map, s, s - 1);
  swapLevel(map, slot, held);
}

void UndoHistory::rotate(Levelmap& map, int from, int to) {
  for (int s = from; s < to; ++s) swapLevels(map, s, s + 1);
  for (int s = from; s > to; --s) swapLevels(map, s, s - 1);
}

void UndoHistory::apply(Levelmap& map, LevelShift& shift, bool forward) {
  switch (shift.op) {
    case LevelShift::Op::In:
      forward ? shiftIn(map, shift.slot, *shift.held) : shiftOut(map, shift.slot, *shift.held);
      break;
    case LevelShift::Op::Out:
      forward ? shiftOut(map, shift.slot, *shift.held) : shiftIn(map, shift.slot, *shift.held);
      break;
    case LevelShift::Op::Swap:
      swapLevel(map, shift.slot, *shift.held);
      break;
  }
}

std::size_t UndoHistory::bytes() const {
  std::size_t n = 0;
  for (const LevelHistory& h : levels_) n += h.bytes();
  return n;
}

}  // namespace pyrovel
