#include "editor/level_properties.h"

#include <algorithm>
#include <array>

#include "editor/score_grid.h"
#include "model/object_catalogue.h"

namespace pyrovel {

std::string_view LevelProperties::tabCaption(Tab tab) {
  static constexpr std::array<std::string_view, 5> kCaptions{"Size", "Scores", "Yam", "Well",
                                                             "BDCFF"};
  return kCaptions[static_cast<std::size_t>(tab)];
}

LevelProperties::LevelProperties(EditorSession& session) : session_(session) {}

template <typename Edit>
void LevelProperties::editRecord(Edit edit, std::string_view typingKey) {
  // Typing in one field is one step, however many keys it took.
  if (typingKey.empty()) {
    session_.beginStep(kStepName);
  } else {
    session_.continueStep(kStepName, typingKey);
  }
  LevelHeader& h = header();
  const auto before = h.bytes;
  edit(h);
  if (typingKey.empty()) session_.endStep();
  if (h.bytes != before) session_.markModified();
  session_.notify(kUndoState);
}

// --- the Size tab --------------------------------------------------------------------

void LevelProperties::setWidthEdit(int v) {
  editWidth = std::clamp(v, kMinSide, kMaxSide);
}
void LevelProperties::setHeightEdit(int v) {
  editHeight = std::clamp(v, kMinSide, kMaxSide);
}

void LevelProperties::showYam() {
  const LevelHeader& h = header();
  editTitle = h.title();
  editAuthor = h.author();
  editDate = h.date();
  editDescription = h.info();
}

void LevelProperties::resetLevelSize() {
  setWidthEdit(header().width());
  setHeightEdit(header().height());
}

LevelProperties::Applied LevelProperties::applyLevelSize(int viewWidth, int cellSize) {
  // Cells are left alone: shrinking hides columns and rows, enlarging shows
  // what they held before.
  editRecord([&](LevelHeader& h) {
    h.setWidth(std::clamp(editWidth, kMinSide, kMaxSide));
    h.setHeight(std::clamp(editHeight, kMinSide, kMaxSide));
    h.setTitle(editTitle);
    h.setAuthor(editAuthor);
    h.setDate(editDate);
    h.setInfo(editDescription);
  });
  const LevelHeader& h = header();
  Applied applied;
  // Zoom out to fit the new width; never zoom in here.
  applied.cellSize = std::min(cellSize, std::max(viewWidth, 0) / h.width());
  applied.widthStatus = "Level Width: " + std::to_string(h.width());
  applied.heightStatus = "Level Height: " + std::to_string(h.height());
  session_.selectLevel(session_.map.currentLevel);
  session_.updateLevelList();
  resetLevelSize();
  showYam();
  return applied;
}

LevelProperties::SizeRequest LevelProperties::showProperty(SizeButton button, bool dockedAtBottom) {
  resetLevelSize();
  SizeRequest request;
  if (dockedAtBottom) return request;
  request.showPanel = true;
  switch (button) {
    case SizeButton::LevelSize:
      request.tab = Tab::Size;
      break;
    case SizeButton::Scores:
      request.tab = Tab::Scores;
      showYam();
      request.refreshed = true;
      break;
    case SizeButton::Yam:
      request.tab = Tab::Yam;
      break;
    case SizeButton::ToolsPanel:
      break;
  }
  return request;
}

// --- flag boxes ------------------------------------------------------------------------

bool LevelProperties::amoebaOn() const {
  return header().convertTrappedAmoeba() != 0;
}
bool LevelProperties::intermission() const {
  return header().intermission() != 0;
}
bool LevelProperties::wellActive() const {
  return header().wellActive() != 0;
}

void LevelProperties::setAmoebaCheck(bool checked) {
  editRecord([&](LevelHeader& h) { h.setConvertTrappedAmoeba(checked ? 255 : 0); });
}
void LevelProperties::setIntermissionCheck(bool checked) {
  editRecord([&](LevelHeader& h) { h.setIntermission(checked ? 255 : 0); });
}
void LevelProperties::setWellActive(bool checked) {
  editRecord([&](LevelHeader& h) { h.setWellActive(checked ? 1 : 0); });
}

// --- the score grid ----------------------------------------------------------------------

std::string_view LevelProperties::scoreLabel(int row) {
  const ScoreRow* r = scoreRow(row);
  return r ? r->label : std::string_view{};
}

std::string LevelProperties::scoreText(int row) const {
  return scoreRow(row) ? std::to_string(scoreValue(header(), row)) : std::string{};
}

void LevelProperties::setScoreText(int column, int row, std::string_view text) {
  if (column != 1 || !scoreRow(row)) return;
  editRecord([&](LevelHeader& h) { setScoreValue(h, row, parseScoreText(text)); },
             "score " + std::to_string(row));
}

// --- the yam and well boxes -----------------------------------------------------------------

int LevelProperties::yamObject(int k, int c, int r) const {
  if (k < 0 || k >= kYamBoxes || c < 0 || c > 2 || r < 0 || r > 2) return obj::EmptySpace;
  return header().yam(k, c, r);
}

int LevelProperties::wellObject(int c, int r) const {
  if (c < 0 || c > 2 || r < 0 || r > 2) return obj::EmptySpace;
  // The centre word is the well delay, not an object.
  return c == 1 && r == 1 ? obj::WellSign : header().well(c, r);
}

std::optional<CellPos> LevelProperties::boxCell(MouseButton button, int x, int y) {
  if (button != MouseButton::Left || x < 0 || y < 0 || x >= kBoxSide || y >= kBoxSide) {
    return std::nullopt;
  }
  return CellPos{x / kBoxCell, y / kBoxCell};
}

bool LevelProperties::clickYamBox(int k, MouseButton button, int x, int y) {
  const auto cell = boxCell(button, x, y);
  if (!cell || k < 0 || k >= kYamBoxes) return false;
  editRecord([&](LevelHeader& h) { h.setYam(k, cell->x, cell->y, session_.drawingObject); });
  return true;
}

bool LevelProperties::clickWellBox(MouseButton button, int x, int y) {
  const auto cell = boxCell(button, x, y);
  if (!cell || (cell->x == 1 && cell->y == 1)) return false;
  editRecord([&](LevelHeader& h) { h.setWell(cell->x, cell->y, session_.drawingObject); });
  return true;
}

int LevelProperties::wellDelay() const {
  return header().wellDelay();
}

void LevelProperties::setWellDelay(int delay) {
  editRecord([&](LevelHeader& h) { h.setWellDelay(std::clamp(delay, 0, kMaxWellDelay)); });
}

// --- the BDCFF tab ----------------------------------------------------------------------------

std::string LevelProperties::bdcffMemoText() const {
  return session_.map.bdcffMemo[static_cast<std::size_t>(session_.map.currentLevel)].joined();
}

void LevelProperties::setBdcffMemo(std::string_view text) {
  KeptLines lines = KeptLines::fromJoined(text);
  auto& memo = session_.map.bdcffMemo[static_cast<std::size_t>(session_.map.currentLevel)];
  if (memo != lines) {
    session_.continueStep(kStepName, "BDCFF lines");
    memo = std::move(lines);
    session_.markModified();
    session_.notify(kUndoState);
  }
}

}  // namespace pyrovel
