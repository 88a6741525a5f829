#include "editor/levelmap_search.h"

#include <algorithm>

#include "model/editor_session.h"

namespace pyrovel {

bool findObject(EditorSession& session, int object) {
  Levelmap& map = session.map;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    const LevelHeader& h = map.header(slot);
    const int w = std::min(h.width(), kMaxLevelSide), hh = std::min(h.height(), kMaxLevelSide);
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < hh; ++y) {
        if (map.cell(kGameLayer, slot, x, y) == object) {
          session.selectLevel(slot);
          return true;
        }
      }
    }
  }
  return false;
}

void replaceAuthorRange(EditorSession& session, const std::string& author, int startLevel) {
  const int first = std::clamp(startLevel, 0, 100) + 1;
  for (int slot = first; slot <= kLastSlot; ++slot) session.map.header(slot).setAuthor(author);
  // Header changes are changes: without this a close would not ask to save them.
  if (first <= kLastSlot) session.map.modified = true;
  session.notify(kProperties | kLevelShown);
}

void convertamoebaAll(EditorSession& session, bool on) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    session.map.header(slot).setConvertTrappedAmoeba(on ? 255 : 0);
  }
  session.map.modified = true;
  session.notify(kProperties);
}

void replaceAuthor(EditorSession& session) {
  session.messages.clear();
  session.notify(kMessages);
}

}  // namespace pyrovel
