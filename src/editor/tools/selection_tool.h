#pragma once
// The selection: the dragged cells go to the clipboard and float over the
// level, ready to be dragged elsewhere and pasted.
#include "editor/tools/area_tool.h"

namespace pyrovel {

class SelectionTool : public AreaTool {
 public:
  static constexpr std::string_view kId = "selectionTool";

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Selection Tool"; }
  char key() const override { return 'S'; }
  std::string_view icon(const ToolContext&, bool) const override { return "selection"; }
  std::string usageHint(const ToolContext&) const override {
    return "Selection: drag over the cells to copy";
  }

 protected:
  void apply(ToolContext& context, const CellArea& area, ViewUpdate&) override {
    context.clipboard().completeSelection(area);
  }
};

}  // namespace pyrovel
