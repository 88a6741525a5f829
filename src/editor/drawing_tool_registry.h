#pragma once
// Every drawing tool of the editor, in the order of their buttons.
#include <memory>
#include <vector>

#include "editor/drawing_tool.h"

namespace pyrovel {

// A new set of the tools. The first is the default: it is on whenever no
// other tool is, and has no button of its own.
std::vector<std::unique_ptr<DrawingTool>> drawingToolRegistry();

}  // namespace pyrovel
