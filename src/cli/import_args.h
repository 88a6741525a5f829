#pragma once
// The arguments the extracting and importing subcommands share: positional
// words, "-o OUT" and "--into LEVELMAP".
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace pyrovel::cli {

struct ImportArgs {
  std::vector<std::string> positional;
  std::string out, into;
};

// Parses args[1..] (args[0] is the subcommand); an unknown option is
// reported under `command` ("prvl disk") and gives nothing.
inline std::optional<ImportArgs> parseImportArgs(const Args& args, const char* command) {
  ImportArgs a;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if ((args[i] == "-o" || args[i] == "--into") && i + 1 < args.size()) {
      (args[i] == "-o" ? a.out : a.into) = args[i + 1];
      ++i;
    } else if (!args[i].empty() && args[i][0] == '-') {
      std::cerr << command << ": unknown option '" << args[i] << "'\n";
      return std::nullopt;
    } else {
      a.positional.push_back(args[i]);
    }
  }
  return a;
}

}  // namespace pyrovel::cli
