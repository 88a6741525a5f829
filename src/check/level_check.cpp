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

// The worth in gems of a set of cells: a sum, or no bound at all.
struct GemWorth {
  long gems = 0;
  bool unbounded = false;
  bool magicWall = false;
  bool feedsMagicWall = false;
  int yams = 0;

  void add(int object) {
    const ObjectProperties& p = objectProperties(object);
    switch (p.yield) {
      case GemYield::None:
        break;
      case GemYield::Gem:
      case GemYield::Blast:
        gems += p.gems;
        break;
      case GemYield::Yam:
        ++yams;
        break;
      case GemYield::Unknown:
        unbounded = true;
        break;
    }
    magicWall = magicWall || p.has(kMagicWall);
    feedsMagicWall = feedsMagicWall || p.has(kFeedsMagicWall);
    unbounded = unbounded || p.has(kEndlessSource);
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

// One pass over the level's cells gathers what every rule needs.
struct LevelSurvey {
  int width = 0, height = 0;
  bool content = false;
  int littleFellows = 0, secondPlayers = 0;
  Cellxy extraPlayer, firstSecondPlayer;
  std::vector<int> players;  // cell indices x * 129 + y
  std::vector<int> exits;
  GemWorth worth;
  bool explodes = false;
  bool unsure = false;  // an object the table does not know
  std::array<Cellxy, kColours> closedDoor{}, anyDoor{}, key{};
};

LevelSurvey surveyLevel(const Levelmap& map, int slot) {
  LevelSurvey s;
  const LevelHeader& h = map.header(slot);
  s.width = std::min(static_cast<int>(h.width()), kGridSide);
  s.height = std::min(static_cast<int>(h.height()), kGridSide);
  const LevelGrid& grid = map.grid(kGameLayer, slot);
  for (int x = 0; x < s.width; ++x) {
    const Cell* column = &grid[static_cast<std::size_t>(x * kGridSide)];
    for (int y = 0; y < s.height; ++y) {
      const int object = column[y];
      if (object == obj::EmptySpace) continue;
      s.content = true;
      const ObjectProperties& p = objectProperties(object);
      s.worth.add(object);
      if (p.flags == 0 && p.yield == GemYield::None && p.keyColour < 0) continue;
      s.explodes = s.explodes || p.has(kExplodes);
      s.unsure = s.unsure || p.yield == GemYield::Unknown;
      if (p.has(kPlayer)) {
        int& count = object == obj::LittleFellow ? s.littleFellows : s.secondPlayers;
        if (++count == 2 && !s.extraPlayer.found()) s.extraPlayer = {x, y};
        if (object == obj::Fellow2 && !s.firstSecondPlayer.found()) s.firstSecondPlayer = {x, y};
        s.players.push_back(x * kGridSide + y);
      }
      if (p.has(kExit)) s.exits.push_back(x * kGridSide + y);
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
  }
  return s;
}

// The cells reachable from the players, eight ways (an explosion reaches
// the diagonal cells too), through every cell whose object lacks `blocking`.
// The edges join: caves of some games wrap around (what leaves at one edge
// comes in at the other), so only walls seal for certain.
std::vector<std::uint8_t> reachable(const Levelmap& map, int slot, const LevelSurvey& s,
                                    std::uint32_t blocking) {
  std::vector<std::uint8_t> seen(kCells, 0);
  std::vector<int> queue(s.players);
  const LevelGrid& grid = map.grid(kGameLayer, slot);
  for (int i : queue) seen[static_cast<std::size_t>(i)] = 1;
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int x0 = queue[head] / kGridSide, y0 = queue[head] % kGridSide;
    for (int dx = -1; dx <= 1; ++dx) {
      const int x = (x0 + dx + s.width) % s.width;
      for (int dy = -1; dy <= 1; ++dy) {
        const int y = (y0 + dy + s.height) % s.height;
        const auto i = static_cast<std::size_t>(x * kGridSide + y);
        if (seen[i] || (objectProperties(grid[i]).flags & blocking) != 0) continue;
        seen[i] = 1;
        queue.push_back(static_cast<int>(i));
      }
    }
  }
  return seen;
}

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

bool reachesAny(const std::vector<std::uint8_t>& seen, const std::vector<int>& cells) {
  return std::any_of(cells.begin(), cells.end(),
                     [&](int i) { return seen[static_cast<std::size_t>(i)] != 0; });
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
    s_.worth.unbounded = s_.worth.unbounded || effectGems_;
    yam_ = s_.worth.yams > 0 ? yamContents(header_) : YamContents{};
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
  static Cellxy cellOf(int index) { return {index / kGridSide, index % kGridSide}; }

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
    const std::optional<long> all = s_.worth.total(yam_.worth, yam_.feedsMagicWall);
    if (needed > 0 && all && *all < needed) {
      add("too-few-gems", {},
          std::to_string(needed) + " gems needed, but the level can hold at most " +
              std::to_string(*all));
    }
    if (s_.players.empty()) return;
    const bool wantExit = !s_.exits.empty() && options_.enabled("exit-sealed");
    const bool wantGems = needed > 0 && (!all || *all >= needed) && options_.enabled("gems-sealed");
    const bool wantWalls = !s_.exits.empty() && !s_.explodes && !s_.unsure && !yam_.explodes &&
                           s_.worth.yams == 0 && options_.enabled("exit-behind-walls");
    if (!wantExit && !wantGems && !wantWalls) return;
    const auto open = reachable(map_, slot_, s_, kIndestructible);
    const bool exitOpen = reachesAny(open, s_.exits);
    if (wantExit && !exitOpen) {
      add("exit-sealed", cellOf(s_.exits.front()),
          "the exit is sealed off from the player by solid wall or the level's edge");
    }
    if (wantGems) {
      GemWorth near;
      near.unbounded = effectGems_;
      const LevelGrid& grid = map_.grid(kGameLayer, slot_);
      for (std::size_t i = 0; i < kCells; ++i) {
        if (open[i]) near.add(grid[i]);
      }
      const std::optional<long> reach = near.total(yam_.worth, yam_.feedsMagicWall);
      if (reach && *reach < needed) {
        add("gems-sealed", {},
            std::to_string(needed) + " gems needed, but only " + std::to_string(*reach) +
                " can be reached; the rest is sealed off by solid wall or the level's edge");
      }
    }
    if (wantWalls && exitOpen) {
      const auto walk = reachable(map_, slot_, s_, kIndestructible | kBlastOnlyWall);
      if (!reachesAny(walk, s_.exits)) {
        add("exit-behind-walls", cellOf(s_.exits.front()),
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
