#include "editor/tool_options.h"

#include <algorithm>

namespace pyrovel {

namespace {

struct ChaosBox {
  std::string_view caption;
  int object;  // -1: the value of lastBoxObject
};

// Each box is named after the object it puts in (the third box, object 4,
// was once labelled "Emerald" and the fourth, object 13, "Diamond").
constexpr std::array<ChaosBox, ChaosOptions::kBoxes> kChaosBoxes{{
    {"Dirt", 1},
    {"Rocks", 3},
    {"Diamond", 4},
    {"Emerald", 13},
    {"Bomb", 9},
    {"Dynamite", 71},
    {"Yam", 89},
    {"Robot", 61},
    {"Ship", 70},
    {"Bug", 5},
    {"Object Number", -1},
}};

}  // namespace

std::string_view ChaosOptions::caption(int box) {
  return box >= 0 && box < kBoxes ? kChaosBoxes[static_cast<std::size_t>(box)].caption
                                  : std::string_view{};
}

std::vector<int> ChaosOptions::chaosList() const {
  std::vector<int> list;
  for (std::size_t i = 0; i < kChaosBoxes.size(); ++i) {
    if (!checked[i]) continue;
    const int object = kChaosBoxes[i].object;
    list.push_back(object >= 0 ? object : std::clamp(lastBoxObject, 0, kMaxObjectNumber));
  }
  return list;
}

}  // namespace pyrovel
