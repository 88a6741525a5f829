#include "check/level_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "formats/bd4_record.h"
#include "formats/bdcff.h"
#include "model/json.h"
#include "model/object_catalogue.h"
#include "model/object_properties.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

constexpr LevelRule kRules[] = {
    {"no-player", Severity::Error, "A level with content has no player"},
    {"too-many-players", Severity::Error, "More players than the levelmap's player count"},
    {"no-exit", Severity::Error, "A level with content has no exit"},
    {"too-few-gems", Severity::Error, "More gems needed than the level can ever hold"},
    {"exit-sealed", Severity::Error, "The exit is sealed off from the player"},
    {"gems-sealed", Severity::Error, "The gems needed are sealed off from the player"},
    {"exit-behind-walls", Severity::Warning,
     "The exit lies behind walls only an explosion opens, and nothing explodes"},
    {"several-players", Severity::Warning, "More than one Little Fellow or Fellow2"},
    {"door-without-key", Severity::Warning, "A door without a key of its colour"},
    {"key-without-door", Severity::Warning, "A key without a door of its colour"},
    {"hidden-cells", Severity::Warning, "Objects stored outside the level's width and height"},
    {"target-format", Severity::Warning, "What the test player's format cannot hold"},
    {"no-time", Severity::Warning, "Level time 0"},
};

constexpr int kColours = 6;
constexpr std::size_t kPlayersOffset = 270;  // in the levelmap header
constexpr std::size_t kCells = static_cast<std::size_t>(kGridSide) * kGridSide;

constexpr std::size_t kObjectSlots = 257;  // 0..255, and one for every number beyond

std::size_t objectSlot(Cell c) {
  return c < 256 ? c : 256;
}

// How many cells hold each object.
using ObjectCounts = std::array<std::uint32_t, kObjectSlots>;

// The worth in gems of a set of cells: a sum, or no bound at all.
struct GemWorth {
  long gems = 0;
  bool unbounded = false;
  bool magicWall = false;
  bool feedsMagicWall = false;
  long yams = 0;

  static GemWorth of(const ObjectCounts& counts) {
    GemWorth w;
    for (std::size_t o = 0; o < kObjectSlots; ++o) {
      if (counts[o] == 0) continue;
      const ObjectProperties& p = objectProperties(static_cast<int>(o));
      switch (p.yield) {
        case GemYield::None:
          break;
        case GemYield::Gem:
        case GemYield::Blast:
          w.gems += static_cast<long>(counts[o]) * p.gems;
          break;
        case GemYield::Yam:
          w.yams += counts[o];
          break;
        case GemYield::Unknown:
          w.unbounded = true;
          break;
      }
      w.magicWall = w.magicWall || p.has(kMagicWall);
      w.feedsMagicWall = w.feedsMagicWall || p.has(kFeedsMagicWall);
      w.unbounded = w.unbounded || p.has(kEndlessSource);
    }
    return w;
  }
  // The most it can be worth, or nothing when it has no bound.
  std::optional<long> total(const std::optional<long>& yamWorth, bool yamsFeed) const {
    if (unbounded || (yams > 0 && !yamWorth)) return std::nullopt;
    if (magicWall && (feedsMagicWall || (yams > 0 && yamsFeed))) return std::nullopt;
    return gems + (yams > 0 ? yams * *yamWorth : 0);
  }
};

// What one yam at most leaves: the richest of its eight patterns. A pattern
// holding a yam (which leaves another yam, without end) or an object of
// unknown worth gives no bound.
struct YamContents {
  std::optional<long> worth = 0;
  bool feedsMagicWall = false;
  std::array<bool, kColours> keys{};
  std::array<bool, kColours> doors{};
  bool explodes = false;
};

YamContents yamContents(const LevelHeader& h) {
  YamContents out;
  long richest = 0;
  bool bounded = true;
  for (int k = 0; k < 8; ++k) {
    long worth = 0;
    for (int x = 0; x < 3; ++x) {
      for (int y = 0; y < 3; ++y) {
        const ObjectProperties& p = objectProperties(h.yam(k, x, y));
        if (p.yield == GemYield::Unknown || p.yield == GemYield::Yam || p.has(kEndlessSource)) {
          bounded = false;
        } else {
          worth += p.gems;
        }
        out.feedsMagicWall = out.feedsMagicWall || p.has(kFeedsMagicWall);
        out.explodes = out.explodes || p.has(kExplodes);
        if (p.keyColour >= 0) {
          (p.isKey ? out.keys : out.doors)[static_cast<std::size_t>(p.keyColour)] = true;
        }
      }
    }
    richest = std::max(richest, worth);
  }
  out.worth = bounded ? std::optional<long>(richest) : std::nullopt;
  return out;
}

struct Cellxy {
  int x = -1, y = -1;
  bool found() const { return x >= 0; }
};

// Per object: does a cell of it need a look of its own in the survey
// (players, exits, doors, keys), and does it stop the reach of each kind.
struct CellTables {
  std::array<bool, kObjectSlots> notable{};
  std::array<bool, kObjectSlots> sealsOpen{};    // only what nothing passes
  std::array<bool, kObjectSlots> sealsStrict{};  // that, and walls only explosions open

  CellTables() {
    for (std::size_t o = 0; o < kObjectSlots; ++o) {
      const ObjectProperties& p = objectProperties(static_cast<int>(o));
      notable[o] = p.has(kPlayer) || p.has(kExit) || p.keyColour >= 0;
      sealsOpen[o] = p.has(kIndestructible);
      sealsStrict[o] = p.has(kIndestructible) || p.has(kBlastOnlyWall);
    }
  }
};

const CellTables& cellTables() {
  static const CellTables tables;
  return tables;
}

// A column's cells y = top..bottom.
struct Run {
  int top, bottom;
};

// The cells of each column that do not seal, as runs, for one kind of
// sealing; built a run of equal cells at a time.
struct ColumnRuns {
  std::vector<Run> runs;
  std::vector<int> start;  // the first run of each column, then the end

  void beginColumn() {
    start.push_back(static_cast<int>(runs.size()));
    top_ = -1;
  }
  // Cells from..to - 1 hold one object, which seals or not.
  void cells(int from, bool seals) {
    if (seals) {
      if (top_ >= 0) runs.push_back({top_, from - 1});
      top_ = -1;
    } else if (top_ < 0) {
      top_ = from;
    }
  }
  void endColumn(int height) {
    if (top_ >= 0) runs.push_back({top_, height - 1});
  }
  void finish() { start.push_back(static_cast<int>(runs.size())); }

 private:
  int top_ = -1;
};

// One pass over the level's cells gathers what every rule needs.
struct LevelSurvey {
  int width = 0, height = 0;
  bool content = false;
  int littleFellows = 0, secondPlayers = 0;
  Cellxy extraPlayer, firstSecondPlayer;
  std::vector<Cellxy> players;
  std::vector<Cellxy> exits;
  ObjectCounts counts{};
  std::array<Cellxy, kColours> closedDoor{}, anyDoor{}, key{};
  ColumnRuns open;    // split by what nothing passes
  ColumnRuns strict;  // split by that and by walls only explosions open
};

// A player, exit, door or key at (x, y).
void noteCell(LevelSurvey& s, std::size_t o, int x, int y) {
  const ObjectProperties& p = objectProperties(static_cast<int>(o));
  if (p.has(kPlayer)) {
    int& count = o == obj::LittleFellow ? s.littleFellows : s.secondPlayers;
    if (++count == 2 && !s.extraPlayer.found()) s.extraPlayer = {x, y};
    if (o == obj::Fellow2 && !s.firstSecondPlayer.found()) s.firstSecondPlayer = {x, y};
    s.players.push_back({x, y});
  }
  if (p.has(kExit)) s.exits.push_back({x, y});
  if (p.keyColour >= 0) {
    const auto c = static_cast<std::size_t>(p.keyColour);
    if (p.isKey) {
      if (!s.key[c].found()) s.key[c] = {x, y};
    } else {
      if (!s.anyDoor[c].found()) s.anyDoor[c] = {x, y};
      if (!p.has(kPassable) && !s.closedDoor[c].found()) s.closedDoor[c] = {x, y};
    }
  }
}

LevelSurvey surveyLevel(const Levelmap& map, int slot) {
  LevelSurvey s;
  const LevelHeader& h = map.header(slot);
  s.width = std::min(static_cast<int>(h.width()), kGridSide);
  s.height = std::min(static_cast<int>(h.height()), kGridSide);
  const LevelGrid& grid = map.grid(kGameLayer, slot);
  const CellTables& tables = cellTables();
  for (int x = 0; x < s.width; ++x) {
    const Cell* column = &grid[static_cast<std::size_t>(x * kGridSide)];
    s.open.beginColumn();
    s.strict.beginColumn();
    // A run of equal cells at a time: levels are mostly long runs of dirt
    // or space, and one count per cell would wait on the last.
    for (int top = 0; top < s.height;) {
      const Cell object = column[top];
      int end = top + 1;
      while (end < s.height && column[end] == object) ++end;
      const std::size_t o = objectSlot(object);
      s.counts[o] += static_cast<std::uint32_t>(end - top);
      s.open.cells(top, tables.sealsOpen[o]);
      s.strict.cells(top, tables.sealsStrict[o]);
      if (tables.notable[o]) {
        for (int y = top; y < end; ++y) noteCell(s, o, x, y);
      }
      top = end;
    }
    s.open.endColumn(s.height);
    s.strict.endColumn(s.height);
  }
  s.open.finish();
  s.strict.finish();
  s.content = s.counts[obj::EmptySpace] != static_cast<std::uint32_t>(s.width * s.height);
  return s;
}

bool any(const ObjectCounts& counts, ObjectFlag flag) {
  for (std::size_t o = 0; o < kObjectSlots; ++o) {
    if (counts[o] && objectProperties(static_cast<int>(o)).has(flag)) return true;
  }
  return false;
}

bool anyUnknown(const ObjectCounts& counts) {
  for (std::size_t o = 0; o < kObjectSlots; ++o) {
    if (counts[o] && objectProperties(static_cast<int>(o)).yield == GemYield::Unknown) return true;
  }
  return false;
}

// Which cells reach which: the level's open cells as runs down each column,
// joined into regions. Cells touch eight ways (an explosion reaches the
// diagonal cells too), and the edges join: caves of some games wrap around
// (what leaves at one edge comes in at the other), so only walls seal for
// certain.
class Regions {
 public:
  Regions(const ColumnRuns& columns, int width, int height)
      : width_(width), height_(height), runs_(columns.runs), columnStart_(columns.start) {
    regions_ = static_cast<int>(runs_.size());
    parent_.resize(runs_.size());
    for (std::size_t i = 0; i < parent_.size(); ++i) parent_[i] = static_cast<int>(i);
    for (int x = 0; x < width; ++x) {
      wrapDown(x);
      if (x > 0) joinColumns(x - 1, x);
    }
    if (width > 2) joinColumns(width - 1, 0);
  }

  // How many regions the open cells make.
  int count() const { return regions_; }
  // The region of a cell; -1 for a cell that seals.
  int regionOf(Cellxy c) {
    const int run = runAt(c);
    return run < 0 ? -1 : find(run);
  }

  // Adds the cells of the regions in `regions` to `counts`.
  void countCells(const LevelGrid& grid, const std::vector<int>& regions, ObjectCounts& counts) {
    for (int x = 0; x < width_; ++x) {
      const Cell* column = &grid[static_cast<std::size_t>(x * kGridSide)];
      for (int r = first(x); r < first(x + 1); ++r) {
        if (std::find(regions.begin(), regions.end(), find(r)) == regions.end()) continue;
        const Run& run = runs_[static_cast<std::size_t>(r)];
        for (int y = run.top; y <= run.bottom; ++y) ++counts[objectSlot(column[y])];
      }
    }
  }

 private:
  int first(int x) const { return columnStart_[static_cast<std::size_t>(x)]; }
  const Run& run(int r) const { return runs_[static_cast<std::size_t>(r)]; }

  int runAt(Cellxy c) const {
    for (int r = first(c.x); r < first(c.x + 1); ++r) {
      if (run(r).top <= c.y && c.y <= run(r).bottom) return r;
    }
    return -1;
  }

  int find(int r) {
    while (parent_[static_cast<std::size_t>(r)] != r) {
      int& up = parent_[static_cast<std::size_t>(r)];
      up = parent_[static_cast<std::size_t>(up)];
      r = up;
    }
    return r;
  }
  void join(int a, int b) {
    a = find(a);
    b = find(b);
    if (a == b) return;
    parent_[static_cast<std::size_t>(std::max(a, b))] = std::min(a, b);
    --regions_;
  }

  // A column's top and bottom runs touch through the edge.
  void wrapDown(int x) {
    const int a = first(x), b = first(x + 1) - 1;
    if (a < b && run(a).top == 0 && run(b).bottom == height_ - 1) join(a, b);
  }

  // Runs of neighbouring columns touch when their rows overlap or meet at a
  // corner, through the top and bottom edge too.
  void joinColumns(int left, int right) {
    const int l0 = first(left), l1 = first(left + 1), r0 = first(right), r1 = first(right + 1);
    for (int i = l0, j = r0; i < l1 && j < r1;) {
      if (run(i).top <= run(j).bottom + 1 && run(j).top <= run(i).bottom + 1) join(i, j);
      if (run(i).bottom < run(j).bottom) {
        ++i;
      } else {
        ++j;
      }
    }
    if (l0 < l1 && r0 < r1 && height_ > 2) {
      if (run(l0).top == 0 && run(r1 - 1).bottom == height_ - 1) join(l0, r1 - 1);
      if (run(r0).top == 0 && run(l1 - 1).bottom == height_ - 1) join(r0, l1 - 1);
    }
  }

  int width_, height_;
  int regions_ = 0;
  const std::vector<Run>& runs_;
  const std::vector<int>& columnStart_;
  std::vector<int> parent_;
};

// A BDCFF cave's effects can make gems of anything ("Effect=BOMBEXPLOSIONeffect
// DIAMOND"): a level keeping such a line has no bound on its gems.
bool effectsMakeGems(const KeptLines& lines) {
  bool gems = false;
  lines.forEach([&](std::string_view line) {
    if (!line.starts_with("Effect=")) return;
    const std::size_t space = line.find(' ');
    gems = gems || (space != std::string_view::npos &&
                    line.find("DIAMOND", space) != std::string_view::npos);
  });
  return gems;
}

// The level note of a writer without its "Level N: " (the line names the level).
std::string withoutLevelPrefix(const std::string& note, int slot) {
  const std::string prefix = "Level " + std::to_string(Levelmap::levelNumber(slot)) + ": ";
  return note.starts_with(prefix) ? note.substr(prefix.size()) : note;
}

std::vector<std::string> targetNotes(const Levelmap& map, int slot, CheckTarget target) {
  std::vector<std::string> notes;
  auto take = [&](std::optional<std::string> note) {
    if (note) notes.push_back(std::move(*note));
  };
  switch (target) {
    case CheckTarget::Game:
      break;
    case CheckTarget::Bd4:
    case CheckTarget::EmV4:
    case CheckTarget::EmV6:
      take(cutToEmMapNote(map, slot,
                          target == CheckTarget::Bd4    ? "BD4"
                          : target == CheckTarget::EmV4 ? "Emerald Mine V4"
                                                        : "Emerald Mine V6"));
      take(playerStartNote(map, slot, kGameLayer));
      take(lostObjectsNote(map, slot, kGameLayer));
      break;
    case CheckTarget::Bdcff:
      noteBdcffLevelLosses(map, slot, kGameLayer, bdcffCodeLength(map, slot, slot), notes);
      break;
  }
  return notes;
}

class LevelChecker {
 public:
  LevelChecker(const Levelmap& map, int slot, const CheckOptions& options)
      : map_(map), slot_(slot), options_(options), header_(map.header(slot)) {}

  std::vector<Problem> run() {
    if (map_.isEmptyLevel(slot_)) return {};
    s_ = surveyLevel(map_, slot_);
    effectGems_ = effectsMakeGems(map_.bdcffMemo[static_cast<std::size_t>(slot_)]);
    worth_ = GemWorth::of(s_.counts);
    worth_.unbounded = worth_.unbounded || effectGems_;
    yam_ = worth_.yams > 0 ? yamContents(header_) : YamContents{};
    players();
    exitsAndGems();
    doorsAndKeys();
    hiddenCells();
    if (options_.enabled("target-format")) {
      for (const std::string& note : targetNotes(map_, slot_, options_.target)) {
        add("target-format", {}, std::string(checkTargetKey(options_.target)) + " cannot hold it: " +
                                     withoutLevelPrefix(note, slot_));
      }
    }
    if (header_.levelTime() == 0) add("no-time", {}, "the level time is 0");
    return std::move(problems_);
  }

 private:
  void add(const char* rule, Cellxy at, std::string message) {
    if (!options_.enabled(rule)) return;
    problems_.push_back(
        Problem{rule, findLevelRule(rule)->severity, slot_, at.x, at.y, std::move(message)});
  }

  void players() {
    if (s_.content && s_.players.empty()) {
      add("no-player", {}, "the level has no Little Fellow and no Fellow2");
    }
    // The levelmap's player count (kept from the file; the save recomputes it).
    const int allowed = map_.fileHeader[kPlayersOffset];
    if (allowed == 1 && s_.secondPlayers > 0) {
      add("too-many-players", s_.firstSecondPlayer,
          "a Fellow2, but the levelmap is for one player");
    }
    if (s_.littleFellows > 1 || s_.secondPlayers > 1) {
      add("several-players", s_.extraPlayer,
          std::to_string(s_.littleFellows) + " Little Fellows and " +
              std::to_string(s_.secondPlayers) + " Fellow2s: all of them move together");
    }
  }

  void exitsAndGems() {
    if (s_.content && s_.exits.empty()) add("no-exit", {}, "the level has no exit of any kind");
    const int needed = header_.diamondsToCollect();
    const std::optional<long> all = worth_.total(yam_.worth, yam_.feedsMagicWall);
    if (needed > 0 && all && *all < needed) {
      add("too-few-gems", {},
          std::to_string(needed) + " gems needed, but the level can hold at most " +
              std::to_string(*all));
    }
    if (s_.players.empty()) return;
    const bool wantExit = !s_.exits.empty() && options_.enabled("exit-sealed");
    const bool wantGems = needed > 0 && (!all || *all >= needed) && options_.enabled("gems-sealed");
    const bool wantWalls = !s_.exits.empty() && !yam_.explodes && worth_.yams == 0 &&
                           options_.enabled("exit-behind-walls") && !any(s_.counts, kExplodes) &&
                           !anyUnknown(s_.counts);
    if (!wantExit && !wantGems && !wantWalls) return;
    const LevelGrid& grid = map_.grid(kGameLayer, slot_);
    Regions open(s_.open, s_.width, s_.height);
    std::vector<int> reached;
    for (const Cellxy& p : s_.players) reached.push_back(open.regionOf(p));
    const auto exitIn = [](Regions& regions, const std::vector<Cellxy>& exits,
                           const std::vector<int>& from) {
      return std::any_of(exits.begin(), exits.end(), [&](const Cellxy& e) {
        return std::find(from.begin(), from.end(), regions.regionOf(e)) != from.end();
      });
    };
    const bool exitOpen = exitIn(open, s_.exits, reached);
    if (wantExit && !exitOpen) {
      add("exit-sealed", s_.exits.front(), "the exit is sealed off from the player by solid wall");
    }
    // With one region, the players reach every cell that does not seal, and
    // sealing cells are worth nothing: the reach is the whole level's.
    if (wantGems && open.count() > 1) {
      ObjectCounts near{};
      open.countCells(grid, reached, near);
      GemWorth reach = GemWorth::of(near);
      reach.unbounded = reach.unbounded || effectGems_;
      const std::optional<long> most = reach.total(yam_.worth, yam_.feedsMagicWall);
      if (most && *most < needed) {
        add("gems-sealed", {},
            std::to_string(needed) + " gems needed, but only " + std::to_string(*most) +
                " can be reached; the rest is sealed off by solid wall");
      }
    }
    if (wantWalls && exitOpen) {
      Regions walk(s_.strict, s_.width, s_.height);
      std::vector<int> walked;
      for (const Cellxy& p : s_.players) walked.push_back(walk.regionOf(p));
      if (!exitIn(walk, s_.exits, walked)) {
        add("exit-behind-walls", s_.exits.front(),
            "the exit lies behind walls only an explosion opens, and nothing in the level "
            "explodes");
      }
    }
  }

  void doorsAndKeys() {
    for (int c = 0; c < kColours; ++c) {
      const auto i = static_cast<std::size_t>(c);
      const std::string colour(keyColourName(c));
      if (s_.closedDoor[i].found() && !s_.key[i].found() && !yam_.keys[i]) {
        add("door-without-key", s_.closedDoor[i], "a " + colour + " door, but no " + colour + " key");
      }
      if (s_.key[i].found() && !s_.anyDoor[i].found() && !yam_.doors[i]) {
        add("key-without-door", s_.key[i], "a " + colour + " key, but no " + colour + " door");
      }
    }
  }

  void hiddenCells() {
    if (!options_.enabled("hidden-cells")) return;
    for (int layer : {kGameLayer, kBackgroundLayer}) {
      if (!map_.holdsCells(layer, slot_)) continue;
      const LevelGrid& grid = map_.grid(layer, slot_);
      int count = 0;
      Cellxy first;
      for (int x = 0; x < kGridSide; ++x) {
        const int y0 = x < s_.width ? s_.height : 0;
        for (int y = y0; y < kGridSide; ++y) {
          if (grid[static_cast<std::size_t>(x * kGridSide + y)] == 0) continue;
          if (count++ == 0) first = {x, y};
        }
      }
      if (count > 0) {
        add("hidden-cells", first,
            std::to_string(count) + " cells of the " +
                (layer == kGameLayer ? "game" : "background") + " layer outside the level's " +
                std::to_string(s_.width) + " x " + std::to_string(s_.height) +
                " hold objects");
      }
    }
  }

  const Levelmap& map_;
  int slot_;
  const CheckOptions& options_;
  const LevelHeader& header_;
  LevelSurvey s_;
  GemWorth worth_;
  YamContents yam_;
  bool effectGems_ = false;
  std::vector<Problem> problems_;
};

}  // namespace

std::span<const LevelRule> levelRules() {
  return kRules;
}

const LevelRule* findLevelRule(std::string_view id) {
  for (const LevelRule& r : kRules) {
    if (id == r.id) return &r;
  }
  return nullptr;
}

std::vector<Problem> checkLevel(const Levelmap& map, int slot, const CheckOptions& options) {
  return LevelChecker(map, slot, options).run();
}

std::vector<Problem> checkLevelmap(const Levelmap& map, const CheckOptions& options) {
  std::vector<Problem> out;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    auto level = checkLevel(map, slot, options);
    out.insert(out.end(), std::make_move_iterator(level.begin()),
               std::make_move_iterator(level.end()));
  }
  return out;
}

namespace {
constexpr std::array<std::pair<CheckTarget, const char*>, 5> kTargets{{
    {CheckTarget::Game, "game"},
    {CheckTarget::Bd4, "bd4"},
    {CheckTarget::EmV4, "emv4"},
    {CheckTarget::EmV6, "emv6"},
    {CheckTarget::Bdcff, "bdcff"},
}};
}  // namespace

std::optional<CheckTarget> parseCheckTarget(std::string_view key) {
  for (const auto& [target, name] : kTargets) {
    if (sameTextIgnoringCase(key, name)) return target;
  }
  return std::nullopt;
}

const char* checkTargetKey(CheckTarget target) {
  for (const auto& [t, name] : kTargets) {
    if (t == target) return name;
  }
  return "game";
}

const char* severityName(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

std::set<std::string, std::less<>> parseRuleList(std::string_view text) {
  std::set<std::string, std::less<>> ids;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    std::string_view id = text.substr(0, comma);
    while (!id.empty() && id.front() == ' ') id.remove_prefix(1);
    while (!id.empty() && id.back() == ' ') id.remove_suffix(1);
    if (!id.empty()) ids.emplace(id);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  return ids;
}

std::string ruleListText(const std::set<std::string, std::less<>>& ids) {
  std::string text;
  for (const std::string& id : ids) text += (text.empty() ? "" : ",") + id;
  return text;
}

CheckTarget checkTargetFor(TestTarget target) {
  switch (target) {
    case TestTarget::BD4:
      return CheckTarget::Bd4;
    case TestTarget::Emerald:
      return CheckTarget::EmV6;
    case TestTarget::Boulderflash:
      return CheckTarget::Bdcff;
    default:
      return CheckTarget::Game;
  }
}

CheckOptions checkOptionsFor(const Configuration& config) {
  return CheckOptions{checkTargetFor(config.testTarget), parseRuleList(config.levelChecksOff)};
}

std::string problemLine(std::string_view file, const Problem& p) {
  std::string line = std::string(file) + ": level " + std::to_string(Levelmap::levelNumber(p.slot));
  if (p.hasCell()) line += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  return line + ": " + severityName(p.severity) + " " + p.rule + ": " + p.message;
}

std::string problemJson(std::string_view file, const Problem& p) {
  return "{\"file\":" + jsonString(std::string(file)) +
         ",\"level\":" + std::to_string(Levelmap::levelNumber(p.slot)) +
         ",\"x\":" + (p.hasCell() ? std::to_string(p.x) : "null") +
         ",\"y\":" + (p.hasCell() ? std::to_string(p.y) : "null") + ",\"severity\":\"" +
         severityName(p.severity) + "\",\"rule\":\"" + p.rule +
         "\",\"message\":" + jsonString(p.message) + "}";
}

}  // namespace pyrovel
