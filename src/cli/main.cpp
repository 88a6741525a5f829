// prvl: the level editor's command-line tool. It opens, inspects, converts
// and renders levelmaps with the same core as the editor window.
#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "cli/commands.h"
#include "model/version.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const pyrovel::cli::Args&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"info", pyrovel::cli::cmdInfo, "info FILE [--json]        list the levels of a levelmap"},
    {"check", pyrovel::cli::cmdCheck,
     "check FILE... [--json] [--target game|bd4|emv4|emv6|bdcff] [--level N]\n"
     "                             problems that make levels unplayable (errors) or look\n"
     "                             unmeant (warnings); exit 1 when an error was found"},
    {"convert", pyrovel::cli::cmdConvert,
     "convert IN OUT [--format F]  write IN as OUT, the writer chosen by OUT's extension"},
    {"compile", pyrovel::cli::cmdCompile,
     "compile SOURCE.txt OUT.map   build a levelmap from a level text source"},
    {"render", pyrovel::cli::cmdRender,
     "render FILE --level N -o OUT.png [--cell PX] [--layer game|background] [--iml PATH]\n"
     "                             draw one level as PNG with the sprite set"},
    {"sprites", pyrovel::cli::cmdSprites,
     "sprites --sheet OUT.png [--iml PATH]  a contact sheet of all sprites"},
    {"import", pyrovel::cli::cmdImport,
     "import OUT.map FILE... [--type N|name] [--into LEVELMAP]\n"
     "                             single levels of other games as consecutive levels"},
    {"disk", pyrovel::cli::cmdDisk,
     "disk ls IMAGE [FOLDER]        list the files on an Amiga .adf or C64 .d64 disk image\n"
     "  disk extract IMAGE NAME [-o OUT]  copy one file off the image\n"
     "  disk import IMAGE NAME --into LEVELMAP [-o OUT.map]\n"
     "                             put a level file (Emerald Mine on ADF, Construction Kit\n"
     "                             cave on D64) into the levelmap's first empty level"},
    {"res", pyrovel::cli::cmdRes,
     "res ls EXE                    list the resources of a Windows .exe or .dll\n"
     "  res extract EXE TYPE NAME [LANG] [-o OUT]  copy one resource's bytes out\n"
     "  res import EXE TYPE NAME --into LEVELMAP [-o OUT.map]\n"
     "                             put a level resource (BDCAV or BDINT cave, BDGAME\n"
     "                             levelset) into the levelmap's first empty levels"},
    {"c64", pyrovel::cli::cmdC64,
     "c64 scan DUMP                 the input kind, game engine and caves of a C64 memory\n"
     "                             dump, PC64 image (.P00) or program file (.PRG)\n"
     "  c64 convert DUMP OUT.map [--das OUT.das]  its caves as a levelmap"},
};

constexpr const char* kExitStatus =
    "exit status: 0 done, 1 failed (the reason on standard error), 2 usage error\n";

void usage(std::ostream& out) {
  out << "usage: prvl COMMAND ...\n       prvl COMMAND --help\n       prvl --version\n\n"
         "commands:\n";
  for (const Command& c : kCommands) out << "  " << c.usage << "\n";
  out << "\n" << kExitStatus;
}

bool isHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

// A command reads a file whole, converts it and writes the result whole:
// the file's buffer, once freed, is the natural home of the output. Large
// blocks are kept in the heap instead of being handed back to the system
// and faulted in again, zeroed, moments later.
void keepLargeBlocksForReuse() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  keepLargeBlocksForReuse();
  if (argc < 2 || isHelp(argv[1])) {
    usage(argc < 2 ? std::cerr : std::cout);
    return argc < 2 ? 2 : 0;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::cout << "prvl " << pyrovel::kEditorVersion << "\n";
    return 0;
  }
  pyrovel::cli::Args args(argv + 2, argv + argc);
  for (const Command& c : kCommands) {
    if (argv[1] == std::string(c.name)) {
      if (std::find_if(args.begin(), args.end(), isHelp) != args.end()) {
        std::cout << "usage: prvl " << c.usage << "\n\n" << kExitStatus;
        return 0;
      }
      try {
        return c.run(args);
      } catch (const std::exception& e) {
        std::cerr << "prvl " << c.name << ": " << e.what() << "\n";
        return 1;
      }
    }
  }
  std::cerr << "prvl: unknown command '" << argv[1] << "'\n";
  usage(std::cerr);
  return 2;
}
