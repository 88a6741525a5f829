#include "formats/em_table_listings.h"

#include "formats/em_codes.h"
#include "formats/memo_lines.h"

namespace pyrovel {

std::vector<std::string> emToObjectListing(const ObjectCatalogue& catalogue) {
  std::vector<std::string> lines;
  lines.reserve(256);
  for (int n = 0; n < 256; ++n) {
    const int m = emCodeToObject(static_cast<std::uint8_t>(n));
    std::string item;
    if (const EmMarker* marker = findEmMarker(m)) {
      // A marker has no catalogue line of its own: show the object it stands for.
      item = catalogue.item(marker->object) + " (" + marker->state + ")";
    } else {
      item = catalogue.item(m);
    }
    lines.push_back("EM:" + std::to_string(n) + "- PR:" + std::to_string(m) + " :" + item);
  }
  return lines;
}

std::vector<std::string> objectToEmListing() {
  std::vector<std::string> lines;
  lines.reserve(256);
  for (int n = 0; n < 256; ++n) {
    int highest = kEmFallbackCode;
    for (int c = 255; c >= 0; --c) {
      if (emCodeToObject(static_cast<std::uint8_t>(c)) == n) {
        highest = c;
        break;
      }
    }
    lines.push_back("GrotToBd4[" + std::to_string(n) + "] :=" + std::to_string(highest) + ";");
  }
  return lines;
}

void emToGameTableListing(EditorSession& session) {
  appendMemoLines(session, emToObjectListing(session.catalogue));
}

void gameToEmTableListing(EditorSession& session) {
  appendMemoLines(session, objectToEmListing());
}

}  // namespace pyrovel
