// prvl convert: open any levelmap and write it with the writer its new
// extension (or --format) chooses.
#include <iostream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "editor/levelmap_files.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel::cli {

namespace {
// Save-as types: 1 game format, 2 BD4, 3 Emerald Mine V6, 4 BDCFF.
int typeFor(const std::string& out, const std::string& format) {
  if (format == "map" || format == "pyrovel") return 1;
  if (format == "bd4") return 2;
  if (format == "emv6") return 3;
  if (format == "bdcff" || format == "bd") return 4;
  if (!format.empty()) return 0;
  const std::string ext = extensionOf(out);
  if (ext == ".map") return 1;
  if (ext == ".lev") return 2;
  if (ext == ".bd") return 4;
  return 0;
}
}  // namespace

int cmdConvert(const Args& args) {
  std::string in, out, format;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--format" && i + 1 < args.size())
      format = args[++i];
    else if (in.empty())
      in = args[i];
    else if (out.empty())
      out = args[i];
    else {
      std::cerr << "prvl convert: unexpected argument '" << args[i] << "'\n";
      return 2;
    }
  }
  if (in.empty() || out.empty()) {
    std::cerr << "usage: prvl convert IN OUT [--format map|bd4|emv6|bdcff]\n";
    return 2;
  }
  const int type = typeFor(out, format);
  if (type == 0) {
    std::cerr << "prvl convert: no levelset writer for '" << out << "'"
              << (format.empty() ? "" : " with format " + format) << "\n";
    return 2;
  }
  CliFrontend ui;
  EditorSession session(ui);
  if (!readLevelmap(session, in)) {
    std::cerr << "prvl convert: " << in << ": no reader for this kind of file\n";
    return 1;
  }
  bool anyLevel = false;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) anyLevel = anyLevel || !session.map.isEmptyLevel(slot);
  if (!anyLevel) {
    std::cerr << "prvl convert: " << in << ": no levels were read; " << out << " is not written\n";
    return 1;
  }
  saveLevelmapAsType(session, type, out);
  return 0;
}

}  // namespace pyrovel::cli
