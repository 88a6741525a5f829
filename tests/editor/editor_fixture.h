#pragma once
// A session with one level of known contents, a tool controller fed with a
// scripted random source, and helpers that press and drag by cell.
#include <gtest/gtest.h>

#include <deque>

#include "editor/tool_controller.h"
#include "editor/tools/chaos_tool.h"
#include "editor/tools/fill_tool.h"
#include "editor/tools/line_tool.h"
#include "editor/tools/pen_tool.h"
#include "editor/tools/rectangle_tool.h"
#include "editor/tools/selection_tool.h"
#include "editor/tools/spray_tool.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {

// Hands out the scripted numbers in turn (each taken modulo n), then 0.
class ScriptedRandom : public RandomSource {
 public:
  std::deque<int> values;
  int reseeds = 0;
  void reseed() override { ++reseeds; }
  int below(int n) override {
    if (values.empty()) return 0;
    const int v = values.front();
    values.pop_front();
    return v % n;
  }
};

class EditorFixture : public ::testing::Test {
 protected:
  static constexpr int kCell = 16;

  testing::ScriptedFrontend ui;
  EditorSession s{ui};
  ScriptedRandom random;
  ToolController tools{s, random};

  // Level 0 as a w x h level of Dirt with the player at (1, 1).
  void makeLevel(int w, int h) {
    s.selectLevel(1);
    s.map.current().setWidth(w);
    s.map.current().setHeight(h);
    for (int x = 0; x < kGridSide; ++x) {
      for (int y = 0; y < kGridSide; ++y) s.map.at(x, y) = obj::Dirt;
    }
    s.map.at(1, 1) = obj::LittleFellow;
    s.map.current().setPlayerX(1);
    s.map.current().setPlayerY(1);
  }
  void SetUp() override { makeLevel(20, 12); }

  SprayTool& spray() { return tools.tool<SprayTool>(); }
  ChaosTool& chaos() { return tools.tool<ChaosTool>(); }
  int at(int x, int y) const { return s.map.at(x, y); }
  int undoSteps() const {
    return static_cast<int>(s.undoHistory().of(s.map.currentLevel).undo.size());
  }

  // Pixel in the middle of a cell.
  static int px(int cell) { return cell * kCell + kCell / 2; }
  ViewUpdate pressCell(int x, int y, MouseButton b = MouseButton::Left) {
    return tools.press(px(x), px(y), b, kCell);
  }
  ViewUpdate moveCell(int x, int y, unsigned held) { return tools.move(px(x), px(y), held, kCell); }
  // A left drag with a rubber-band tool: press, one move, release.
  void dragCells(int x1, int y1, int x2, int y2) {
    pressCell(x1, y1);
    moveCell(x2, y2, kHeldLeft);
    tools.release(MouseButton::Left);
  }
};

}  // namespace pyrovel
