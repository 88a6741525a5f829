// prvl compile: builds a levelmap from a readable level text source.
#include <iostream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "formats/level_text.h"
#include "model/file_io.h"
#include "model/game_format.h"

namespace pyrovel::cli {

int cmdCompile(const Args& args) {
  if (args.size() != 2) {
    std::cerr << "usage: prvl compile SOURCE.txt OUT.map\n";
    return 2;
  }
  CliFrontend ui;
  Levelmap map;
  readLevelText(map, readFileBytes(args[0]), args[0]);
  writeLevel(map, ui, args[1]);
  return 0;
}

}  // namespace pyrovel::cli
