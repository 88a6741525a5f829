#pragma once
// The C64 memory-dump converter without its window: what a file holds
// (input kind, engine, caves) and its conversion into a DAS levelset, which
// the DAS reader then puts into the levelmap.
#include <optional>
#include <string>
#include <vector>

#include "import/c64_dump_engine.h"
#include "model/bytes.h"

namespace pyrovel {

struct LevelsetRead;

struct C64DumpScan {
  C64InputKind kind = C64InputKind::Raw;
  std::optional<C64EngineMatch> match;  // set when an engine was found
  bool recognised = false;              // an engine, or a file this converter does not convert
  std::vector<std::string> report;      // the converter's report so far
};

// Looks at the file's header and engine signatures. `file` names the file
// in the report, in errors and (for a single cave outside a PC64 image) as
// the cave's name.
C64DumpScan scanC64Dump(const Bytes& data, const std::string& file);

struct C64Conversion {
  C64DumpScan scan;
  std::vector<std::string> report;            // the whole report, the scan's lines first
  std::string dasText;                        // the DAS levelset; empty without one
  std::vector<std::vector<int>> deluxeCaves;  // Deluxe kit caves, 40 x 22 objects each

  bool loadable() const { return !dasText.empty() || !deluxeCaves.empty(); }
};

// Scans and decodes the caves. A file whose data run out where the engine
// needs them throws a LevelError; nothing has changed then.
C64Conversion convertC64Dump(const Bytes& data, const std::string& file);

// The scan, with its engine and caves only when they convert: a file whose
// caves run past its end has no match, and the report ends with the error.
C64DumpScan scanConvertibleC64Dump(const Bytes& data, const std::string& file);

// Fills a reader's levelmap with what a conversion holds, as a levelset
// reader does: Deluxe kit caves from level 0 (from the map's current level
// when appending), a DAS levelset through the DAS reader. The session's
// side (the save question, undo) is editor/c64_levels.h's.
void readC64Conversion(LevelsetRead& read, const C64Conversion& conversion);

// The line the converter's window shows before anything is opened.
extern const char* const kC64ConverterIdleLine;

// The report lines the converter starts with and ends with when it finds
// nothing to convert.
extern const char* const kC64ConverterBanner;
std::vector<std::string> c64ConverterHelp();

}  // namespace pyrovel
