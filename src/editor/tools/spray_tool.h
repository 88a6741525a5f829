#pragma once
// The spray: a pen that scatters the drawing object over a square around
// the pointer, never on the level's outer ring. It stays on until switched off.
#include <algorithm>

#include "editor/tool_options.h"
#include "editor/tools/pen_tool.h"
#include "model/object_catalogue.h"

namespace pyrovel {

class SprayTool : public PenTool {
 public:
  static constexpr std::string_view kId = "sprayTool";

  SprayOptions options;

  std::string_view id() const override { return kId; }
  std::string_view buttonHint() const override { return "Spray tool"; }
  char key() const override { return 'A'; }
  std::string_view icon(const ToolContext&, bool) const override { return "spray"; }
  ButtonLook buttonLook() const override { return ButtonLook::Down; }
  OptionBar optionBar() const override { return OptionBar::Spray; }
  std::string usageHint(const ToolContext&) const override { return {}; }

 protected:
  std::string_view stepName() const override { return "Spray"; }
  bool joinsMoves() const override { return false; }

  void drawAt(ToolContext& context, CellPos cell, ViewUpdate& u) override {
    if (context.playerRulesAt(cell, u)) return;  // the question decides, nothing is sprayed
    Levelmap& map = context.session().map;
    const int object = context.session().drawingObject;
    const CellArea level = levelArea(map.current());
    const CellArea inner{1, 1, level.c2 - 1, level.r2 - 1};
    const int amount = std::min(options.objectsPerEvent, SprayOptions::kMax);
    const int size = std::clamp(options.squareSide, SprayOptions::kMin, SprayOptions::kMax);
    RandomSource& random = context.random();
    random.reseed();
    for (int k = 0; k < amount; ++k) {
      const int x = cell.x - size / 2 + random.below(size);
      const int y = cell.y - size / 2 + random.below(size);
      if (!inner.contains(x, y)) continue;
      Cell& target = map.at(x, y);
      if (options.onlySpaceAndDirt && target != obj::EmptySpace && target != obj::Dirt) continue;
      target = object;
      u.cells.push_back(CellPos{x, y});
    }
  }
};

}  // namespace pyrovel
