#pragma once
// The status bar's readout of the cell under the pointer: panel 0 shows
// "Co: x,y", panel 3 the object there (or where an unconvertible object
// came from, for a Grover left by an import).
#include <string>

#include "editor/cell_geometry.h"
#include "model/editor_session.h"

namespace pyrovel {

std::string coordinatesText(CellPos cell);
std::string objectText(const EditorSession& session, CellPos cell);

}  // namespace pyrovel
