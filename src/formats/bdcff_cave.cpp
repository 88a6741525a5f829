#include "formats/bdcff_cave.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "formats/bdcff_das_text.h"
#include "formats/bdcff_elements.h"
#include "formats/bdcff_objects.h"
#include "formats/bdcff_random.h"

namespace pyrovel {

namespace {

constexpr int kPlayer = 2;

struct Line {
  std::string_view text;     // as the file has it
  std::string_view trimmed;  // trimLine(text)
  std::size_t number;        // 1-based line of the file
};

// What the file says outside its caves that the caves use.
struct FileContext {
  std::string file;
  BdcffMapCodes codes;
  std::string gameAuthor;
  int caveWidth = 40, caveHeight = 22;
  int intermissionWidth = 20, intermissionHeight = 12;
};

std::string_view firstWord(std::string_view text) {
  const Words w = splitWords(text);
  return w.empty() ? std::string_view{} : w[0];
}

std::string lower(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool isTrue(std::string_view value) {
  const std::string v = lower(firstWord(value));
  return v == "true" || v == "1" || v == "yes";
}

std::optional<double> realNumber(std::string_view word) {
  double d = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), d);
  if (ec != std::errc{} || end != word.data() + word.size()) return std::nullopt;
  return d;
}

// "Key=value" split at the first '='; an empty key when there is none.
std::pair<std::string_view, std::string_view> keyValue(std::string_view trimmed) {
  const auto eq = findByte(trimmed, '=');
  if (eq == std::string_view::npos || eq == 0) return {{}, {}};
  return {trimLine(trimmed.substr(0, eq)), trimmed.substr(eq + 1)};
}

// Two numbers "w h" (the rest of the line ignored).
std::optional<std::pair<int, int>> sizePair(std::string_view value) {
  const Words w = splitWords(value);
  if (w.size() < 2) return std::nullopt;
  const LooseInt a = w.number(0), b = w.number(1);
  if (!a.whole || !b.whole) return std::nullopt;
  return std::make_pair(a.value, b.value);
}

// The keys of a cave the reader takes; every other key is only kept.
enum class CaveKey {
  Other,
  Name,
  Author,
  DiamondsRequired,
  CaveTime,
  MagicWallTime,
  DiamondValue,
  AmoebaTime,
  AmoebaThreshold,
  SlimePermeabilityC64,
  SlimePermeability,
  Intermission,
  InitialFill,
  InitialBorder,
  RandomFill,  // or RandomFillC64
  RandSeed,    // or RandomSeed
  Size,
};

// Found by length first: every line of every cave is looked up.
CaveKey caveKeyOf(std::string_view key) {
  switch (key.size()) {
    case 4:
      if (key == "Name") return CaveKey::Name;
      if (key == "Size") return CaveKey::Size;
      break;
    case 6:
      if (key == "Author") return CaveKey::Author;
      break;
    case 8:
      if (key == "CaveTime") return CaveKey::CaveTime;
      if (key == "RandSeed") return CaveKey::RandSeed;
      break;
    case 10:
      if (key == "AmoebaTime") return CaveKey::AmoebaTime;
      if (key == "RandomFill") return CaveKey::RandomFill;
      if (key == "RandomSeed") return CaveKey::RandSeed;
      break;
    case 11:
      if (key == "InitialFill") return CaveKey::InitialFill;
      break;
    case 12:
      if (key == "DiamondValue") return CaveKey::DiamondValue;
      if (key == "Intermission") return CaveKey::Intermission;
      break;
    case 13:
      if (key == "MagicWallTime") return CaveKey::MagicWallTime;
      if (key == "InitialBorder") return CaveKey::InitialBorder;
      if (key == "RandomFillC64") return CaveKey::RandomFill;
      break;
    case 15:
      if (key == "AmoebaThreshold") return CaveKey::AmoebaThreshold;
      break;
    case 16:
      if (key == "DiamondsRequired") return CaveKey::DiamondsRequired;
      break;
    case 17:
      if (key == "SlimePermeability") return CaveKey::SlimePermeability;
      break;
    case 20:
      if (key == "SlimePermeabilityC64") return CaveKey::SlimePermeabilityC64;
      break;
    default:
      break;
  }
  return CaveKey::Other;
}

// A value of the cave with the line it came from.
template <typename T>
struct Given {
  std::optional<T> value;
  std::size_t line = 0;
  void set(T v, std::size_t at) {
    value = std::move(v);
    line = at;
  }
};

// A line of the cave kept for its memo.
struct MemoLine {
  std::string_view text;
  bool drawing;  // made the drawn cave: dropped when the cave was drawn
};

// The lines a cave reader sorts, kept from cave to cave of a file: their
// room is made once, not for every cave.
struct CaveLines {
  std::vector<MemoLine> memo;
  std::vector<Line> mapRows, objectLines;
};

// Appends a line part by part. A line built whole is copied in from the
// stack, in loads of sixteen bytes of parts just stored eight bytes at a
// time, and such a load waits until the stores are done.
void keep(std::vector<Line>& lines, std::string_view text, std::string_view t, std::size_t number) {
  Line& line = lines.emplace_back();
  line.text = text;
  line.trimmed = t;
  line.number = number;
}

class CaveReader {
 public:
  CaveReader(const FileContext& ctx, CaveLines& lines, std::size_t caveLine, int ordinal)
      : ctx_(ctx),
        caveLine_(caveLine),
        ordinal_(ordinal),
        memo_(lines.memo),
        mapRows_(lines.mapRows),
        objectLines_(lines.objectLines) {
    memo_.clear();
    mapRows_.clear();
    objectLines_.clear();
  }

  // The first half of storing the cave in `slot`, once its lines are taken
  // (`closed`: ended by [/cave]): checks that it is whole and big enough to
  // be a level, and draws its map or its fill into the slot's grid. Returns
  // why when the cave is left out; the slot is then untouched.
  std::optional<std::string> begin(Levelmap& map, int slot, bool closed) {
    closed_ = closed;
    drawnByMap_ = !mapRows_.empty();
    const bool whole = !mapOpen_ && !objectsOpen_ && (closed_ || mapClosed_ || objectsClosed_);
    if (!whole) {
      std::string why;
      if (mapOpen_) {
        why =
            "its [map] (from line " + std::to_string(mapLine_) + ") is cut off by the end of the ";
      } else if (objectsOpen_) {
        why = "its [objects] (from line " + std::to_string(objectsLine_) +
              ") are cut off by the end of the ";
      } else {
        why = "it is cut off by the end of the ";
      }
      why += closed_ ? "cave" : "file";
      return caveName() + " (" + ctx_.file + " line " + std::to_string(caveLine_) + "): " + why +
             ", so the cave is left out";
    }
    if (!closed_) {
      problem(
          lastLine_,
          "the cave is not closed by [/cave] before the end of the file; read as far as it goes");
    }

    const MapExtent extent = drawnByMap_ ? mapExtent() : MapExtent{};
    const auto [width, height] = drawnByMap_
                                     ? std::make_pair(std::max(static_cast<int>(extent.widest), 1),
                                                      static_cast<int>(extent.rows))
                                     : drawnSize();
    // The editor takes a level under 3 x 3 for an empty slot: such a cave
    // would be read and then silently be nothing.
    if (width < 3 && height < 3) {
      return caveName() + " (" + ctx_.file + " line " + std::to_string(caveLine_) +
             "): " + std::to_string(width) + " x " + std::to_string(height) +
             " cells is no level (one side must be 3 or more), so the cave is left out";
    }
    // The cave is drawn straight into the level's grid (column by column).
    grid_.emplace(width, height, map.grid(map.currentLayer, slot).data(),
                  static_cast<std::size_t>(kGridSide));
    if (drawnByMap_) {
      readMap(*grid_, extent);
    } else {
      startFill(*grid_);
    }
    return std::nullopt;
  }

  // The second half: the border and objects of a drawn cave, the level
  // record and the memo, and the notes.
  void finish(Levelmap& map, int slot, std::vector<std::string>& notes) {
    BdcffGrid& grid = *grid_;
    if (!drawnByMap_) drawBorder(grid);
    for (const Line& l : objectLines_) {
      grid.setLine(l.number);
      const BdcffDrawResult r = applyBdcffObject(grid, l.trimmed);
      if (r.kind != BdcffDrawResult::Kind::Drawn) {
        problem(l.number, std::string(l.trimmed) + ": " + r.detail);
      }
    }
    for (const BdcffGrid::SourceCount& c : grid.groverCounts()) {
      if (c.cells == 0) continue;
      problem(c.line, c.label + " has no object in the game: " + std::to_string(c.cells) +
                          (c.cells == 1 ? " cell" : " cells") + " became Grover");
    }

    commit(map.header(slot), map.bdcffMemo[static_cast<std::size_t>(slot)], grid, drawnByMap_);
    if (problems_.empty()) return;
    const std::string prefix = "Level " + std::to_string(Levelmap::levelNumber(slot)) + " (" +
                               caveName(false) + ", " + ctx_.file + " line ";
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [line, text] : problems_) {
      notes.push_back(prefix + std::to_string(line) + "): " + text);
    }
  }

 private:
  std::string caveName(bool capital = true) const {
    std::string s = std::string(capital ? "Cave " : "cave ") + std::to_string(ordinal_);
    if (name_.value) s += " \"" + std::string(*name_.value) + "\"";
    return s;
  }

  void problem(std::size_t line, std::string text) {
    problems_.emplace_back(line, std::move(text));
  }

  // Sorts one line of the cave into keys, sections and kept lines.
 public:
  // The parts of the line come in registers: a Line the caller has just
  // written, read back whole, would wait on its stores.
  void take(std::string_view text, std::string_view t, std::size_t number) {
    lastLine_ = number;
    if (mapOpen_) {
      if (t == "[/map]") {
        mapOpen_ = false;
        mapClosed_ = true;
      } else {
        keep(mapRows_, text, t, number);
      }
      return;
    }
    if (objectsOpen_) {
      if (!t.empty() && t[0] != '[' && t[0] != ';') {
        // A drawing command: most lines.
        if (levelActive_) keep(objectLines_, text, t, number);
      } else if (t == "[/objects]") {
        objectsOpen_ = false;
        objectsClosed_ = true;
      } else if (t.substr(0, 7) == "[Level=" || t.substr(0, 7) == "[level=") {
        levelActive_ = groupHasLevelOne(t.substr(7));
      } else if (t == "[/Level]" || t == "[/level]") {
        levelActive_ = true;
      } else if (!t.empty() && t[0] != ';' && levelActive_) {
        keep(objectLines_, text, t, number);
      }
      return;
    }
    // A [map] or [objects] never lies inside another section: one that
    // comes ends a section left open, whose lines would otherwise swallow
    // the cave's map (and do so again when the kept lines are written back).
    if (!otherSection_.empty() && (t == "[map]" || t == "[objects]")) {
      problem(number,
              "[" + std::string(otherSection_) + "] is not closed before " + std::string(t));
      otherSection_ = {};
    }
    if (!otherSection_.empty()) {
      memo_.push_back({text, false});
      if (t.size() == otherSection_.size() + 3 && t.substr(0, 2) == "[/" &&
          t.substr(2, otherSection_.size()) == otherSection_) {
        otherSection_ = {};
      }
      return;
    }
    if (t == "[map]") {
      mapOpen_ = true;
      mapLine_ = number;
      mapRows_.clear();
      return;
    }
    if (t == "[objects]") {
      objectsOpen_ = true;
      objectsLine_ = number;
      return;
    }
    if (t.size() > 2 && t.front() == '[' && t.back() == ']' && t[1] != '/') {
      otherSection_ = t.substr(1, t.size() - 2);
      memo_.push_back({text, false});
      return;
    }
    const auto [name, value] = keyValue(t);
    const CaveKey key = caveKeyOf(name);
    if (key != CaveKey::Other && takeKey(key, value, number)) return;
    memo_.push_back({text, key != CaveKey::Other && drawingKey(key, value, number)});
  }

 private:
  static bool groupHasLevelOne(std::string_view list) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const auto cut = rest.find_first_of(", ]");
      const std::string_view item = rest.substr(0, cut);
      if (readLooseInt(item).whole && readLooseInt(item).value == 1) return true;
      if (cut == std::string_view::npos) break;
      rest = rest.substr(cut + 1);
    }
    return false;
  }

  // The keys the level record holds; true when taken.
  bool takeKey(CaveKey key, std::string_view value, std::size_t line) {
    const auto first = [&] { return readLooseInt(trimLine(value)).value; };
    switch (key) {
      case CaveKey::Name:
        name_.set(value.substr(0, 1000), line);
        return true;
      case CaveKey::Author:
        author_.set(trimLine(value).substr(0, 1000), line);
        return true;
      case CaveKey::DiamondsRequired:
        diamonds_.set(first(), line);
        return true;
      case CaveKey::CaveTime:
        caveTime_.set(first(), line);
        return true;
      case CaveKey::MagicWallTime:
        magicTime_.set(first(), line);
        return true;
      case CaveKey::DiamondValue: {
        const Words w = splitWords(value);
        diamondValue_.set(w.empty() ? 0 : w.number(0).value, line);
        if (w.size() > 1) extraValue_.set(w.number(1).value, line);
        return true;
      }
      case CaveKey::AmoebaTime:
        amoebaTime_.set(first(), line);
        return true;
      case CaveKey::AmoebaThreshold:
        if (const auto ratio = realNumber(firstWord(value)); !ratio || *ratio < 0) {
          problem(line, "AmoebaThreshold " + std::string(firstWord(value)) +
                            " is not a ratio: not taken");
        } else {
          amoebaThreshold_.set(*ratio, line);
        }
        return true;
      case CaveKey::SlimePermeabilityC64:
        slimeC64_.set(first(), line);
        return true;
      case CaveKey::SlimePermeability:
        if (const auto p = realNumber(firstWord(value)); !p || *p < 0 || *p > 1) {
          problem(line, "SlimePermeability " + std::string(firstWord(value)) +
                            " is not a probability: not taken");
        } else {
          slime_.set(*p, line);
        }
        return true;
      case CaveKey::Intermission:
        intermission_.set(isTrue(value), line);
        return true;
      default:
        return false;
    }
  }

  // The keys a drawn cave is made of (kept in the memo only for a map cave).
  bool drawingKey(CaveKey key, std::string_view value, std::size_t line) {
    switch (key) {
      case CaveKey::InitialFill:
        initialFill_.set(firstWord(value), line);
        return true;
      case CaveKey::InitialBorder:
        border_.set(firstWord(value), line);
        return true;
      case CaveKey::RandomFill:
        randomFill_.set(value, line);
        return true;
      case CaveKey::RandSeed:
        seed_.set(readLooseInt(trimLine(value)).value, line);
        return true;
      case CaveKey::Size:
        if (const auto wh = sizePair(value)) {
          size_.set(*wh, line);
        } else {
          problem(line, "Size=" + std::string(trimLine(value)) +
                            " cannot be read: the default size used");
        }
        return false;
      default:
        return false;
    }
  }

  // The cave's size from Size or the defaults, within 1..128.
  std::pair<int, int> drawnSize() {
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
  void startFill(BdcffGrid& grid) {
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
    if (!grid.withoutSources()) {
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

  void drawBorder(BdcffGrid& grid) {
    const int w = grid.width(), h = grid.height();
    grid.setLine(border_.line);
    const BdcffGrid::Paint border = grid.paintFor(border_.value.value_or("STEELWALL"));
    grid.fill(0, 0, w - 1, 0, border);
    grid.fill(0, h - 1, w - 1, h - 1, border);
    grid.fill(0, 0, 0, h - 1, border);
    grid.fill(w - 1, 0, w - 1, h - 1, border);
  }

  // What the rows of a [map] measure, read once before the grid is made.
  struct MapExtent {
    std::size_t rows = 0;       // at most 128
    std::size_t widest = 0;     // codes of the widest row, at most 128
    std::size_t narrowest = 0;  // codes of the narrowest row
    bool cut = false;           // rows or codes beyond 128 left out
  };
  MapExtent mapExtent() const {
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
  void readMap(BdcffGrid& grid, const MapExtent& extent) {
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
          paint.source = seen->second;
        } else {
          const BdcffMapCodes::Lookup found = ctx_.codes.lookup(code);
          grid.setLine(mapRows_[r].number);
          std::string label = "map code '" + std::string(code) + "'";
          if (!found.element.empty()) label += " (" + std::string(found.element) + ")";
          paint.source = grid.sourceFor(label);
          unknown.emplace_back(key, paint.source);
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

  // A value into a record field of `max`; a value outside is noted and
  // stored as the field keeps it (its low bits).
  int fit(std::string_view key, int value, int max, std::size_t line) {
    if (value < 0 || value > max) {
      const int kept = value & max;
      problem(line, std::string(key) + " " + std::to_string(value) +
                        " does not fit the level record (0.." + std::to_string(max) +
                        "): " + std::to_string(kept) + " kept");
      return kept;
    }
    return value;
  }

  void commit(LevelHeader& h, KeptLines& memo, const BdcffGrid& grid, bool drawnByMap) {
    const int w = grid.width(), hh = grid.height();
    h.setWidth(w);
    h.setHeight(hh);
    // The last Little Fellow row by row is the player, as in the map reader:
    // the lowest row holding one, and the rightmost in it. The cells are
    // visited column by column, left to right.
    int playerX = -1, playerY = -1;
    grid.forEachHolding(kPlayer, [&](int x, int y) {
      if (y < playerY) return;
      playerX = x;
      playerY = y;
    });
    if (playerY >= 0) {
      h.setPlayerX(playerX);
      h.setPlayerY(playerY);
    }

    if (name_.value) h.setTitle(*name_.value);
    const std::string_view author = author_.value ? *author_.value : ctx_.gameAuthor;
    if (!author.empty()) h.setAuthor(author);
    if (diamonds_.value) {
      int needed = *diamonds_.value;
      if (needed < 0) {
        static const int diamond = bdcffElementObject("DIAMOND").value_or(kBdcffGrover);
        int diamonds = 0;
        for (int x = 0; x < w; ++x) {
          for (int y = 0; y < hh; ++y) diamonds += grid.at(x, y) == diamond;
        }
        needed = std::max(0, diamonds + needed);
      }
      h.setDiamondsNeeded(fit("DiamondsRequired", needed, 0xFFFF, diamonds_.line));
    }
    if (caveTime_.value) h.setLevelTime(fit("CaveTime", *caveTime_.value, 0xFF, caveTime_.line));
    if (magicTime_.value) {
      h.setMagicTime(fit("MagicWallTime", *magicTime_.value, 0xFFFF, magicTime_.line));
    }
    if (diamondValue_.value) {
      h.setEmeraldScore(fit("DiamondValue", *diamondValue_.value, 0xFF, diamondValue_.line));
    }
    if (extraValue_.value) {
      h.setDiamondScore(fit("DiamondValue (extra)", *extraValue_.value, 0xFF, extraValue_.line));
    }
    if (amoebaTime_.value) {
      h.setAmoebaBrake(fit("AmoebaTime", *amoebaTime_.value, 0xFF, amoebaTime_.line));
    }
    if (amoebaThreshold_.value) {
      // A ratio of the cave's cells; the record holds whole percent.
      double ratio = *amoebaThreshold_.value;
      if (ratio > 1) {
        problem(amoebaThreshold_.line,
                "AmoebaThreshold is a ratio of the cave's cells, at most 1: "
                "100 % taken");
        ratio = 1;
      }
      int percent = static_cast<int>(std::lround(ratio * 100));
      if (percent == 0 && ratio > 0) percent = 1;
      h.setMaxAmoeba(percent);
    }
    if (slimeC64_.value) {
      h.setSlimePermeability(fit("SlimePermeabilityC64", *slimeC64_.value, 0xFF, slimeC64_.line));
    } else if (slime_.value) {
      // The C64 engine lets slime through when (random & value) is 0: a
      // value of k low bits set passes one time in 2^k.
      const double p = *slime_.value;
      const int bits = p <= 0 ? 8 : std::clamp(static_cast<int>(std::lround(-std::log2(p))), 0, 8);
      h.setSlimePermeability((1 << bits) - 1);
    }
    if (intermission_.value) h.setIntermission(*intermission_.value ? 255 : 0);

    memo.clear();
    std::size_t bytes = 0;
    for (const MemoLine& m : memo_) bytes += m.text.size() + 1;
    memo.reserve(bytes);
    for (const MemoLine& m : memo_) {
      if (m.drawing && !drawnByMap) continue;
      memo.append(m.text);
    }
  }

  const FileContext& ctx_;
  std::size_t caveLine_;
  int ordinal_;
  bool closed_ = false;
  std::size_t lastLine_ = caveLine_;  // the last line taken

  std::string_view otherSection_;  // inside [demo] and the like: kept as it is
  bool levelActive_ = true;        // inside [objects]: the lines are for level 1

  std::vector<MemoLine>& memo_;
  std::vector<Line>& mapRows_;
  std::vector<Line>& objectLines_;
  bool drawnByMap_ = false;
  std::optional<BdcffGrid> grid_;
  bool mapOpen_ = false, mapClosed_ = false, objectsOpen_ = false, objectsClosed_ = false;
  std::size_t mapLine_ = 0, objectsLine_ = 0;

  // Views into the file's text, which outlives the reader.
  Given<std::string_view> name_, author_, initialFill_, border_, randomFill_;
  Given<int> diamonds_, caveTime_, magicTime_, diamondValue_, extraValue_, amoebaTime_, slimeC64_,
      seed_;
  Given<double> amoebaThreshold_, slime_;
  Given<bool> intermission_;
  Given<std::pair<int, int>> size_;
  std::vector<std::pair<std::size_t, std::string>> problems_;
};

}  // namespace

BdcffLevelsetRead readBdcffLevelset(std::string_view text, const std::string& file, Levelmap& map,
                                    int firstSlot, std::vector<std::string>& notes,
                                    const std::function<void(int slot)>& progress) {
  FileContext ctx;
  ctx.file = file;
  BdcffLevelsetRead read;
  read.nextSlot = firstSlot;
  int ordinal = 0, leftForRoom = 0;
  bool authorSeen = false;
  // The cave being read, its lines taken as they come; none when there is
  // no slot left for it.
  CaveLines caveLines;
  std::optional<CaveReader> current;
  const auto takeCave = [&](bool closed) {
    if (!current) {
      ++leftForRoom;
      return;
    }
    if (const std::optional<std::string> leftOut = current->begin(map, read.nextSlot, closed)) {
      notes.push_back(*leftOut);
    } else {
      const int slot = read.nextSlot++;
      current->finish(map, slot, notes);
      ++read.caves;
      if (progress) progress(slot);
    }
    current.reset();
  };

  enum class Section { Top, MapCodes, Cave };
  Section in = Section::Top;
  std::size_t number = 0;
  forEachLine(text, [&](std::string_view raw) {
    const Line line{raw, trimLine(raw), ++number};
    const std::string_view t = line.trimmed;
    if (in == Section::MapCodes) {
      if (t == "[/mapcodes]") {
        in = Section::Top;
      } else {
        ctx.codes.readLine(raw);
      }
      return;
    }
    if (in == Section::Cave) {
      if (t == "[/cave]") {
        takeCave(true);
        in = Section::Top;
      } else if (current) {
        current->take(line.text, line.trimmed, line.number);
      }
      return;
    }
    if (t == "[mapcodes]") {
      in = Section::MapCodes;
      return;
    }
    if (t == "[cave]") {
      in = Section::Cave;
      ++ordinal;
      if (read.nextSlot <= kLastSlot) current.emplace(ctx, caveLines, line.number, ordinal);
      return;
    }
    const auto [key, value] = keyValue(t);
    if (key == "Author" && !authorSeen) {
      // The game's author is for the caves after the line.
      ctx.gameAuthor = std::string(trimLine(value));
      authorSeen = true;
    } else if (key == "CaveSize" || key == "IntermissionSize") {
      if (const auto wh = sizePair(value); wh && wh->first > 0 && wh->second > 0) {
        const int w = std::min(wh->first, kMaxLevelSide), h = std::min(wh->second, kMaxLevelSide);
        if (key == "CaveSize") {
          ctx.caveWidth = w;
          ctx.caveHeight = h;
        } else {
          ctx.intermissionWidth = w;
          ctx.intermissionHeight = h;
        }
      }
    }
  });
  if (in == Section::Cave) takeCave(false);
  if (leftForRoom > 0) {
    notes.push_back(file + ": " + std::to_string(ordinal) + " caves; the first " +
                    std::to_string(read.caves) + " were read into levels " +
                    std::to_string(Levelmap::levelNumber(firstSlot)) + " to " +
                    std::to_string(Levelmap::levelNumber(kLastSlot)) + ", " +
                    std::to_string(leftForRoom) + " more did not fit and are left out");
  }
  return read;
}

}  // namespace pyrovel
