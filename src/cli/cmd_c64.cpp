// prvl c64: C64 memory dumps and program files (PC64 images, raw RAM dumps,
// .PRG files): what they hold, and their caves as a levelmap.
#include <iostream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "editor/c64_levels.h"
#include "import/c64_dump_convert.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"

namespace pyrovel::cli {

namespace {

constexpr const char* kUsage =
    "usage: prvl c64 scan DUMP\n"
    "       prvl c64 convert DUMP OUT.map [--das OUT.das]\n"
    "DUMP is a PC64 RAM or file image (.P00), a raw C64 RAM dump or a .PRG file.\n";

int usageError(const std::string& why) {
  if (!why.empty()) std::cerr << "prvl c64: " << why << "\n";
  std::cerr << kUsage;
  return 2;
}

std::string engineText(const C64EngineMatch& m) {
  std::string text(c64EngineName(m.engine));
  if (m.kit == C64Kit::Effect) text += " (Effect kit)";
  if (m.kit == C64Kit::Kestrin) text += " (Kestrin kit)";
  return text;
}

int scan(const std::string& dump) {
  const C64DumpScan s = scanConvertibleC64Dump(readFileBytes(dump), dump);
  std::cout << "input: " << c64InputKindName(s.kind) << "\n";
  if (!s.match) {
    for (const std::string& line : s.report) std::cerr << line << "\n";
    std::cout << "engine: none\n";
    return 1;
  }
  std::cout << "engine: " << engineText(*s.match) << "\n"
            << "base: " << s.match->base << "\n"
            << "caves: " << s.match->caves.size() << "\n";
  for (std::size_t i = 0; i < s.match->caves.size(); ++i) {
    const C64Cave& c = s.match->caves[i];
    std::cout << "  " << (i + 1) << "  level " << c.dasNumber << "  \"" << c.name << "\""
              << (c.intermission ? "  intermission" : "") << "\n";
  }
  return 0;
}

int convert(const std::string& dump, const std::string& out, const std::string& dasOut) {
  const C64Conversion c = convertC64Dump(readFileBytes(dump), dump);
  for (const std::string& line : c.report) std::cout << line << "\n";
  if (!c.loadable()) {
    std::cerr << "prvl c64: " << dump << ": nothing to convert; " << out << " not written\n";
    return 1;
  }
  if (!dasOut.empty()) {
    if (c.dasText.empty()) {
      std::cerr << "prvl c64: a Deluxe Construction Kit game is read without DAS text; " << dasOut
                << " not written\n";
    } else {
      writeFileAtomically(dasOut, c.dasText);
    }
  }
  CliFrontend ui;
  EditorSession session(ui);
  loadC64Conversion(session, c, false);
  for (const std::string& note : session.messages) std::cerr << "prvl: " << note << "\n";
  writeLevel(session.map, ui, out);
  return 0;
}

}  // namespace

int cmdC64(const Args& args) {
  if (args.empty()) return usageError("");
  const std::string& sub = args[0];
  std::vector<std::string> plain;
  std::string dasOut;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--das" && sub == "convert") {
      if (i + 1 >= args.size()) return usageError("--das needs a file name");
      dasOut = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      return usageError("unknown option '" + args[i] + "'");
    } else {
      plain.push_back(args[i]);
    }
  }
  if (sub == "scan" && plain.size() == 1) return scan(plain[0]);
  if (sub == "convert" && plain.size() == 2) return convert(plain[0], plain[1], dasOut);
  return usageError(sub == "scan" || sub == "convert" ? "wrong number of arguments"
                                                      : "unknown subcommand '" + sub + "'");
}

}  // namespace pyrovel::cli
