#include "formats/bdcff_grid.h"

#include <algorithm>
#include <cctype>

#include "formats/bdcff_elements.h"

namespace pyrovel {

namespace {
// The elements a cave can tell apart; beyond them one label stands for the
// rest (a file would need tens of thousands of names in one cave).
constexpr std::size_t kMostSources = 30000;
}  // namespace

BdcffGrid::BdcffGrid(int width, int height, int fill)
    : width_(std::clamp(width, 1, kMaxLevelSide)),
      height_(std::clamp(height, 1, kMaxLevelSide)),
      stride_(static_cast<std::size_t>(height_)),
      own_(static_cast<std::size_t>(width_) * stride_, static_cast<Cell>(fill)),
      cells_(own_.data()),
      element_(own_.size(), -1) {}

BdcffGrid::BdcffGrid(int width, int height, Cell* columns, std::size_t stride)
    : width_(std::clamp(width, 1, kMaxLevelSide)),
      height_(std::clamp(height, 1, kMaxLevelSide)),
      stride_(std::max(stride, static_cast<std::size_t>(height_))),
      cells_(columns),
      element_(static_cast<std::size_t>(width_) * stride_, -1) {}

int BdcffGrid::registerSource(std::string key, std::string_view label, bool known) {
  const auto it =
      std::find_if(sources_.begin(), sources_.end(), [&](const Source& s) { return s.key == key; });
  if (it != sources_.end()) return static_cast<int>(it - sources_.begin());
  std::string text = label.empty() ? key : std::string(label);
  if (sources_.size() == kMostSources) {
    key = text = "further elements";
    known = false;
    if (sources_.back().key == key) return static_cast<int>(sources_.size() - 1);
  }
  sources_.push_back({std::move(key), std::move(text), line_, known});
  return static_cast<int>(sources_.size() - 1);
}

int BdcffGrid::sourceFor(const std::string& label) {
  return registerSource(label, {}, false);
}

BdcffGrid::Paint BdcffGrid::paintFor(std::string_view element) {
  std::string key(element);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  // A name met before in this cave is found without looking it up again.
  for (std::size_t s = 0; s < sources_.size(); ++s) {
    if (sources_[s].element && sources_[s].key == key) {
      return {sources_[s].known ? sources_[s].object : kBdcffGrover, static_cast<int>(s)};
    }
  }
  const int object = bdcffElementObjectOrNone(key);
  const int id = registerSource(std::move(key), "element " + std::string(element), object >= 0);
  Source& added = sources_[static_cast<std::size_t>(id)];
  added.element = true;
  added.object = object;
  return {object >= 0 ? object : kBdcffGrover, id};
}

long BdcffGrid::fill(int left, int top, int right, int bottom, Paint paint) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_ - 1);
  bottom = std::min(bottom, height_ - 1);
  if (left > right || top > bottom) return 0;
  for (int x = left; x <= right; ++x) {
    for (int y = top; y <= bottom; ++y) set(index(x, y), paint);
  }
  return static_cast<long>(right - left + 1) * (bottom - top + 1);
}

std::vector<BdcffGrid::SourceCount> BdcffGrid::groverCounts() const {
  // The unknown sources in registration order, by their index.
  std::vector<int> slot(sources_.size(), -1);
  std::vector<SourceCount> counts;
  for (std::size_t s = 0; s < sources_.size(); ++s) {
    if (sources_[s].known) continue;
    slot[s] = static_cast<int>(counts.size());
    counts.push_back({sources_[s].label, sources_[s].line, 0});
  }
  if (counts.empty()) return counts;
  for (int x = 0; x < width_; ++x) {
    for (int y = 0; y < height_; ++y) {
      const std::size_t i = index(x, y);
      const int e = element_[i];
      if (e >= 0 && cells_[i] == kBdcffGrover && slot[static_cast<std::size_t>(e)] >= 0) {
        ++counts[static_cast<std::size_t>(slot[static_cast<std::size_t>(e)])].cells;
      }
    }
  }
  return counts;
}

}  // namespace pyrovel
