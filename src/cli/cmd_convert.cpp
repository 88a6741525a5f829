// prvl convert: open any levelmap and write it with the writer its new
// extension (or --format) chooses.
#include <filesystem>
#include <iostream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "editor/levelmap_files.h"
#include "editor/levelset_formats.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel::cli {

namespace {
// The format --format names, or the one the output's extension asks for.
const LevelsetFormat* writerFor(const std::string& out, const std::string& format) {
  const LevelsetFormat* chosen = format.empty() ? writerForName(out) : findLevelsetFormat(format);
  return chosen && chosen->write ? chosen : nullptr;
}

std::string writableKeys() {
  std::string keys;
  for (const LevelsetFormat* f : writableFormats())
    keys += (keys.empty() ? "" : "|") + std::string(f->key);
  return keys;
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
    std::cerr << "usage: prvl convert IN OUT [--format " << writableKeys() << "]\n";
    return 2;
  }
  const LevelsetFormat* writer = writerFor(out, format);
  if (!writer) {
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
  // What the reader could not convert is said, never silently dropped.
  for (const std::string& note : session.messages) std::cerr << "prvl convert: " << note << "\n";
  bool anyLevel = false;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
    anyLevel = anyLevel || !session.map.isEmptyLevel(slot);
  if (!anyLevel) {
    std::cerr << "prvl convert: " << in << ": no levels were read; " << out << " is not written\n";
    return 1;
  }
  // Writing over the file read is allowed only when nothing is lost by it.
  std::error_code ec;
  const bool overInput = std::filesystem::equivalent(in, out, ec);
  const std::size_t readNotes = session.messages.size();
  const std::vector<std::string> lost = saveLevelmapInFormat(session, *writer, out, overInput);
  if (overInput && !lost.empty()) {
    for (const std::string& note : lost) std::cerr << "prvl convert: " << note << "\n";
    std::cerr << "prvl convert: " << out << " is the file read, and " << writer->name
              << " cannot hold all of it; nothing is written (choose another OUT)\n";
    return 1;
  }
  for (std::size_t i = readNotes; i < session.messages.size(); ++i) {
    std::cerr << "prvl convert: " << session.messages[i] << "\n";
  }
  return 0;
}

}  // namespace pyrovel::cli
