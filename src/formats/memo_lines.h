#pragma once
// Importers' notes go to the message memo, and the message panel is shown.
#include <string>
#include <vector>

#include "formats/cell_notes.h"
#include "model/editor_session.h"

namespace pyrovel {

inline void appendMemoLines(EditorSession& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  session.addMessages({}, lines);
  session.notify(kMessages);
}

}  // namespace pyrovel
