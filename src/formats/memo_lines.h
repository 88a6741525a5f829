#pragma once
// Importers' notes go to the message memo, and the message panel is shown.
#include <string>
#include <vector>

#include "model/editor_session.h"

namespace pyrovel {

// The note for a cell that could not be converted (it holds a Grover now):
// "Unsupported at level 3:12,4 :99". The status bar finds it by this shape.
inline std::string unsupportedAt(int level, int x, int y, int code) {
  return "Unsupported at level " + std::to_string(level) + ":" + std::to_string(x) + "," +
         std::to_string(y) + " :" + std::to_string(code);
}

inline void appendMemoLines(EditorSession& session, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  session.messages.insert(session.messages.end(), lines.begin(), lines.end());
  session.notify(kMessages);
}

}  // namespace pyrovel
