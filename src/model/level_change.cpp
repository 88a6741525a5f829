#include "model/level_change.h"

#include <algorithm>

namespace pyrovel {

void ArrayChanges::store(const std::vector<std::int32_t>& was,
                         const std::vector<std::int32_t>& now) {
  count_ = was.size();
  const auto fitsByte = [](std::int32_t v) { return v >= 0 && v <= 0xff; };
  const bool narrow = std::all_of(was.begin(), was.end(), fitsByte) &&
                      std::all_of(now.begin(), now.end(), fitsByte);
  if (narrow && count_ > 0) {
    narrow_.reserve(2 * count_);
    for (const auto* side : {&was, &now}) {
      for (std::int32_t v : *side) narrow_.push_back(static_cast<std::uint8_t>(v));
    }
  } else {
    wide_.reserve(2 * count_);
    wide_.insert(wide_.end(), was.begin(), was.end());
    wide_.insert(wide_.end(), now.begin(), now.end());
  }
  runs_.shrink_to_fit();
}

LevelState LevelState::of(const Levelmap& map, int slot) {
  LevelState state;
  state.header = map.header(slot);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    if (map.holdsCells(layer, slot)) {
      state.grids[static_cast<std::size_t>(layer)] =
          std::make_unique<LevelGrid>(map.grid(layer, slot));
    }
  }
  state.memo = map.bdcffMemo[static_cast<std::size_t>(slot)];
  return state;
}

LevelChange LevelChange::between(const LevelState& before, const Levelmap& map, int slot) {
  static const LevelGrid kZero{};
  LevelChange c;
  c.header_ = ArrayChanges::between(before.header.bytes, map.header(slot).bytes);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    const auto l = static_cast<std::size_t>(layer);
    const LevelGrid& was = before.grids[l] ? *before.grids[l] : kZero;
    c.layers_[l] = ArrayChanges::between(was, map.grid(layer, slot));
  }
  const auto& memo = map.bdcffMemo[static_cast<std::size_t>(slot)];
  if (memo != before.memo) c.memo_ = {{before.memo, memo}};
  return c;
}

void LevelChange::apply(Levelmap& map, int slot, bool forward) const {
  header_.apply(map.header(slot).bytes, forward);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    const ArrayChanges& cells = layers_[static_cast<std::size_t>(layer)];
    if (!cells.empty()) cells.apply(map.grid(layer, slot), forward);
  }
  if (memo_) map.bdcffMemo[static_cast<std::size_t>(slot)] = (*memo_)[forward ? 1 : 0];
}

bool LevelChange::empty() const {
  return header_.empty() && layers_[0].empty() && layers_[1].empty() && !memo_;
}

std::size_t LevelChange::bytes() const {
  std::size_t n = sizeof(LevelChange) + header_.bytes() + layers_[0].bytes() + layers_[1].bytes();
  if (memo_) {
    for (const KeptLines& side : *memo_) n += side.bytes();
  }
  return n;
}

}  // namespace pyrovel
