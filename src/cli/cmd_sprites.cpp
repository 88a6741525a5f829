// prvl sprites: a contact sheet of the sprite set, every object at 32
// pixels with its number.
#include <iostream>

#include "cli/commands.h"
#include "render/contact_sheet.h"
#include "render/png_writer.h"

namespace pyrovel::cli {

int cmdSprites(const Args& args) {
  static constexpr const char* kUsage = "usage: prvl sprites --sheet OUT.png [--iml PATH]\n";
  std::string sheet, iml;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--sheet" && i + 1 < args.size())
      sheet = args[++i];
    else if (args[i] == "--iml" && i + 1 < args.size())
      iml = args[++i];
    else {
      std::cerr << "prvl sprites: unexpected argument '" << args[i] << "'\n" << kUsage;
      return 2;
    }
  }
  if (sheet.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  writePng(sheet, makeContactSheet(loadCliSprites(iml)));
  return 0;
}

}  // namespace pyrovel::cli
