// The converter's run: input kind, engine, caves, DAS text, levelmap.
#include "import/c64_dump_convert.h"

#include <filesystem>

#include "import/c64_dump_caves.h"
#include "import/c64_dump_das.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"

namespace pyrovel {

const char* const kC64ConverterBanner = " XXX to DAS - FREEWARE 1998 by Tavik. 1.2 beta 1 ";
const char* const kC64ConverterIdleLine =
    " based on XXX to DAS - FREEWARE 1998 by Tavik. 1.2 beta 1 ";

std::vector<std::string> c64ConverterHelp() {
  return {"  Supported file formats:",
          "  -PC64 image",
          "  -raw C64 RAM image",
          "  -.Pxx files",
          "  -raw C64 files (usually .PRG)",
          "  -raw Amiga and PC files",
          "",
          "  Supprted Boulder Dash types:",
          "  -C64 BD1-engine games",
          "  -C64 PLCK-engine games (most levelpacker*)",
          "   For a GAM file run the game and make a RAM back up.",
          "   In CCS64 press F12 to get the file C64.RAM, in PC64 press SHIFT-F11",
          "  -C64 CAV/INT files*",
          "  -Amiga CAV/INT files",
          "  -Amiga GAM files",
          "  -Boulderoid MAP files",
          "",
          "  *: full Ondrel-effects support now."};
}

namespace {

// A single cave outside a PC64 file image is named after the input file.
std::string caveNameOf(const std::string& file) {
  return std::filesystem::path(file).stem().string();
}

bool tryEngine(C64DumpScan& scan, const C64DumpBytes& bytes, std::size_t base) {
  scan.match = detectC64Engine(bytes, base, scan.kind, caveNameOf(bytes.file()));
  if (!scan.match) return false;
  scan.recognised = true;
  scan.report.insert(scan.report.end(), scan.match->report.begin(), scan.match->report.end());
  return true;
}

void writeKitCaves(const C64DumpBytes& bytes, const C64EngineMatch& m, DasTextWriter& das,
                   std::vector<std::string>& report) {
  for (std::size_t i = 0; i < m.caves.size(); ++i) {
    const C64Cave& cave = m.caves[i];
    const int level = static_cast<int>(i);
    das.key("level", {cave.dasNumber});
    das.line("name");
    das.line(cave.name);
    if (m.engine == C64Engine::PlckGame && bytes.tag(cave.offset) != "DDDD") {
      report.push_back("(Level " + std::to_string(i + 1) + " could be damaged!)");
    }
    writePlckCave(bytes, cave.offset, m.kit, level, das);
  }
}

}  // namespace

C64DumpScan scanC64Dump(const Bytes& data, const std::string& file) {
  const C64DumpBytes bytes(data, file);
  C64DumpScan scan;
  scan.report.push_back(kC64ConverterBanner);
  scan.report.push_back(c64HeaderText(bytes));
  scan.kind = detectC64Input(bytes);
  switch (scan.kind) {
    case C64InputKind::PC64RamImage:
      scan.report.push_back("PC64 RAM-Image detected.");
      tryEngine(scan, bytes, kPC64RamImageBase);
      break;
    case C64InputKind::PC64FileImage:
      scan.report.push_back("PC64 File-Image detected.");
      tryEngine(scan, bytes, kPC64FileImageBase);
      break;
    case C64InputKind::AmigaCave:
      scan.report.push_back("Found an Amiga Construction Kit Cave or Intermission.");
      scan.report.push_back("(But that import filter is currently disabled) ");
      scan.recognised = true;
      break;
    case C64InputKind::AmigaGame:
      scan.report.push_back("Found an Amiga game sequence.");
      scan.report.push_back("(But that import filter is currently disabled) ");
      scan.recognised = true;
      break;
    case C64InputKind::Raw:
      break;
  }
  if (!scan.recognised) {
    scan.report.push_back("Checking for raw C64 file.");
    tryEngine(scan, bytes, 0);
  }
  if (!scan.recognised && bytes.tag(0).starts_with("# ")) {
    scan.report.push_back("Found a Boulderoid MAP.");
    scan.report.push_back("Please use the Pyrovel-Editor Boulderoid import filter");
    scan.recognised = true;
  }
  if (!scan.recognised) {
    scan.report.push_back("Cannot convert: unknown Boulder Dash Engine");
    for (std::string& line : c64ConverterHelp()) scan.report.push_back(std::move(line));
  }
  return scan;
}

C64Conversion convertC64Dump(const Bytes& data, const std::string& file) {
  C64Conversion out;
  out.scan = scanC64Dump(data, file);
  out.report = out.scan.report;
  if (!out.scan.match) return out;
  const C64EngineMatch& m = *out.scan.match;
  const C64DumpBytes bytes(data, file);
  DasTextWriter das;
  switch (m.engine) {
    case C64Engine::DeluxeKitGame:
      for (std::size_t i = 0; i < m.caves.size(); ++i) {
        out.deluxeCaves.push_back(decodeDeluxeCave(bytes, m.caves[i].offset, static_cast<int>(i)));
      }
      return out;
    case C64Engine::KitCave:
      out.report.push_back("Converting Level.");
      writeKitCaves(bytes, m, das, out.report);
      out.report.push_back("done.");
      break;
    case C64Engine::PlckGame:
      out.report.push_back("Converting Levels:");
      writeKitCaves(bytes, m, das, out.report);
      out.report.push_back("done.");
      break;
    case C64Engine::Bd1Game:
      out.report.push_back("Converting Levels:");
      for (const C64Cave& cave : m.caves) writeBd1Cave(bytes, m.base, cave, das, out.report);
      out.report.push_back(" done.");
      break;
  }
  das.key("level", {1});
  out.dasText = das.text();
  return out;
}

C64DumpScan scanConvertibleC64Dump(const Bytes& data, const std::string& file) {
  try {
    return convertC64Dump(data, file).scan;
  } catch (const LevelError& e) {
    C64DumpScan scan = scanC64Dump(data, file);
    scan.match.reset();
    scan.report.push_back(std::string("Cannot convert: ") + e.what());
    return scan;
  }
}

void readC64Conversion(LevelsetRead& read, const C64Conversion& conversion) {
  if (!conversion.deluxeCaves.empty()) {
    const LevelsetReadEnd end(read);
    Levelmap& map = read.map;
    const int first = read.appending ? map.currentLevel : kFirstSlot;
    for (std::size_t i = 0; i < conversion.deluxeCaves.size(); ++i) {
      const int slot = first + static_cast<int>(i);
      if (slot > kLastSlot) {
        read.report.notes.push_back("Deluxe kit caves from " + std::to_string(i + 1) +
                                    " on do not fit after level 99 and were left out");
        break;
      }
      map.header(slot).setWidth(kC64CaveWidth);
      map.header(slot).setHeight(kC64CaveHeight);
      const std::vector<int>& objects = conversion.deluxeCaves[i];
      for (int y = 0; y < kC64CaveHeight; ++y) {
        for (int x = 0; x < kC64CaveWidth; ++x) {
          map.cell(kGameLayer, slot, x, y) = static_cast<Cell>(objects[y * kC64CaveWidth + x]);
        }
      }
    }
  } else if (!conversion.dasText.empty()) {
    const Bytes bytes(conversion.dasText.begin(), conversion.dasText.end());
    readDasLevels(read, bytes, "C64 memory dump");
  }
}

}  // namespace pyrovel
