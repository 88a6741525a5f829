#include "editor/drawing_tool_registry.h"

#include "editor/tools/chaos_tool.h"
#include "editor/tools/fill_tool.h"
#include "editor/tools/line_tool.h"
#include "editor/tools/pen_tool.h"
#include "editor/tools/pick_tool.h"
#include "editor/tools/rectangle_tool.h"
#include "editor/tools/selection_tool.h"
#include "editor/tools/spray_tool.h"

namespace pyrovel {

// To add a tool, follow the pen (editor/tools/pen_tool.h): write its class,
// a DrawingTool with an id that names its button, in editor/tools/; add
// one line here where its button should go; and draw its icon in the app's
// icons (app/icons.cpp), under the icon id the class gives.
std::vector<std::unique_ptr<DrawingTool>> drawingToolRegistry() {
  std::vector<std::unique_ptr<DrawingTool>> tools;
  tools.push_back(std::make_unique<PenTool>());
  tools.push_back(std::make_unique<SelectionTool>());
  tools.push_back(std::make_unique<RectangleTool>());
  tools.push_back(std::make_unique<SprayTool>());
  tools.push_back(std::make_unique<LineTool>());
  tools.push_back(std::make_unique<ChaosTool>());
  tools.push_back(std::make_unique<FillTool>());
  tools.push_back(std::make_unique<PickTool>());
  return tools;
}

}  // namespace pyrovel

namespace pyrovel {

std::string buttonHintWithKey(const DrawingTool& tool) {
  return std::string(tool.buttonHint()) + " (" + tool.key() + ")";
}

}  // namespace pyrovel
