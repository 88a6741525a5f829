// The operations of the model-based session test: each does what a user
// does through the session (with scripted answers) and says what the model
// must hold afterwards. A new user operation is one more row of the table
// at the end.
#include <algorithm>
#include <filesystem>

#include "editor/c64_levels.h"
#include "editor/level_properties.h"
#include "editor/levelmap_files.h"
#include "editor/levelset_formats.h"
#include "editor/recovery_copy.h"
#include "editor/single_level_io.h"
#include "editor/tool_controller.h"
#include "editor/tools/selection_tool.h"
#include "editor/session_model.h"
#include "formats/levelset_io.h"
#include "model/errors.h"
#include "model/file_io.h"

namespace pyrovel::session_model {

namespace {

// Objects every format the test saves in holds as they are.
constexpr int kObjects[] = {obj::EmptySpace, obj::Dirt, obj::Rock, obj::Diamond, obj::SolidWall};

// What a file holds when the editor reads it anew, as the model sees it.
std::optional<Levelmap> readBack(const std::string& path) {
  const Bytes data = readFileBytes(path);
  const LevelsetFormat* format = readerForFile(path, data);
  if (!format) return std::nullopt;
  Levelmap map;
  ReadReport report;
  SilentFrontend quiet;
  LevelsetRead read{map, report, quiet, false};
  try {
    format->read(read, data, path);
  } catch (const LevelError&) {
    return std::nullopt;  // a BDCFF file without caves
  }
  return map;
}

// A record as a file of the game's format gives it back: a level of width
// or height 0 is read as 1 x 1, an empty title as "Level n" (the level
// list gives it, or "Empty", too) and an empty author as "Unknown". The texts are compared as texts, not as the bytes
// after their length.
std::pair<LevelHeader, std::string> asRead(LevelHeader h, int slot) {
  // (Looking at a level raises it to 3 x 3: that is no difference either.)
  if (h.width() < 3) h.setWidth(3);
  if (h.height() < 3) h.setHeight(3);
  // The level list's default titles are no work of the user's.
  const std::string title = h.title();
  // (and an empty level's title gives way to "Empty" at the next refresh).
  const bool empty = h.width() <= 3 && h.height() <= 3;
  std::string texts = empty || title == "Empty" || title == "Level " + std::to_string(slot - 1)
                          ? std::string()
                          : title;
  texts += "|" + (h.author().empty() ? std::string("Unknown") : h.author());
  std::fill_n(h.bytes.begin() + LevelHeader::oTitle, LevelHeader::kTitleLen + 1, 0);
  std::fill_n(h.bytes.begin() + LevelHeader::oAuthor, LevelHeader::kAuthorLen + 1, 0);
  return {h, texts};
}

std::string compareLevel(const Level& l, const Levelmap& map, int slot, bool wholeRecord) {
  const LevelHeader& h = map.header(slot);
  if (wholeRecord) {
    const auto [a, aTexts] = asRead(h, slot);
    const auto [b, bTexts] = asRead(l.header, slot);
    if (aTexts != bTexts || a.bytes != b.bytes) {
      const auto at = std::mismatch(a.bytes.begin(), a.bytes.end(), b.bytes.begin()).first -
                      a.bytes.begin();
      return "with another record (\"" + aTexts + "\" for \"" + bTexts + "\", bytes from " +
             std::to_string(at) + ")";
    }
  } else if (h.width() != l.header.width() || h.height() != l.header.height()) {
    return "as " + std::to_string(h.width()) + "x" + std::to_string(h.height());
  }
  for (int x = 0; x < h.width(); ++x) {
    for (int y = 0; y < h.height(); ++y) {
      if (map.cell(kGameLayer, slot, x, y) != l.cell(kGameLayer, x, y)) {
        return "with another cell at " + std::to_string(x) + "," + std::to_string(y);
      }
    }
  }
  return {};
}

// Whether `map` (read from a file) holds what the model holds, as far as
// that file's format keeps: the game's own format every level with its
// whole record; BDCFF the caves it writes (every level wider than 3, one
// after the other) with their sizes and cells.
std::string sameAsSaved(const Model& model, const Levelmap& map, bool ownFormat) {
  std::vector<int> mine, theirs;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (ownFormat || model.at(slot).header.width() > 3) mine.push_back(slot);
    if (ownFormat || !map.isEmptyLevel(slot)) theirs.push_back(slot);
  }
  if (mine.size() != theirs.size()) {
    return std::to_string(theirs.size()) + " levels read back, not " + std::to_string(mine.size());
  }
  for (std::size_t i = 0; i < mine.size(); ++i) {
    std::string f = compareLevel(model.at(mine[i]), map, theirs[i], ownFormat);
    if (!f.empty()) return "level " + std::to_string(mine[i] - 1) + " read back " + f;
  }
  return {};
}

// Whether the file at `path` holds what the model holds, as far as its
// format keeps; empty when it does. A BDCFF file of no cave opens as
// nothing, which is right when no level was wide enough to be a cave.
std::string fileHoldsModel(const Model& model, const std::string& path) {
  const bool own = extensionOf(path) == ".map";
  const auto back = readBack(path);
  if (back) return sameAsSaved(model, *back, own);
  bool anyCave = own;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    anyCave = anyCave || model.at(slot).header.width() > 3;
  }
  return anyCave ? "taken by no reader" : "";
}

// The session's state that a cancelled action must leave as it was.
struct FileState {
  std::string levelPath, fileName;
  bool modified = false;
  static FileState of(const EditorSession& s) {
    return {s.levelPath, s.map.fileName, s.map.modified};
  }
  bool operator==(const FileState&) const = default;
};

// A Save As choice from a small pool of names, some of them taken.
Frontend::SaveAsChoice anySaveAs(Run& run) {
  static const char* const kNames[] = {"a.map", "b.map", "c.bd", "d", "brel.map"};
  Frontend::SaveAsChoice c;
  c.path = run.path(kNames[run.pick(0, 4)]);
  c.format = run.chance(75) ? "map" : "bdcff";
  return c;
}
std::string writtenPath(const Frontend::SaveAsChoice& c) {
  const std::string ext = c.format == "map" ? ".map" : ".bd";
  const std::string have = extensionOf(c.path);
  if (have == ext) return c.path;
  return c.path.substr(0, c.path.size() - have.size()) + ext;
}

// Whether Save may write over this file in place: one of the game's own
// levelmaps, or a BDCFF file.
bool savedInPlace(Run& run, const std::string& path) {
  const auto f = run.files.find(path);
  if (f == run.files.end()) return false;
  const std::string head(f->second.begin(),
                         f->second.begin() + std::min<std::ptrdiff_t>(7, std::ssize(f->second)));
  return head == "GrotPRV" || extensionOf(path) == ".bd";
}

// The files a save with these scripted choices may write.
void nameSaveTargets(Run& run, std::set<std::string>& named) {
  if (!run.session.levelPath.empty() && savedInPlace(run, run.session.levelPath)) {
    named.insert(run.session.levelPath);
  }
  for (const auto& c : run.ui.saveAsChoices) named.insert(writtenPath(c));
}

// After any save: a levelmap that calls itself saved is in its file whole.
std::string afterSave(Run& run, const FileState& before, bool written) {
  EditorSession& s = run.session;
  if (!written) {
    if (!(FileState::of(s) == before)) return "a save that did not happen changed the file state";
    return {};
  }
  if (s.map.modified) return {};  // the file could not hold everything, and says so
  if (std::string f = fileHoldsModel(run.model, s.levelPath); !f.empty()) {
    return s.levelPath + ": " + f;
  }
  run.markSaved();
  return {};
}

// The scripted answers of a save: the question(s) and one Save As choice.
void scriptSave(Run& run) {
  for (int i = 0; i < 3; ++i) run.ui.answers.push_back(run.chance(70) ? Answer::Yes : Answer::No);
  run.ui.saveAsChoices.push_back(anySaveAs(run));
}

// An action that replaces the whole levelmap after the save question. It
// either left the levelmap as it was, or replaced it with `next` -- and then
// only when nothing unsaved was lost: nothing was unsaved, the user said
// No, or a file named now holds the old levelmap whole.
std::string replaced(Run& run, const std::set<std::string>& named, bool dirty, Answer answer,
                     const std::function<void(Levelmap&)>& next) {
  EditorSession& s = run.session;
  bool unchanged = true;
  for (int slot = kFirstSlot; slot <= kLastSlot && unchanged; ++slot) {
    unchanged = run.model.at(slot).sameAs(s.map, slot);
  }
  // The same levels (a new levelmap over a new levelmap) tell a replacement
  // only by the histories it forgot.
  if (unchanged && s.map.currentLevel == run.model.current &&
      s.undoName() == run.model.undoName() && s.redoName() == run.model.redoName()) {
    return {};
  }
  if (dirty && answer == Answer::Cancel) return "replaced the levelmap after Cancel";
  if (dirty && answer == Answer::Yes) {
    bool kept = false;
    std::string why;
    for (const std::string& p : named) {
      if (!std::filesystem::exists(p)) continue;
      const std::string f = fileHoldsModel(run.model, p);
      kept = kept || f.empty();
      why += "; " + fileNamePart(p) + ": " + f;
    }
    if (!kept) return "replaced the levelmap though no file holds its unsaved work" + why;
  }
  Levelmap expected;
  next(expected);
  run.model.replaceAll(expected);
  run.model.current = s.map.currentLevel;
  return {};
}

std::string draw(Run& run, std::set<std::string>&) {
  EditorSession& s = run.session;
  const int slot = s.map.currentLevel;
  const LevelHeader& h = s.map.current();
  std::vector<std::array<int, 3>> cells;
  for (int i = run.pick(1, 6); i > 0; --i) {
    cells.push_back({run.pick(0, h.width() - 1), run.pick(0, h.height() - 1),
                     kObjects[run.pick(0, 4)]});
  }
  s.beginStep("Pen");
  for (const auto& [x, y, o] : cells) s.placeObject(x, y, o);
  s.endStep();
  run.model.change(slot, "Pen", [&](Level& l) {
    for (const auto& [x, y, o] : cells) l.setCell(kGameLayer, x, y, static_cast<Cell>(o));
  });
  return {};
}

// A few cells selected with the selection tool and pasted with Ctrl+V with
// the pointer over another cell: there, or where the floating copy lies
// when the pointer is over it.
std::string paste(Run& run, std::set<std::string>&) {
  constexpr int kCell = 16;
  const auto px = [](int cell) { return cell * kCell + kCell / 2; };
  EditorSession& s = run.session;
  const int w = s.map.current().width(), h = s.map.current().height();
  CellArea area;
  area.c1 = run.pick(0, w - 1);
  area.r1 = run.pick(0, h - 1);
  area.c2 = std::min(w - 1, area.c1 + run.pick(0, 4));
  area.r2 = std::min(h - 1, area.r1 + run.pick(0, 4));
  const CellPos pointer{run.pick(0, w - 1), run.pick(0, h - 1)};
  SeededRandom random(1);
  ToolController tools(s, random);
  tools.toggle(SelectionTool::kId);
  tools.press(px(area.c1), px(area.r1), MouseButton::Left, kCell, kHeldLeft);
  tools.move(px(area.c2), px(area.r2), kHeldLeft, kCell);
  tools.release(MouseButton::Left);
  tools.move(px(pointer.x), px(pointer.y), 0, kCell);
  tools.pasteAtPointer();
  const CellPos to = area.contains(pointer.x, pointer.y) ? CellPos{area.c1, area.r1} : pointer;
  run.model.change(s.map.currentLevel, "Paste", [&](Level& l) {
    const Level before = l;
    for (int i = 0; i < area.width() && to.x + i < w; ++i) {
      for (int j = 0; j < area.height() && to.y + j < h; ++j) {
        l.setCell(kGameLayer, to.x + i, to.y + j,
                  before.cell(kGameLayer, area.c1 + i, area.r1 + j));
      }
    }
  });
  return {};
}

std::string select(Run& run, std::set<std::string>&) {
  EditorSession& s = run.session;
  Model& m = run.model;
  switch (run.pick(0, 3)) {
    case 0: {
      const int slot = run.chance(20) ? kLastSlot : run.pick(kFirstSlot, kLastSlot);
      s.selectLevel(slot);
      m.show(slot);
      break;
    }
    case 1:
      s.nextLevel();
      if (m.current < kLastSlot) m.show(m.current + 1);
      break;
    case 2:
      s.previousLevel();
      if (m.current > kFirstSlot) m.show(m.current - 1);
      break;
    default: {
      const int n = run.pick(0, 105);
      s.goToLevel(n);
      m.show(std::min(n, 99) + 1);
    }
  }
  run.recovery.keep(run.session, ++run.clock);  // as the window does at every level switch
  return {};
}

std::string rename(Run& run, std::set<std::string>&) {
  static const char* const kTitles[] = {"Lava", "Empty", "", "A title longer than twenty letters"};
  const int slot = run.chance(50) ? run.session.map.currentLevel : run.pick(kFirstSlot, kLastSlot);
  const std::string title = kTitles[run.pick(0, 3)];
  run.session.setLevelTitle(slot, title);
  run.model.change(slot, "Rename Level", [&](Level& l) { l.header.setTitle(title); });
  return {};
}

std::string editLines(Run& run, std::set<std::string>&) {
  static const char* const kTexts[] = {"", "Colors=Orange Gray White\n", "A=1\n\nB=2\n"};
  const std::string text = kTexts[run.pick(0, 2)];
  LevelProperties props(run.session);
  props.setBdcffMemo(text);
  run.session.endStep();  // the field loses the focus
  run.model.change(run.session.map.currentLevel, "Properties",
                   [&](Level& l) { l.memo = KeptLines::fromJoined(text); });
  return {};
}

std::string resize(Run& run, std::set<std::string>&) {
  EditorSession& s = run.session;
  LevelProperties props(s);
  props.showYam();
  props.resetLevelSize();
  const int w = run.pick(3, 40), h = run.pick(3, 24);
  props.setWidthEdit(w);
  props.setHeightEdit(h);
  LevelHeader expected = s.map.current();
  expected.setWidth(w);
  expected.setHeight(h);
  expected.setTitle(props.editTitle);
  expected.setAuthor(props.editAuthor);
  expected.setDate(props.editDate);
  expected.setInfo(props.editDescription);
  props.applyLevelSize(800, 16);
  run.model.change(s.map.currentLevel, "Properties", [&](Level& l) { l.header = expected; });
  run.model.show(run.model.current);
  run.model.updateLevelList();
  return {};
}

std::string insert(Run& run, std::set<std::string>&) {
  const Answer answer = run.chance(60) ? Answer::Yes : Answer::No;
  run.ui.answers.push_back(answer);
  const bool mustAsk = run.model.at(kLastSlot).holdsAnything(kLastSlot);
  run.ui.questions.clear();
  run.session.insertLevel();
  if (mustAsk != !run.ui.questions.empty()) {
    return mustAsk ? "Insert pushed out a level 99 that holds something without asking"
                   : "Insert asked though level 99 holds nothing";
  }
  if (!mustAsk || answer == Answer::Yes) run.model.insertLevel();
  return {};
}

std::string remove(Run& run, std::set<std::string>&) {
  const Answer answer = run.chance(70) ? Answer::Yes : Answer::No;
  run.ui.answers.push_back(answer);
  run.session.deleteLevel();
  if (answer == Answer::Yes) run.model.deleteLevel();
  return {};
}

std::string move(Run& run, std::set<std::string>&) {
  const int pickTarget = run.pick(0, 3);
  const int target = pickTarget == 0 ? 99 : pickTarget == 1 ? 0 : run.pick(0, 99);
  if (run.chance(30)) {
    const int from = run.pick(0, 99);
    run.session.dragLevel(from, target);
    run.model.current = from + 1;
  } else {
    run.session.moveLevel(target);
  }
  run.model.moveLevel(target);
  return {};
}

std::string undo(Run& run, std::set<std::string>&) {
  if (run.session.undo() != run.model.undo()) return "Undo did what the model did not, or not";
  return {};
}

std::string redo(Run& run, std::set<std::string>&) {
  if (run.session.redo() != run.model.redo()) return "Redo did what the model did not, or not";
  return {};
}

std::string save(Run& run, std::set<std::string>& named) {
  const FileState before = FileState::of(run.session);
  scriptSave(run);
  nameSaveTargets(run, named);
  const bool written = saveLevelmap(run.session);
  return afterSave(run, before, written);
}

std::string saveAs(Run& run, std::set<std::string>& named) {
  const FileState before = FileState::of(run.session);
  run.ui.saveAsChoices.push_back(anySaveAs(run));
  run.ui.answers.push_back(run.chance(60) ? Answer::Yes : Answer::No);
  for (const auto& c : run.ui.saveAsChoices) named.insert(writtenPath(c));
  const bool written = saveLevelmapAs(run.session);
  return afterSave(run, before, written);
}

// The answer to the save question, then those of a save it may start.
Answer scriptReplace(Run& run) {
  const Answer answer = run.anyAnswer();
  run.ui.answers.push_back(answer);
  scriptSave(run);
  return answer;
}

std::string open(Run& run, std::set<std::string>& named) {
  std::vector<std::string> candidates;
  for (const auto& [p, bytes] : run.files) {
    if (extensionOf(p) == ".map" || extensionOf(p) == ".bd") candidates.push_back(p);
  }
  if (candidates.empty()) return {};
  const std::string path = candidates[static_cast<std::size_t>(
      run.pick(0, static_cast<int>(candidates.size()) - 1))];
  const bool dirty = run.session.map.modified;
  const Answer answer = scriptReplace(run);
  nameSaveTargets(run, named);
  try {
    openLevelmap(run.session, OpenSource::Path, path);
  } catch (const LevelError&) {
    // A file that cannot be opened (a BDCFF file without caves) changes
    // nothing; any save before it is checked below all the same.
  }
  std::string f = replaced(run, named, dirty, answer, [&](Levelmap& next) {
    if (auto back = readBack(path)) next = std::move(*back);
    EditorSession scratch(run.ui);
    scratch.map = std::move(next);
    scratch.updateLevelList();
    scratch.selectLevel(1);
    next = std::move(scratch.map);
  });
  if (!f.empty()) return f;
  if (run.session.levelPath == path && !run.session.map.modified) run.markSaved();
  return {};
}

std::string startNew(Run& run, std::set<std::string>& named) {
  const bool dirty = run.session.map.modified;
  const Answer answer = scriptReplace(run);
  nameSaveTargets(run, named);
  EditorSession scratch(run.ui);
  scratch.map = run.session.map.clone();
  newLevelmap(run.session);
  std::string f = replaced(run, named, dirty, answer, [&](Levelmap& next) {
    scratch.clearLevelmap();
    next = std::move(scratch.map);
  });
  if (f.empty() && !run.session.map.modified) run.markSaved();
  return f;
}

// A converted C64 dump: three caves as DAS text.
C64Conversion someConversion(Run& run) {
  C64Conversion c;
  for (int i = 0; i < 3; ++i) {
    c.dasText += "level\r\n" + std::to_string(i + 1) + "\r\nname\r\nCAVE " +
                 std::to_string(run.pick(1, 9)) + "\r\n";
  }
  return c;
}

std::string convert(Run& run, std::set<std::string>& named) {
  const C64Conversion c = someConversion(run);
  if (run.chance(50)) {
    // Append: the levels from the current one on, each with its step.
    const int shown = run.session.map.currentLevel;
    loadC64Conversion(run.session, c, true);
    Levelmap expected;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      expected.header(slot) = run.model.at(slot).header;
      for (int layer : {kGameLayer, kBackgroundLayer}) {
        if (const auto& g = run.model.at(slot).grids[layer]) expected.grid(layer, slot) = *g;
      }
      expected.bdcffMemo[static_cast<std::size_t>(slot)] = run.model.at(slot).memo;
    }
    expected.currentLevel = shown;
    ReadReport report;
    SilentFrontend quiet;
    LevelsetRead read{expected, report, quiet, true};
    readC64Conversion(read, c);
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
      const Level now = Level::of(expected, slot);
      run.model.change(slot, "Append Levels", [&](Level& l) { l = now; });
    }
    run.model.updateLevelList();
    run.model.show(shown);
    return {};
  }
  const bool dirty = run.session.map.modified;
  const Answer answer = scriptReplace(run);
  nameSaveTargets(run, named);
  loadC64Conversion(run.session, c, false);
  return replaced(run, named, dirty, answer, [&](Levelmap& next) {
    ReadReport report;
    SilentFrontend quiet;
    LevelsetRead read{next, report, quiet, false};
    readC64Conversion(read, c);
    EditorSession scratch(run.ui);
    scratch.map = std::move(next);
    scratch.updateLevelList();
    scratch.selectLevel(1);
    next = std::move(scratch.map);
  });
}

// The window keeps a recovery copy at level switches and now and then; a
// restore gives the levelmap and the level shown.
std::string recover(Run& run, std::set<std::string>&) {
  run.recovery.keep(run.session, ++run.clock);
  if (!run.session.map.modified) return {};
  testing::ScriptedFrontend quiet;
  EditorSession restored(quiet);
  run.recovery.restore(restored);
  if (std::string f = sameAsSaved(run.model, restored.map, true); !f.empty()) {
    return "the recovery copy's " + f;
  }
  if (restored.map.currentLevel != run.model.current) {
    return "the recovery copy shows level " + std::to_string(restored.map.currentLevel - 1) +
           ", not " + std::to_string(run.model.current - 1);
  }
  return {};
}

// Where two states of a level first differ, for a failure's message.
std::string firstDifference(const Level& expected, const Level& found) {
  const auto& a = expected.header.bytes;
  const auto& b = found.header.bytes;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      return "record byte " + std::to_string(i) + ": " + std::to_string(a[i]) + " became " +
             std::to_string(b[i]) + ", title \"" + found.header.title() + "\" for \"" +
             expected.header.title() + "\"";
    }
  }
  for (int layer : {kGameLayer, kBackgroundLayer}) {
    for (int x = 0; x < kGridSide; ++x) {
      for (int y = 0; y < kGridSide; ++y) {
        if (expected.cell(layer, x, y) != found.cell(layer, x, y)) {
          return "layer " + std::to_string(layer) + " cell " + std::to_string(x) + "," +
                 std::to_string(y) + ": " + std::to_string(expected.cell(layer, x, y)) +
                 " became " + std::to_string(found.cell(layer, x, y));
        }
      }
    }
  }
  return "kept lines";
}

// For an operation whose result the model does not work out itself (an
// import goes where the importer decides): every level that changed must
// have an undo step that brings it back and a redo that gives the change
// again; the model then takes the change as that step.
std::string adoptChanges(Run& run) {
  EditorSession& s = run.session;
  Model& m = run.model;
  const int shown = s.map.currentLevel;
  std::vector<Level> pre;  // as the operation found them
  for (int slot = 0; slot <= kLastSlot; ++slot) pre.push_back(m.at(slot));
  m.updateLevelList();
  m.show(shown);
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    // A new step on the level counts as a change even when it changed no work.
    const bool newStep = s.undoHistory().of(slot).undo.size() !=
                             m.levels[static_cast<std::size_t>(slot)].undo.size() ||
                         s.undoHistory().of(slot).redo.size() !=
                             m.levels[static_cast<std::size_t>(slot)].redo.size();
    if (!newStep && m.at(slot).sameAs(s.map, slot)) continue;
    if (!newStep && sameWork(m.at(slot), Level::of(s.map, slot), slot)) {
      m.at(slot) = Level::of(s.map, slot);  // the level list's title, a level shown
      continue;
    }
    const std::string level = "level " + std::to_string(slot - 1);
    s.selectLevel(slot);
    m.show(slot);
    const std::string name = s.undoName();
    if (name.empty()) {
      const LevelHeader& h = s.map.header(slot);
      return level + " changed without an undo step (now " + std::to_string(h.width()) + "x" +
             std::to_string(h.height()) + " \"" + h.title() + "\", the model's " +
             std::to_string(m.at(slot).header.width()) + "x" +
             std::to_string(m.at(slot).header.height()) + " \"" + m.at(slot).header.title() +
             "\"; " + std::to_string(shown - 1) + " shown)";
    }
    const Level after = Level::of(s.map, slot);
    if (!s.undo()) return "undo of \"" + name + "\" did nothing";
    // The level as the step found it; the model's may differ only in what
    // is no work (the level list's titles, a size raised by showing it).
    const Level before = Level::of(s.map, slot);
    const Level& found = pre[static_cast<std::size_t>(slot)];
    if (!sameWork(before, found, slot)) {
      return "undo of \"" + name + "\" does not bring " + level + " back (" +
             firstDifference(found, before) + ")";
    }
    // Undo and redo put back only the step's own bytes: a default title the
    // level list gave since may come out otherwise, which is no work.
    if (!s.redo()) return "redo of \"" + name + "\" did nothing";
    const Level redone = Level::of(s.map, slot);
    if (!sameWork(after, redone, slot)) {
      return "redo of \"" + name + "\" does not give " + level + " its change again (" +
             firstDifference(after, redone) + ")";
    }
    m.adopt(slot, name, before, redone);
  }
  s.selectLevel(shown);
  m.show(shown);
  return {};
}

// A level exported earlier (any level of the levelmap) imported again: it
// goes into the current level, or after a question elsewhere.
std::string import(Run& run, std::set<std::string>&) {
  Levelmap source = run.session.map.clone();
  std::vector<int> levels;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (source.header(slot).width() >= 3 && source.header(slot).height() >= 3) {
      levels.push_back(slot);
    }
  }
  if (levels.empty()) return {};
  source.currentLevel = levels[static_cast<std::size_t>(run.pick(0, static_cast<int>(levels.size()) - 1))];
  const std::string path = run.scratch.path("exported.lev");
  exportLevel(source, 1, path);
  for (int i = 0; i < 2; ++i) run.ui.answers.push_back(run.anyAnswer());
  importLevel(run.session, 1, {path});
  return adoptChanges(run);
}

// A few levels around the current one.
std::vector<int> someSlots(Run& run) {
  std::set<int> slots;
  const int around = run.session.map.currentLevel;
  for (int i = run.pick(1, 3); i > 0; --i) {
    slots.insert(std::clamp(around + run.pick(-2, 2), kFirstSlot, kLastSlot));
  }
  if (run.chance(10)) slots.insert(kLastSlot);
  return {slots.begin(), slots.end()};
}

std::string copyLevels(Run& run, std::set<std::string>&) {
  const std::vector<int> slots = someSlots(run);
  run.clip.clear();
  for (int slot : slots) run.clip.push_back(run.model.at(slot));
  const std::vector<LevelSlot> copied = run.session.copyLevels(slots);
  if (copied.size() != slots.size()) return "Copy Levels copied another number of levels";
  for (std::size_t i = 0; i < copied.size(); ++i) {
    Level l;
    l.header = copied[i].header;
    for (int layer : {kGameLayer, kBackgroundLayer}) {
      if (const auto& g = copied[i].grids[static_cast<std::size_t>(layer)]) {
        l.grids[layer] = std::make_shared<const LevelGrid>(*g);
      }
    }
    l.memo = copied[i].memo;
    if (!(l == run.clip[i])) {
      return "Copy Levels copied level " + std::to_string(slots[i] - 1) + " otherwise";
    }
  }
  return {};
}

std::string cutLevels(Run& run, std::set<std::string>&) {
  const std::vector<int> slots = someSlots(run);
  run.clip.clear();
  for (int slot : slots) run.clip.push_back(run.model.at(slot));
  run.session.cutLevels(slots);
  run.model.cutLevels(slots);
  return {};
}

std::string pasteLevels(Run& run, std::set<std::string>&) {
  if (run.clip.empty()) return {};
  const bool intoEmpty = run.chance(30);
  const Answer answer = run.chance(60) ? Answer::Yes : Answer::No;
  run.ui.answers.push_back(answer);
  std::vector<LevelSlot> levels;
  for (const Level& l : run.clip) {
    LevelSlot slot;
    slot.header = l.header;
    for (int layer : {kGameLayer, kBackgroundLayer}) {
      if (l.grids[layer]) {
        slot.grids[static_cast<std::size_t>(layer)] = std::make_unique<LevelGrid>(*l.grids[layer]);
      }
    }
    slot.memo = l.memo;
    levels.push_back(std::move(slot));
  }
  std::vector<int> targets;
  const bool asks = run.model.pasteAsks(static_cast<int>(run.clip.size()), intoEmpty, targets);
  run.ui.questions.clear();
  const bool pasted = run.session.pasteLevels(std::move(levels), intoEmpty);
  if (asks != !run.ui.questions.empty()) {
    return asks ? "Paste Levels pushed or left out levels without asking"
                : "Paste Levels asked though nothing was lost";
  }
  if (!targets.empty() && (!asks || answer == Answer::Yes)) {
    run.model.pasteLevels(run.clip, intoEmpty);
    if (!pasted) return "Paste Levels pasted nothing";
  }
  return {};
}

}  // namespace

void settleSaved(Run& run) {
  const EditorSession& s = run.session;
  if (s.map.modified || s.levelPath.empty()) return;
  if (fileHoldsModel(run.model, s.levelPath).empty()) run.markSaved();
}

const std::vector<Operation>& operations() {
  static const std::vector<Operation> table{
      {"draw", 20, draw},       {"select", 10, select},       {"rename", 3, rename},
      {"lines", 3, editLines},  {"resize", 4, resize},        {"insert", 5, insert},
      {"delete", 4, remove},    {"move", 5, move},            {"undo", 10, undo},
      {"redo", 6, redo},        {"save", 4, save},            {"save as", 3, saveAs},
      {"open", 3, open},        {"new", 2, startNew},         {"convert", 2, convert},
      {"recover", 3, recover},  {"copy levels", 2, copyLevels}, {"cut levels", 2, cutLevels},
      {"paste levels", 3, pasteLevels}, {"import", 3, import}, {"paste", 3, paste},
  };
  return table;
}

}  // namespace pyrovel::session_model

