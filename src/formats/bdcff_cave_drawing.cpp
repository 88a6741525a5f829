// A BDCFF cave drawn into its level grid: its size, its [map], or its
// initial fill, random fill and border before the [objects].
#include <algorithm>
#include <array>
#include <cstdint>

#include "formats/bdcff_cave_reader.h"
#include "formats/bdcff_das_text.h"
#include "formats/bdcff_random.h"

namespace pyrovel::bdcff_read {

// The cave's size from Size or the defaults, within 1..128.
std::pair<int, int> CaveReader::drawnSize() {
  const bool intermission = intermission_.value.value_or(false);
  std::pair<int, int> wh = intermission
                               ? std::make_pair(ctx_.intermissionWidth, ctx_.intermissionHeight)
                               : std::make_pair(ctx_.caveWidth, ctx_.caveHeight);
  if (size_.value) {
    auto [w, h] = *size_.value;
    if (w < 1 || h < 1) {
      problem(size_.line, "Size " + std::to_string(w) + " x " + std::to_string(h) +
                              " is no cave: the default size used");
    } else {
      if (w > kMaxLevelSide || h > kMaxLevelSide) {
        problem(size_.line, "Size " + std::to_string(w) + " x " + std::to_string(h) +
                                " is larger than a level (128 x 128): cut to " +
                                std::to_string(std::min(w, kMaxLevelSide)) + " x " +
                                std::to_string(std::min(h, kMaxLevelSide)));
      }
      wh = {std::min(w, kMaxLevelSide), std::min(h, kMaxLevelSide)};
    }
  }
  return wh;
}

// The initial fill of a cave drawn by objects, or the random fill over
// it: cell by cell when some cells need their source kept, else straight
// from the generator's laid-out values (c64RandomFillColumns).
void CaveReader::startFill(BdcffGrid& grid) {
  grid.setLine(initialFill_.line);
  const BdcffGrid::Paint fill = grid.paintFor(initialFill_.value.value_or("DIRT"));
  // A random fill gives every cell inside the border a value of its own,
  // so the initial fill is seen only without one.
  if (!randomFill_.value) {
    grid.fill(0, 0, grid.width() - 1, grid.height() - 1, fill);
    return;
  }
  grid.setLine(randomFill_.line);
  const Words items = splitWords(*randomFill_.value);
  std::array<BdcffGrid::Paint, 5> paints{fill};
  std::array<RandomFillEntry, 4> entries{};
  std::size_t n = 0;
  for (std::size_t i = 0; i + 1 < items.size() && n < entries.size(); i += 2, ++n) {
    const LooseInt p = items.number(i + 1);
    int probability = p.value;
    if (!p.whole || probability < 0 || probability > 255) {
      probability = std::clamp(p.whole ? p.value : 0, 0, 255);
      problem(randomFill_.line, "RandomFill probability " + std::string(items[i + 1]) +
                                    " is not 0..255: " + std::to_string(probability) + " used");
    }
    paints[n + 1] = grid.paintFor(items[i]);
    entries[n] = {static_cast<int>(n + 1), probability};
  }
  if (items.size() % 2 != 0 || items.size() > 8) {
    problem(randomFill_.line,
            "RandomFill takes up to four pairs of element and probability: "
            "the pairs read are used");
  }
  int seed = seed_.value.value_or(0);
  if (seed < 0 || seed > 255) {
    problem(seed_.line,
            "RandSeed " + std::to_string(seed) +
                (seed < 0 ? " asks for a new fill at each play: seed 0 used"
                          : " is more than a byte: " + std::to_string(seed & 0xFF) + " used"));
    seed = seed < 0 ? 0 : seed & 0xFF;
  }
  if (!grid.withoutGrover()) {
    c64RandomFill(grid.width(), grid.height(), seed, 0, entries, [&](int x, int y, int which) {
      grid.set(grid.index(x, y), paints[static_cast<std::size_t>(which)]);
    });
    return;
  }
  // Every name had an object: the fill is plain objects.
  RandomFillColumns job;
  job.width = grid.width();
  job.height = grid.height();
  job.seed = seed;
  for (RandomFillEntry& e : entries) e.object = paints[static_cast<std::size_t>(e.object)].object;
  const std::array<Cell, 256> pick = randomFillPick(fill.object, entries);
  job.pick = pick.data();
  job.cells = grid.column(0);
  job.step = grid.index(1, 0);
  c64RandomFillColumns(job);
}

void CaveReader::drawBorder(BdcffGrid& grid) {
  const int w = grid.width(), h = grid.height();
  grid.setLine(border_.line);
  const BdcffGrid::Paint border = grid.paintFor(border_.value.value_or("STEELWALL"));
  grid.fill(0, 0, w - 1, 0, border);
  grid.fill(0, h - 1, w - 1, h - 1, border);
  grid.fill(0, 0, 0, h - 1, border);
  grid.fill(w - 1, 0, w - 1, h - 1, border);
}

CaveReader::MapExtent CaveReader::mapExtent() const {
  const auto length = static_cast<std::size_t>(ctx_.codes.length());
  MapExtent e;
  e.rows = std::min(mapRows_.size(), static_cast<std::size_t>(kMaxLevelSide));
  e.cut = mapRows_.size() > e.rows;
  e.narrowest = e.rows > 0 ? SIZE_MAX : 0;
  for (std::size_t r = 0; r < e.rows; ++r) {
    const std::size_t codes = mapRows_[r].text.size() / length;
    e.widest = std::max(e.widest, codes);
    e.narrowest = std::min(e.narrowest, codes);
  }
  if (e.widest > static_cast<std::size_t>(kMaxLevelSide)) {
    e.widest = kMaxLevelSide;
    e.cut = true;
  }
  return e;
}

// The rows of a [map] through the file's map codes, into a grid of the
// extent's size.
void CaveReader::readMap(BdcffGrid& grid, const MapExtent& extent) {
  const auto length = static_cast<std::size_t>(ctx_.codes.length());
  const std::size_t rows = extent.rows, widest = extent.widest;
  // Short rows end in Space.
  grid.fill(0, 0, grid.width() - 1, grid.height() - 1, {});
  // The codes without an object met so far (their one or two bytes), with
  // the source they stand for.
  std::vector<std::pair<unsigned, int>> unknown;
  const auto keyOf = [](std::string_view code) {
    unsigned key = 0;
    for (const char c : code) key = key * 256 + static_cast<unsigned char>(c);
    return key;
  };
  std::array<std::int32_t, kMaxLevelSide> decoded{};
  const std::size_t step = grid.index(1, 0);
  for (std::size_t r = 0; r < rows; ++r) {
    const std::string_view row = mapRows_[r].text;
    const std::size_t codes = std::min(row.size() / length, widest);
    const int y = static_cast<int>(r);
    const std::size_t groverCodes = ctx_.codes.decodeRow(row, codes, decoded.data());
    Cell* cell = grid.column(0) + y;
    for (std::size_t i = 0; i < codes; ++i) cell[i * step] = static_cast<Cell>(decoded[i]);
    if (groverCodes == 0) continue;
    for (std::size_t i = 0; i < codes; ++i) {
      if (decoded[i] != kBdcffGrover) continue;
      const std::string_view code = row.substr(i * length, length);
      const unsigned key = keyOf(code);
      BdcffGrid::Paint paint{kBdcffGrover, -1};
      const auto seen = std::find_if(unknown.begin(), unknown.end(),
                                     [&](const auto& u) { return u.first == key; });
      if (seen != unknown.end()) {
        paint.element = seen->second;
      } else {
        const BdcffMapCodes::Lookup found = ctx_.codes.lookup(code);
        grid.setLine(mapRows_[r].number);
        std::string label = "map code '" + std::string(code) + "'";
        if (!found.element.empty()) label += " (" + std::string(found.element) + ")";
        paint.element = grid.sourceFor(label);
        unknown.emplace_back(key, paint.element);
      }
      grid.set(grid.index(static_cast<int>(i), y), paint);
    }
  }
  if (extent.cut) {
    problem(mapLine_, "BDCFF map larger than 128 x 128 cells, cut to 128");
  }
  if (extent.narrowest < widest) {
    problem(mapLine_, "the rows of the map differ in length: the short ones end in Space");
  }
}

}  // namespace pyrovel::bdcff_read
