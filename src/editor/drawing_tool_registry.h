#pragma once
// Every drawing tool of the editor, in the order of their buttons.
#include <memory>
#include <string>
#include <vector>

#include "editor/drawing_tool.h"

namespace pyrovel {

// A new set of the tools. The first is the default: it is on whenever no
// other tool is, and has no button of its own.
std::vector<std::unique_ptr<DrawingTool>> drawingToolRegistry();

// A tool's button hint with the key that switches it on: "Line tool (L)".
std::string buttonHintWithKey(const DrawingTool& tool);

}  // namespace pyrovel
