// prvl check: the level checker over any levelsets the editor opens, one
// line per problem and a summary; exit 1 when some level has an error.
#include <iostream>
#include <sstream>

#include "check/level_check.h"
#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "editor/levelmap_files.h"
#include "model/editor_session.h"

namespace pyrovel::cli {

namespace {

constexpr const char* kUsage =
    "usage: prvl check FILE... [--json] [--target game|bd4|emv4|emv6|bdcff] [--level N]\n";

int usageError(const std::string& what) {
  std::cerr << "prvl check: " << what << "\n" << kUsage;
  return 2;
}

// The questions of a reader get No and its messages are left out: the
// problems are the output.
class QuietFrontend : public CliFrontend {
 public:
  void inform(std::string_view) override {}
};

}  // namespace

int cmdCheck(const Args& args) {
  std::vector<std::string> files;
  bool json = false;
  int onlyLevel = -1;
  CheckOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
    } else if (a == "--target" || a == "--level") {
      if (i + 1 == args.size()) return usageError(a + " needs a value");
      const std::string& value = args[++i];
      if (a == "--target") {
        const auto target = parseCheckTarget(value);
        if (!target) return usageError("unknown target '" + value + "'");
        options.target = *target;
      } else {
        std::size_t used = 0;
        try {
          onlyLevel = std::stoi(value, &used);
        } catch (const std::exception&) {
          used = 0;
        }
        if (used != value.size() || onlyLevel < 0 || onlyLevel > kLastSlot - kFirstSlot) {
          return usageError("--level takes a level number 0 to 99, not '" + value + "'");
        }
      }
    } else if (a.starts_with("--")) {
      return usageError("unknown option '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.empty()) return usageError("no file to check");

  int errors = 0, warnings = 0, levels = 0, unread = 0;
  std::ostringstream out;
  bool firstJson = true;
  if (json) out << "[";
  for (const std::string& file : files) {
    QuietFrontend ui;
    EditorSession session(ui);
    try {
      if (!readLevelmap(session, file)) {
        std::cerr << "prvl check: " << file << ": no reader for this kind of file\n";
        ++unread;
        continue;
      }
    } catch (const std::exception& e) {
      std::cerr << "prvl check: " << file << ": " << e.what() << "\n";
      ++unread;
      continue;
    }
    const int first = onlyLevel >= 0 ? onlyLevel + kFirstSlot : kFirstSlot;
    const int last = onlyLevel >= 0 ? onlyLevel + kFirstSlot : kLastSlot;
    for (int slot = first; slot <= last; ++slot) {
      levels += !session.map.isEmptyLevel(slot);
      for (const Problem& p : checkLevel(session.map, slot, options)) {
        (p.severity == Severity::Error ? errors : warnings) += 1;
        if (json) {
          out << (firstJson ? "" : ",\n ") << problemJson(file, p);
          firstJson = false;
        } else {
          out << problemLine(file, p) << "\n";
        }
      }
    }
  }
  if (json) {
    out << "]\n";
  } else {
    out << errors << (errors == 1 ? " error, " : " errors, ") << warnings
        << (warnings == 1 ? " warning" : " warnings") << " in " << levels
        << (levels == 1 ? " level" : " levels") << " of " << files.size() - unread
        << (files.size() - unread == 1 ? " file" : " files") << "\n";
  }
  std::cout << out.str();
  return errors > 0 || unread > 0 ? 1 : 0;
}

}  // namespace pyrovel::cli
