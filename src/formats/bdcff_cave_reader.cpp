#include "formats/bdcff_cave_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "formats/bdcff_das_text.h"
#include "formats/bdcff_objects.h"
#include "formats/bdcff_record_keys.h"

namespace pyrovel::bdcff_read {

namespace {

std::string lower(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Appends a line of the cave.
void keep(std::vector<Line>& lines, std::string_view text, std::string_view t, std::size_t number) {
  lines.push_back({text, t, number});
}

}  // namespace

std::string_view firstWord(std::string_view text) {
  const Words w = splitWords(text);
  return w.empty() ? std::string_view{} : w[0];
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

std::pair<std::string_view, std::string_view> keyValue(std::string_view trimmed) {
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos || eq == 0) return {{}, {}};
  return {trimLine(trimmed.substr(0, eq)), trimmed.substr(eq + 1)};
}

std::optional<std::pair<int, int>> sizePair(std::string_view value) {
  const Words w = splitWords(value);
  if (w.size() < 2) return std::nullopt;
  const LooseInt a = w.number(0), b = w.number(1);
  if (!a.whole || !b.whole) return std::nullopt;
  return std::make_pair(a.value, b.value);
}

CaveKey caveKeyOf(std::string_view key) {
  if (key == "Size") return CaveKey::Size;
  if (key == "InitialFill") return CaveKey::InitialFill;
  if (key == "InitialBorder") return CaveKey::InitialBorder;
  if (key == "RandomFill" || key == "RandomFillC64") return CaveKey::RandomFill;
  if (key == "RandSeed" || key == "RandomSeed") return CaveKey::RandSeed;
  return bdcffRecordKeyOf(key) ? CaveKey::Record : CaveKey::Other;
}

CaveReader::CaveReader(const FileContext& ctx, CaveLines& lines, std::size_t caveLine, int ordinal)
    : ctx_(ctx),
      caveLine_(caveLine),
      ordinal_(ordinal),
      memo_(lines.memo),
      mapRows_(lines.mapRows),
      objectLines_(lines.objectLines),
      otherLevels_(lines.otherLevels) {
  memo_.clear();
  mapRows_.clear();
  objectLines_.clear();
  otherLevels_.clear();
}

// The first half of storing the cave in `slot`, once its lines are taken
// (`closed`: ended by [/cave]): checks that it is whole and big enough to
// be a level, and draws its map or its fill into the slot's grid. Returns
// why when the cave is left out; the slot is then untouched.
std::optional<std::string> CaveReader::begin(Levelmap& map, int slot, bool closed) {
  closed_ = closed;
  drawnByMap_ = !mapRows_.empty();
  const bool whole = !mapOpen_ && !objectsOpen_ && (closed_ || mapClosed_ || objectsClosed_);
  if (!whole) {
    std::string why;
    if (mapOpen_) {
      why = "its [map] (from line " + std::to_string(mapLine_) + ") is cut off by the end of the ";
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
    problem(lastLine_,
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
void CaveReader::finish(Levelmap& map, int slot, std::vector<std::string>& notes) {
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

std::string CaveReader::caveName(bool capital) const {
  std::string s = std::string(capital ? "Cave " : "cave ") + std::to_string(ordinal_);
  if (name_.value) s += " \"" + std::string(*name_.value) + "\"";
  return s;
}

// The parts of the line come in registers: a Line the caller has just
// written, read back whole, would wait on its stores.
void CaveReader::take(std::string_view text, std::string_view t, std::size_t number) {
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
    if (t == "[/objects]") {
      objectsOpen_ = false;
      objectsClosed_ = true;
      levelActive_ = true;
    } else if (t.substr(0, 7) == "[Level=" || t.substr(0, 7) == "[level=") {
      levelActive_ = groupHasLevelOne(t.substr(7));
      // A group of the other levels only is kept as it is, for them.
      if (!levelActive_) otherLevels_.push_back(t);
    } else if (t == "[/Level]" || t == "[/level]") {
      if (!levelActive_) otherLevels_.push_back(t);
      levelActive_ = true;
    } else if (!t.empty() && t[0] != ';') {
      if (levelActive_) {
        keep(objectLines_, text, t, number);
      } else {
        otherLevels_.push_back(t);
      }
    }
    return;
  }
  // A [map] or [objects] never lies inside another section: one that
  // comes ends a section left open, whose lines would otherwise swallow
  // the cave's map (and do so again when the kept lines are written back).
  if (!otherSection_.empty() && (t == "[map]" || t == "[objects]")) {
    problem(number, "[" + std::string(otherSection_) + "] is not closed before " + std::string(t));
    otherSection_ = {};
  }
  if (!otherSection_.empty()) {
    memo_.push_back({text, MemoLine::Kind::Kept});
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
    memo_.push_back({text, MemoLine::Kind::Kept});
    return;
  }
  const auto [name, value] = keyValue(t);
  const CaveKey key = caveKeyOf(name);
  if (key == CaveKey::Record) {
    takeKey(*bdcffRecordKeyOf(name), value, number);
    // Kept, when the record does not hold all the line says (commit).
    memo_.push_back({text, MemoLine::Kind::Record});
    return;
  }
  const bool drawing = key != CaveKey::Other && drawingKey(key, value, number);
  memo_.push_back({text, drawing ? MemoLine::Kind::Drawing : MemoLine::Kind::Kept});
}

bool CaveReader::groupHasLevelOne(std::string_view list) {
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

void CaveReader::takeKey(BdcffRecordKey key, std::string_view value, std::size_t line) {
  const auto first = [&] { return readLooseInt(trimLine(value)).value; };
  switch (key) {
    case BdcffRecordKey::Name:
      name_.set(value.substr(0, 1000), line);
      return;
    case BdcffRecordKey::Author:
      author_.set(trimLine(value).substr(0, 1000), line);
      return;
    case BdcffRecordKey::DiamondsRequired:
      diamonds_.set(first(), line);
      return;
    case BdcffRecordKey::CaveTime:
      caveTime_.set(first(), line);
      return;
    case BdcffRecordKey::MagicWallTime:
      magicTime_.set(first(), line);
      return;
    case BdcffRecordKey::DiamondValue: {
      const Words w = splitWords(value);
      diamondValue_.set(w.empty() ? 0 : w.number(0).value, line);
      if (w.size() > 1) extraValue_.set(w.number(1).value, line);
      return;
    }
    case BdcffRecordKey::AmoebaTime:
      amoebaTime_.set(first(), line);
      return;
    case BdcffRecordKey::AmoebaThreshold:
      if (const auto ratio = realNumber(firstWord(value)); !ratio || *ratio < 0) {
        problem(line,
                "AmoebaThreshold " + std::string(firstWord(value)) + " is not a ratio: not taken");
      } else {
        amoebaThreshold_.set(*ratio, line);
      }
      return;
    case BdcffRecordKey::SlimePermeabilityC64:
      slimeC64_.set(first(), line);
      return;
    case BdcffRecordKey::SlimePermeability:
      if (const auto p = realNumber(firstWord(value)); !p || *p < 0 || *p > 1) {
        problem(line, "SlimePermeability " + std::string(firstWord(value)) +
                          " is not a probability: not taken");
      } else {
        slime_.set(*p, line);
      }
      return;
    case BdcffRecordKey::Intermission:
      intermission_.set(isTrue(value), line);
      return;
  }
}

// The keys a drawn cave is made of (kept in the memo only for a map cave).
bool CaveReader::drawingKey(CaveKey key, std::string_view value, std::size_t line) {
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
        problem(line,
                "Size=" + std::string(trimLine(value)) + " cannot be read: the default size used");
      }
      return false;
    default:
      return false;
  }
}

}  // namespace pyrovel::bdcff_read
