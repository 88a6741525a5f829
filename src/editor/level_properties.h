#pragma once
// What the Properties window shows and edits of the current level's record:
// size, title, author, date and info (kept here until "Apply"), the flag
// boxes, the score grid, the yam and well boxes, the well delay and the
// level's BDCFF lines (written through at once). The window's widgets read
// these values when it refreshes and forward every edit here.
#include <optional>
#include <string>
#include <string_view>

#include "editor/view_events.h"
#include "model/editor_session.h"

namespace pyrovel {

class LevelProperties {
 public:
  static constexpr int kMinSide = 3, kMaxSide = 128;
  static constexpr int kBoxCell = 16, kBoxSide = 48;  // the 3 x 3 pattern boxes
  static constexpr int kYamBoxes = 4;
  static constexpr int kMaxWellDelay = 100;

  enum class Tab { Size, Scores, Yam, Well, BDCFF };  // the Properties tabs in order
  static std::string_view tabCaption(Tab tab);

  explicit LevelProperties(EditorSession& session);

  // --- the Size tab: edits that wait for "Apply" -------------------------------
  int editWidth = kMinSide;
  int editHeight = kMinSide;
  std::string editTitle;
  std::string editAuthor = "Unknown";
  std::string editDate;         // "Date:", the record's Date
  std::string editDescription;  // "Info:", the record's Info
  void setWidthEdit(int v);     // kept within 3..128 like the spin edit
  void setHeightEdit(int v);

  // Fills the text edits from the current level (every redraw of the level).
  void showYam();
  // Width and height edits from the current level (each time a level is shown).
  void resetLevelSize();

  // "Apply": size, title, author, date and info into the record, then the
  // level is shown again. Given the view width and the cell size, returns
  // the cell size that fits the new width (never larger than before) and
  // the status bar texts of panels 1 and 2.
  struct Applied {
    int cellSize = 0;
    std::string widthStatus;
    std::string heightStatus;
  };
  Applied applyLevelSize(int viewWidth, int cellSize);

  // The tool bar buttons "LevelSize Property", "Score Property", "Yam
  // Content" and the Tools panel's properties button.
  enum class SizeButton { LevelSize, Scores, Yam, ToolsPanel };
  struct SizeRequest {
    bool showPanel = false;  // show the Properties window (and its dock)
    std::optional<Tab> tab;  // the page to bring to front
    bool refreshed = false;  // the text edits were filled anew
  };
  SizeRequest showProperty(SizeButton button, bool dockedAtBottom);

  // --- flag boxes (255 or 1 when checked, 0 when not) ---------------------------
  bool amoebaOn() const;
  bool intermission() const;
  bool wellActive() const;
  void setAmoebaCheck(bool checked);
  void setIntermissionCheck(bool checked);
  void setWellActive(bool checked);

  // --- the score grid -----------------------------------------------------------
  static std::string_view scoreLabel(int row);
  std::string scoreText(int row) const;
  // Every keystroke in column 1; column 0 holds the labels and is not edited.
  void setScoreText(int column, int row, std::string_view text);

  // --- the yam and well boxes -----------------------------------------------------
  // The object drawn in cell (c, r) of yam box k (0..3) or of the well box;
  // the well's centre always shows object 216.
  int yamObject(int k, int c, int r) const;
  int wellObject(int c, int r) const;
  // A press at (x, y) in box pixels: the left button puts the drawing object
  // in that cell. True when the pattern took it (the cell needs drawing).
  bool clickYamBox(int k, MouseButton button, int x, int y);
  bool clickWellBox(MouseButton button, int x, int y);

  int wellDelay() const;         // "Well Delay", the well's centre word
  void setWellDelay(int delay);  // kept within 0..100

  // --- the BDCFF tab ----------------------------------------------------------------
  // The level's BDCFF lines joined by newlines, and edits written back.
  std::string bdcffMemoText() const;
  void setBdcffMemo(std::string_view text);

 private:
  LevelHeader& header() { return session_.map.current(); }
  const LevelHeader& header() const { return session_.map.current(); }
  static constexpr std::string_view kStepName = "Properties";
  // Runs an edit of the record as an undo step and marks the levelmap
  // changed when it did change; edits with the same `typingKey` in a row
  // are one step.
  template <typename Edit>
  void editRecord(Edit edit, std::string_view typingKey = {});
  // Cell (c, r) of a box press, or nothing for a press outside or not left.
  static std::optional<CellPos> boxCell(MouseButton button, int x, int y);

  EditorSession& session_;
};

}  // namespace pyrovel
