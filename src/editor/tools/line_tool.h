#pragma once
// The line tool is not there yet: its button keeps its place, disabled.
#include "editor/drawing_tool.h"

namespace pyrovel {

class LineTool : public DrawingTool {
 public:
  static constexpr std::string_view kId = "lineTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Line tool (not implemented yet)"; }
  std::string_view icon(const ToolContext&, bool) const override { return "line"; }
  bool available() const override { return false; }

  void press(ToolContext&, CellPos, MouseButton, int, ViewUpdate&) override {}
  void move(ToolContext&, CellPos, unsigned, ViewUpdate&) override {}
  AfterRelease release(ToolContext&, MouseButton, ViewUpdate&) override {
    return AfterRelease::StayOn;
  }
};

}  // namespace pyrovel
