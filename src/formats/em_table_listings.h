#pragma once
// Developer listings of the EM code tables, printed into the message memo.
#include <string>
#include <vector>

#include "model/object_catalogue.h"

namespace pyrovel {

class EditorSession;

// One line per EM code 0..255: "EM:" code "- PR:" result " :" catalogue item.
std::vector<std::string> emToObjectListing(const ObjectCatalogue& catalogue);
// One line per object 0..255: "GrotToBd4[" object "] :=" code ";", the code
// being the highest EM code that reads as the object (3 when none does).
std::vector<std::string> objectToEmListing();

// The development panel's two listing buttons: append the listing to the message
// memo and show the message panel.
void emToGameTableListing(EditorSession& session);
void gameToEmTableListing(EditorSession& session);

}  // namespace pyrovel
