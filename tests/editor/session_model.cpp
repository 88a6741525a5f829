#include "editor/session_model.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "model/file_io.h"

namespace pyrovel::session_model {

// --- a level as values -------------------------------------------------------------------------

Level Level::of(const Levelmap& map, int slot) {
  Level l;
  l.header = map.header(slot);
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    if (map.holdsCells(layer, slot)) {
      l.grids[layer] = std::make_shared<const LevelGrid>(map.grid(layer, slot));
    }
  }
  l.memo = map.bdcffMemo[static_cast<std::size_t>(slot)];
  return l;
}

Level Level::empty() {
  Level l;
  l.header.setWidth(1);
  l.header.setHeight(1);
  return l;
}

Cell Level::cell(int layer, int x, int y) const {
  const auto& g = grids[layer];
  return g ? (*g)[static_cast<std::size_t>(x * kGridSide + y)] : Cell{0};
}

void Level::setCell(int layer, int x, int y, Cell value) {
  auto g = grids[layer] ? std::make_shared<LevelGrid>(*grids[layer]) : std::make_shared<LevelGrid>();
  if (!grids[layer]) g->fill(0);
  (*g)[static_cast<std::size_t>(x * kGridSide + y)] = value;
  grids[layer] = std::move(g);
}

namespace {
bool sameGrid(const std::shared_ptr<const LevelGrid>& a, const LevelGrid& b) {
  if (a) return *a == b;
  return std::all_of(b.begin(), b.end(), [](Cell c) { return c == 0; });
}
bool sameGrids(const std::shared_ptr<const LevelGrid>& a, const std::shared_ptr<const LevelGrid>& b) {
  if (a && b) return a == b || *a == *b;
  const auto& held = a ? a : b;
  return !held || std::all_of(held->begin(), held->end(), [](Cell c) { return c == 0; });
}
}  // namespace

bool Level::sameAs(const Levelmap& map, int slot) const {
  if (header.bytes != map.header(slot).bytes) return false;
  if (memo != map.bdcffMemo[static_cast<std::size_t>(slot)]) return false;
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    if (!sameGrid(grids[layer], map.grid(layer, slot))) return false;
  }
  return true;
}

void Level::takeChanges(const Level& from, const Level& to) {
  for (std::size_t i = 0; i < header.bytes.size(); ++i) {
    if (from.header.bytes[i] != to.header.bytes[i]) header.bytes[i] = to.header.bytes[i];
  }
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    for (int x = 0; x < kGridSide; ++x) {
      for (int y = 0; y < kGridSide; ++y) {
        const Cell a = from.cell(layer, x, y), b = to.cell(layer, x, y);
        if (a != b) setCell(layer, x, y, b);
      }
    }
  }
  if (from.memo != to.memo) memo = to.memo;
}

bool Level::operator==(const Level& o) const {
  return header.bytes == o.header.bytes && memo == o.memo && sameGrids(grids[0], o.grids[0]) &&
         sameGrids(grids[1], o.grids[1]);
}

bool Level::holdsAnything(int slot) const {
  for (const auto& g : grids) {
    if (g && std::any_of(g->begin(), g->end(), [](Cell c) { return c != 0; })) return true;
  }
  if (!memo.empty()) return true;
  const std::string title = header.title();
  if (!title.empty() && title != "Empty" && title != "Level " + std::to_string(slot - 1)) {
    return true;
  }
  LevelHeader h = header;
  std::fill_n(h.bytes.begin() + LevelHeader::oTitle, LevelHeader::kTitleLen + 1, 0);
  if (h.width() <= 3) h.setWidth(0);
  if (h.height() <= 3) h.setHeight(0);
  return std::any_of(h.bytes.begin(), h.bytes.end(), [](std::uint8_t b) { return b != 0; });
}

bool sameWork(Level a, Level b, int slot) {
  for (Level* l : {&a, &b}) {
    LevelHeader& h = l->header;
    if (h.width() < 3) h.setWidth(3);
    if (h.height() < 3) h.setHeight(3);
    // "Level n" of any n: an imported level brings its file's own default.
    const std::string title = h.title();
    const bool numbered = title.rfind("Level ", 0) == 0 && title.size() > 6 &&
                          title.find_first_not_of("0123456789", 6) == std::string::npos;
    // (and an empty level's title gives way to "Empty" at the next refresh).
    const bool emptyLevel = h.width() <= 3 && h.height() <= 3;
    if (title.empty() || title == "Empty" || numbered || emptyLevel) {
      std::fill_n(h.bytes.begin() + LevelHeader::oTitle, LevelHeader::kTitleLen + 1, 0);
    }
  }
  (void)slot;
  return a == b;
}

// --- the model's levelmap ---------------------------------------------------------------------

Model::Model() : levels(kSlotCount) {
  for (ModelLevel& l : levels) l.level = Level::empty();
}

void Model::show(int slot) {
  current = slot;
  LevelHeader& h = at(slot).header;
  if (h.width() < 3) h.setWidth(3);
  if (h.height() < 3) h.setHeight(3);
}

void Model::updateLevelList() {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = at(slot).header;
    if (h.title().empty()) h.setTitle("Level " + std::to_string(slot - 1));
    if (h.width() <= 3 && h.height() <= 3) h.setTitle("Empty");
  }
}

void Model::push(int slot, Step step) {
  ModelLevel& l = levels[static_cast<std::size_t>(slot)];
  l.redo.clear();
  l.undo.push_back(std::move(step));
  while (static_cast<int>(l.undo.size()) > undoLimit) l.undo.pop_front();
}

void Model::change(int slot, const std::string& name, const std::function<void(Level&)>& edit) {
  Level before = at(slot);
  edit(at(slot));
  if (at(slot) == before) return;
  Step step;
  step.name = name;
  step.before = std::move(before);
  step.after = at(slot);
  push(slot, std::move(step));
}

void Model::adopt(int slot, const std::string& name, const Level& before, const Level& after) {
  Step step;
  step.name = name;
  step.before = before;
  step.after = after;
  at(slot) = after;
  push(slot, std::move(step));
}

void Model::shiftOut(int slot, ModelLevel& held) {
  std::swap(levels[static_cast<std::size_t>(slot)], held);
  for (int s = slot; s < kLastSlot; ++s) {
    std::swap(levels[static_cast<std::size_t>(s)], levels[static_cast<std::size_t>(s + 1)]);
  }
}

void Model::shiftIn(int slot, ModelLevel& held) {
  for (int s = kLastSlot; s > slot; --s) {
    std::swap(levels[static_cast<std::size_t>(s)], levels[static_cast<std::size_t>(s - 1)]);
  }
  std::swap(levels[static_cast<std::size_t>(slot)], held);
}

void Model::rotate(int from, int to) {
  for (int s = from; s < to; ++s) {
    std::swap(levels[static_cast<std::size_t>(s)], levels[static_cast<std::size_t>(s + 1)]);
  }
  for (int s = from; s > to; --s) {
    std::swap(levels[static_cast<std::size_t>(s)], levels[static_cast<std::size_t>(s - 1)]);
  }
}

void Model::deleteLevel() {
  auto held = std::make_shared<ModelLevel>();
  held->level = Level::empty();
  shiftOut(current, *held);
  held->redo.clear();
  pushShift(Step::Kind::Remove, "Delete Level", std::move(held));
}

void Model::insertLevel() {
  // The new level: the current one's record, titled "Empty", no background
  // layer, its game layer cleared.
  Levelmap scratch;
  scratch.header(1) = at(current).header;
  scratch.header(1).setTitle("Empty");
  scratch.header(1).setHasBackgroundLayer(0);
  scratch.clearLayer(kGameLayer, 1);
  auto held = std::make_shared<ModelLevel>();
  held->level = Level::of(scratch, 1);
  shiftIn(current, *held);
  pushShift(Step::Kind::Insert, "Insert Level", std::move(held));
}

void Model::pushShift(Step::Kind kind, const std::string& name, std::shared_ptr<ModelLevel> held) {
  const int slot = current;
  Step step;
  step.kind = kind;
  step.name = name;
  step.slot = step.target = slot;
  step.held = std::move(held);
  push(slot, std::move(step));
  updateLevelList();
  show(slot);
}

void Model::moveLevel(int target) {
  const int c = current;
  const int t = std::clamp(target, 0, 99) + 1;
  if (c != t) {
    rotate(c, t);
    Step step;
    step.kind = Step::Kind::Move;
    step.name = "Move Level";
    step.slot = c;
    step.target = t;
    push(t, std::move(step));
  }
  show(t);
  updateLevelList();
}

void Model::apply(Shift& shift, bool forward) {
  switch (shift.op) {
    case LevelShift::Op::In:
      forward ? shiftIn(shift.slot, *shift.held) : shiftOut(shift.slot, *shift.held);
      break;
    case LevelShift::Op::Out:
      forward ? shiftOut(shift.slot, *shift.held) : shiftIn(shift.slot, *shift.held);
      break;
    case LevelShift::Op::Swap:
      std::swap(levels[static_cast<std::size_t>(shift.slot)], *shift.held);
      break;
  }
}

void Model::cutLevels(const std::vector<int>& slots) {
  Step step;
  step.kind = Step::Kind::Levels;
  step.name = slots.size() == 1 ? "Cut Level" : "Cut Levels";
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    auto held = std::make_shared<ModelLevel>();
    held->level = Level::empty();
    shiftOut(*it, *held);
    held->redo.clear();
    step.shifts.push_back({LevelShift::Op::Out, *it, held});
  }
  step.slot = slots.front();
  push(step.slot, step);
  updateLevelList();
  show(slots.front());
}

bool Model::pasteAsks(int count, bool intoEmpty, std::vector<int>& targets) const {
  targets.clear();
  for (int slot = current; slot <= kLastSlot && static_cast<int>(targets.size()) < count; ++slot) {
    if (!intoEmpty || !at(slot).holdsAnything(slot)) targets.push_back(slot);
  }
  bool asks = static_cast<int>(targets.size()) < count;
  if (!intoEmpty) {
    for (int slot = kLastSlot - static_cast<int>(targets.size()) + 1; slot <= kLastSlot; ++slot) {
      asks = asks || at(slot).holdsAnything(slot);
    }
  }
  return asks && !targets.empty();
}

void Model::pasteLevels(const std::vector<Level>& pasted, bool intoEmpty) {
  std::vector<int> targets;
  pasteAsks(static_cast<int>(pasted.size()), intoEmpty, targets);
  if (targets.empty()) return;
  Step step;
  step.kind = Step::Kind::Levels;
  step.name = targets.size() == 1 ? "Paste Level" : "Paste Levels";
  for (std::size_t i = 0; i < targets.size(); ++i) {
    auto held = std::make_shared<ModelLevel>();
    held->level = pasted[i];
    step.shifts.push_back(
        {intoEmpty ? LevelShift::Op::Swap : LevelShift::Op::In, targets[i], held});
    apply(step.shifts.back(), true);
  }
  step.slot = targets.front();
  push(step.slot, step);
  updateLevelList();
  show(targets.front());
}

bool Model::take(bool forward) {
  ModelLevel& here = levels[static_cast<std::size_t>(current)];
  std::deque<Step>& from = forward ? here.redo : here.undo;
  if (from.empty()) return false;
  Step step = std::move(from.back());
  from.pop_back();
  int home = current;
  switch (step.kind) {
    case Step::Kind::Change:
      // Only what the step changed goes back (or forward): the level list's
      // titles given since stay.
      forward ? at(current).takeChanges(step.before, step.after)
              : at(current).takeChanges(step.after, step.before);
      break;
    case Step::Kind::Remove:
    case Step::Kind::Insert:
      if ((step.kind == Step::Kind::Remove) != forward) {
        shiftIn(step.slot, *step.held);
      } else {
        shiftOut(step.slot, *step.held);
      }
      home = step.slot;
      break;
    case Step::Kind::Move:
      rotate(forward ? step.slot : step.target, forward ? step.target : step.slot);
      home = forward ? step.target : step.slot;
      break;
    case Step::Kind::Levels:
      if (forward) {
        for (Shift& shift : step.shifts) apply(shift, true);
      } else {
        for (auto it = step.shifts.rbegin(); it != step.shifts.rend(); ++it) apply(*it, false);
      }
      home = step.slot;
      break;
  }
  ModelLevel& to = levels[static_cast<std::size_t>(home)];
  (forward ? to.undo : to.redo).push_back(std::move(step));
  show(home);
  return true;
}

bool Model::undo() {
  return take(false);
}
bool Model::redo() {
  return take(true);
}

std::string Model::undoName() const {
  const auto& steps = levels[static_cast<std::size_t>(current)].undo;
  return steps.empty() ? std::string() : steps.back().name;
}
std::string Model::redoName() const {
  const auto& steps = levels[static_cast<std::size_t>(current)].redo;
  return steps.empty() ? std::string() : steps.back().name;
}

void Model::replaceAll(const Levelmap& map) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    levels[static_cast<std::size_t>(slot)] = ModelLevel{Level::of(map, slot), {}, {}};
  }
}

// --- the run ----------------------------------------------------------------------------------

Run::Run(std::uint32_t seed) : random(seed) {
  session.map.resetLevelmap();
  session.startupComplete = true;
  session.selectLevel(1);
  model.replaceAll(session.map);
  model.show(1);
  markSaved();
  // A levelset of another game whose name Save would take for the game's own.
  Bytes brel(256 + 2304, 1);
  const std::string magic = "BPBD";
  std::copy(magic.begin(), magic.end(), brel.begin());
  addFile("brel.map", brel);
}

void Run::addFile(const std::string& name, const Bytes& bytes) {
  writeFileAtomically(path(name), bytes);
  files[path(name)] = bytes;
}

void Run::markSaved() {
  saved.clear();
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) saved.push_back(model.at(slot));
}

// --- the checks -------------------------------------------------------------------------------

namespace {

std::string describeLevel(const Levelmap& map, int slot) {
  const LevelHeader& h = map.header(slot);
  return std::to_string(h.width()) + "x" + std::to_string(h.height()) + " \"" + h.title() + "\"";
}
std::string describeLevel(const Level& l) {
  return std::to_string(l.header.width()) + "x" + std::to_string(l.header.height()) + " \"" +
         l.header.title() + "\"";
}

std::string checkLevels(Run& run) {
  const EditorSession& s = run.session;
  Model& m = run.model;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (!m.at(slot).sameAs(s.map, slot)) {
      return "level " + std::to_string(slot - 1) + " holds " + describeLevel(s.map, slot) +
             ", the model " + describeLevel(m.at(slot)) + " (or differs in cells or lines)";
    }
  }
  if (s.map.currentLevel != m.current) {
    return "level " + std::to_string(s.map.currentLevel - 1) + " is shown, the model shows " +
           std::to_string(m.current - 1);
  }
  if (s.undoName() != m.undoName() || s.redoName() != m.redoName()) {
    return "undo/redo offer \"" + s.undoName() + "\"/\"" + s.redoName() + "\", the model \"" +
           m.undoName() + "\"/\"" + m.redoName() + "\"";
  }
  // A levelmap that differs from what was last saved or opened is never
  // called saved: closing would lose it without a question. (Looking at a
  // level raises it to 3 x 3, and the level list gives default titles:
  // neither is work.)
  if (!s.map.modified) {
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
      if (!sameWork(run.saved[static_cast<std::size_t>(slot - 1)], m.at(slot), slot)) {
        return "the levelmap counts as saved, but level " + std::to_string(slot - 1) +
               " differs from what was last saved or opened";
      }
    }
  }
  return {};
}

std::string checkFiles(Run& run, const std::set<std::string>& named) {
  namespace fs = std::filesystem;
  for (const auto& entry : fs::directory_iterator(run.dir.dir())) {
    const std::string p = entry.path().string();
    const auto known = run.files.find(p);
    if (named.count(p)) continue;
    if (known == run.files.end()) return "a file the user did not name appeared: " + p;
    if (readFileBytes(p) != known->second) return "a file the user did not name changed: " + p;
  }
  for (const auto& [p, bytes] : run.files) {
    if (!named.count(p) && !fs::exists(p)) return "a file disappeared: " + p;
  }
  // The named files hold what they hold now.
  for (const std::string& p : named) {
    if (fs::exists(p)) run.files[p] = readFileBytes(p);
  }
  return {};
}

}  // namespace

std::string check(Run& run, const std::set<std::string>& named) {
  if (std::string f = checkLevels(run); !f.empty()) return f;
  return checkFiles(run, named);
}

// --- running and shrinking --------------------------------------------------------------------

Outcome runSequence(std::uint32_t seed, int steps, const std::vector<Planned>* only) {
  Outcome out;
  Run run(seed);
  const auto& ops = operations();
  int total = 0;
  for (const Operation& op : ops) total += op.weight;
  std::mt19937 chooser(seed);
  const int count = only ? static_cast<int>(only->size()) : steps;
  for (int i = 0; i < count; ++i) {
    Planned planned;
    if (only) {
      planned = (*only)[static_cast<std::size_t>(i)];
    } else {
      int r = std::uniform_int_distribution<int>(1, total)(chooser);
      while (r > ops[static_cast<std::size_t>(planned.op)].weight) {
        r -= ops[static_cast<std::size_t>(planned.op)].weight;
        ++planned.op;
      }
      planned.seed = static_cast<std::uint32_t>(chooser());
    }
    out.ops.push_back(planned);
    // Each operation makes its choices from a seed of its own, so that it
    // makes the same ones when the operations before it are left out.
    run.random.seed(planned.seed);
    const Operation& op = ops[static_cast<std::size_t>(planned.op)];
    std::set<std::string> named;
    run.ui.answers.clear();
    run.ui.questions.clear();
    run.ui.openChoices.clear();
    run.ui.saveAsChoices.clear();
    std::string failure;
    try {
      failure = op.act(run, named);
    } catch (const std::exception& e) {
      failure = std::string("threw: ") + e.what();
    }
    if (failure.empty()) {
      settleSaved(run);
      failure = check(run, named);
    }
    run.log.push_back(op.name);
    if (!failure.empty()) {
      std::string asked;
      for (const std::string& q : run.ui.questions) asked += "\n    asked: " + q.substr(0, 120);
      out.failure = "after " + std::string(op.name) + " (step " + std::to_string(i + 1) +
                    "): " + failure + "\n    the levelmap's file: " + run.session.levelPath +
                    (run.session.map.modified ? " (unsaved)" : "") + asked;
      return out;
    }
  }
  return out;
}

std::vector<Planned> shrink(std::uint32_t seed, std::vector<Planned> ops) {
  // Drop chunks, then single operations, while the sequence still fails.
  for (std::size_t chunk = ops.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t at = 0; at + chunk <= ops.size();) {
      std::vector<Planned> shorter(ops);
      shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(at),
                    shorter.begin() + static_cast<std::ptrdiff_t>(at + chunk));
      const Outcome o = runSequence(seed, 0, &shorter);
      if (!o.failure.empty()) {
        ops = o.ops;
      } else {
        at += chunk;
      }
    }
  }
  return ops;
}

}  // namespace pyrovel::session_model
