#pragma once
// A plain model of what the session's levelmap must hold, for the
// model-based session test: levels as values, each with its own undo and
// redo steps that travel with it, and the files the user named. Operations
// (session_model_ops.cpp) act on the real session with scripted answers and
// say what the model expects; the checker compares the two after each step.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "editor/recovery_copy.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel::session_model {

// One level as values: its record, both layers (null reads as zeros), its
// kept BDCFF lines.
struct Level {
  LevelHeader header;
  std::shared_ptr<const LevelGrid> grids[2];
  KeptLines memo;

  static Level of(const Levelmap& map, int slot);
  static Level empty();  // what a deleted level leaves at the end: 1 x 1, nothing else
  Cell cell(int layer, int x, int y) const;
  void setCell(int layer, int x, int y, Cell value);
  bool sameAs(const Levelmap& map, int slot) const;
  // What differs between `from` and `to` (bytes, cells, lines) becomes `to`'s here.
  void takeChanges(const Level& from, const Level& to);
  bool operator==(const Level& o) const;
  // Whether Insert must ask before pushing this level out.
  bool holdsAnything(int slot) const;
};

// Whether two states of a level differ only in what is no work: a size
// raised to 3 x 3 by showing the level, the level list's default titles.
bool sameWork(Level a, Level b, int slot);

struct ModelLevel;

// One level put in, taken out or exchanged by a step of several.
struct Shift {
  LevelShift::Op op;
  int slot;
  std::shared_ptr<ModelLevel> held;
};

struct Step {
  enum class Kind { Change, Remove, Insert, Move, Levels } kind = Kind::Change;
  std::string name;
  Level before, after;  // Change
  int slot = 0, target = 0;
  std::shared_ptr<ModelLevel> held;  // Remove, Insert
  std::vector<Shift> shifts;         // Levels, in order
};

struct ModelLevel {
  Level level;
  std::deque<Step> undo, redo;
};

// The levelmap as the model expects it.
class Model {
 public:
  Model();
  std::vector<ModelLevel> levels;  // 101 slots, 1..100 used
  int current = 1;
  int undoLimit = UndoHistory::kDefaultSteps;
  std::string levelPath;
  std::string fileName = "New.map";

  Level& at(int slot) { return levels[static_cast<std::size_t>(slot)].level; }
  const Level& at(int slot) const { return levels[static_cast<std::size_t>(slot)].level; }
  // Shown: a level is raised to 3 x 3.
  void show(int slot);
  void updateLevelList();
  // A change of one level as one step (dropped when nothing changed).
  void change(int slot, const std::string& name, const std::function<void(Level&)>& edit);
  // A change the session made, taken as it is with the step's own sides.
  void adopt(int slot, const std::string& name, const Level& before, const Level& after);
  void deleteLevel();
  void insertLevel();
  void moveLevel(int target);  // level number 0..99
  void cutLevels(const std::vector<int>& slots);  // sorted, each once
  // Whether pasting `count` levels must ask first, and where they go.
  bool pasteAsks(int count, bool intoEmpty, std::vector<int>& targets) const;
  void pasteLevels(const std::vector<Level>& levels, bool intoEmpty);
  bool undo();
  bool redo();
  std::string undoName() const;
  std::string redoName() const;
  // A whole new levelmap (an open, New): every history forgotten.
  void replaceAll(const Levelmap& map);

 private:
  void push(int slot, Step step);
  // The step of a level put in or taken out at the current slot.
  void pushShift(Step::Kind kind, const std::string& name, std::shared_ptr<ModelLevel> held);
  bool take(bool forward);
  void shiftOut(int slot, ModelLevel& held);
  void shiftIn(int slot, ModelLevel& held);
  void rotate(int from, int to);
  void apply(Shift& shift, bool forward);
};

// The run: the session, its scripted front end, the model, a folder of
// files and what each of them must hold.
struct Run {
  explicit Run(std::uint32_t seed);

  testing::ScriptedFrontend ui;
  EditorSession session{ui};
  Model model;
  testing::TempDir dir;
  testing::TempDir recoveryDir;  // the per-user data folder, apart from the user's files
  testing::TempDir scratch;      // files made for an operation, apart from the user's
  RecoveryCopy recovery{recoveryDir.path("recovery")};
  std::int64_t clock = 0;  // seconds, for the recovery copy
  std::mt19937 random;
  std::map<std::string, Bytes> files;  // path -> bytes it must hold
  // Content of the levelmap as last saved or opened, to tell whether the
  // session may call itself saved.
  std::vector<Level> saved;
  std::vector<std::string> log;  // the operations done so far
  std::vector<Level> clip;       // whole levels copied or cut

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  Answer anyAnswer() { return static_cast<Answer>(pick(0, 2)); }
  std::string path(const std::string& name) const { return dir.path(name); }
  void addFile(const std::string& name, const Bytes& bytes);
  void markSaved();
};

// One operation a user does: it acts on run.session and updates run.model
// to what must hold afterwards. `named` collects the files the user named
// (only they may change). An empty return is success; else what went wrong.
struct Operation {
  const char* name;
  int weight;
  std::function<std::string(Run& run, std::set<std::string>& named)> act;
};
const std::vector<Operation>& operations();

// After an operation: a levelmap that calls itself saved, and whose file
// holds it whole (a save inside an open, say), is what was last saved.
void settleSaved(Run& run);

// Compares session and model, levels and files; empty when they agree.
std::string check(Run& run, const std::set<std::string>& named);

// An operation of a sequence: its row in operations() and the seed of its
// own choices.
struct Planned {
  int op = 0;
  std::uint32_t seed = 0;
};

// Runs `steps` operations chosen by `seed` (or those of `only`, in that
// order, when given); the failure, empty when every check passed, and the
// operations done up to it.
struct Outcome {
  std::string failure;
  std::vector<Planned> ops;
};
Outcome runSequence(std::uint32_t seed, int steps, const std::vector<Planned>* only = nullptr);
// The shortest sequence found (by leaving operations out) that still fails.
std::vector<Planned> shrink(std::uint32_t seed, std::vector<Planned> ops);

}  // namespace pyrovel::session_model
