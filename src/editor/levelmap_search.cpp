#include "editor/levelmap_search.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <tuple>

#include "import/disk_text.h"
#include "model/editor_session.h"
#include "model/object_catalogue.h"
#include "model/text_case.h"

namespace pyrovel {

std::vector<int> objectsMatching(const ObjectCatalogue& catalogue, const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::string query = asciiLower(text.substr(first, text.find_last_not_of(' ') - first + 1));
  if (std::all_of(query.begin(), query.end(), [](unsigned char c) { return std::isdigit(c); })) {
    if (query.size() > 3) return {};
    const int number = std::stoi(query);
    return number <= 255 ? std::vector<int>{number} : std::vector<int>{};
  }
  std::vector<int> found;
  for (int n = 0; n <= 255; ++n) {
    // The item reads "10:Explosion": the name is what follows the colon.
    const std::string& item = catalogue.item(n);
    const std::size_t colon = item.find(':');
    const std::string name = asciiLower(colon == std::string::npos ? item : item.substr(colon + 1));
    if (name.find(query) != std::string::npos) found.push_back(n);
  }
  return found;
}

std::vector<FoundCell> findCells(const Levelmap& map, const std::vector<int>& objects) {
  std::vector<FoundCell> found;
  if (objects.empty()) return found;
  bool wanted[256] = {};
  for (int n : objects) {
    if (n >= 0 && n <= 255) wanted[n] = true;
  }
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    const LevelHeader& h = map.header(slot);
    const int w = std::min(h.width(), kMaxLevelSide), hh = std::min(h.height(), kMaxLevelSide);
    for (int y = 0; y < hh; ++y) {
      for (int x = 0; x < w; ++x) {
        const int n = map.cell(kGameLayer, slot, x, y);
        if (n >= 0 && n <= 255 && wanted[n]) found.push_back({slot, x, y});
      }
    }
  }
  return found;
}

std::optional<std::size_t> stepFound(const std::vector<FoundCell>& found, const FoundCell& from,
                                     int direction) {
  if (found.empty()) return std::nullopt;
  const auto order = [](const FoundCell& a, const FoundCell& b) {
    return std::tie(a.slot, a.y, a.x) < std::tie(b.slot, b.y, b.x);
  };
  if (direction >= 0) {
    const auto it = std::upper_bound(found.begin(), found.end(), from, order);
    return it == found.end() ? 0 : static_cast<std::size_t>(it - found.begin());
  }
  const auto it = std::lower_bound(found.begin(), found.end(), from, order);
  return it == found.begin() ? found.size() - 1 : static_cast<std::size_t>(it - found.begin()) - 1;
}

bool replaceAuthorRange(EditorSession& session, const std::string& author, int startLevel) {
  // A level's author is 8-bit text (Latin-1), as the game's records store it.
  const std::optional<std::string> recordText = utf8ToLatin1(author);
  if (!recordText) {
    session.ui().inform("The author \"" + author +
                        "\" holds characters a level's author cannot hold (it takes the "
                        "Latin-1 letters only, such as \u00E9 or \u00FC). No author was replaced.");
    return false;
  }
  const int first = std::clamp(startLevel, 0, 100) + 1;
  for (int slot = first; slot <= kLastSlot; ++slot) session.map.header(slot).setAuthor(*recordText);
  // Header changes are changes: without this a close would not ask to save them.
  if (first <= kLastSlot) session.map.modified = true;
  session.notify(kProperties | kLevelShown);
  return true;
}

void convertamoebaAll(EditorSession& session, bool on) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    session.map.header(slot).setConvertTrappedAmoeba(on ? 255 : 0);
  }
  session.map.modified = true;
  session.notify(kProperties);
}

void clearMessageMemo(EditorSession& session) {
  session.clearMessages();
  session.notify(kMessages);
}

}  // namespace pyrovel
