#pragma once
// The chaos fill: fills the dragged area with objects picked at random from
// the ones checked in its option bar.
#include "editor/tool_options.h"
#include "editor/tools/area_tool.h"

namespace pyrovel {

class ChaosTool : public AreaTool {
 public:
  static constexpr std::string_view kId = "chaosTool";

  ChaosOptions options;

  std::string_view id() const override { return kId; }
  // The chaos button has always carried the rectangle's tooltip.
  std::string_view buttonHint() const override { return "Chaos tool"; }
  char key() const override { return 'C'; }
  std::string_view icon(const ToolContext&, bool) const override { return "chaos"; }
  OptionBar optionBar() const override { return OptionBar::Chaos; }
  // It sits beside the rectangle and chooses the rectangle's style the same
  // way; the chaos fill itself always fills, so a click still toggles it.
  bool pressButton(ToolContext& context, int x, int y) override {
    context.chooseFillStyle(x, y);
    return false;
  }

 protected:
  void apply(ToolContext& context, const CellArea& area, ViewUpdate& u) override {
    const std::vector<int> objects = options.chaosList();
    const CellArea inside = area.intersected(levelArea(context.session().map.current()));
    if (objects.empty() || inside.empty()) return;
    RandomSource& random = context.random();
    random.reseed();
    const auto pick = [&] {
      return objects[static_cast<std::size_t>(random.below(static_cast<int>(objects.size())))];
    };
    context.fillArea("Chaos Fill", area, FillStyle::Filled, pick, u);
  }
};

}  // namespace pyrovel
