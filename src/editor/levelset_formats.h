#pragma once
// The one table of whole-levelset formats. The open dispatch, the open and
// save-as dialogs' lists and the command line's --format are all built from
// it: a new format is one row here and its reader's (or writer's) file.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/levelset_read.h"

namespace pyrovel {

// A writer puts the file's bytes to `out` (in pieces, so a large file need
// not be gathered in memory) from a levelmap it does not change; it may ask
// (the two-player question) and names in `notes` what the format could not
// hold.
using LevelsetWriter = void (*)(const Levelmap& map, Frontend& ui, std::vector<std::string>& notes,
                                const ByteSink& out);

struct LevelsetFormat {
  const char* key;       // for the command line: "map", "bd4", ...
  const char* name;      // as the dialogs show it
  const char* patterns;  // file-name patterns, ";" between them, matched in any letter case
  // The content check: does a file whose name matches hold this format? Null
  // when the name alone decides.
  bool (*accepts)(const Bytes& data, const std::string& path);
  LevelsetReader read;        // null: the format is only written
  LevelsetWriter write;       // null: the format is only read
  const char* saveExtension;  // what Save As gives a file of this format
  // Save may write over a file of this format: it keeps what the editor
  // holds. Other formats are written only under a name the user chose.
  bool savedInPlace = false;
};

std::span<const LevelsetFormat> levelsetFormats();

// The format's writer with its output gathered in memory.
Bytes writeLevelsetBytes(const LevelsetFormat& format, const Levelmap& map, Frontend& ui,
                         std::vector<std::string>& notes);

// The row with this key, in any letter case; null when there is none.
const LevelsetFormat* findLevelsetFormat(std::string_view key);
// Whether the file part of `path` matches one of the format's patterns.
bool matchesFormatName(const LevelsetFormat& format, const std::string& path);
// The first row that reads this file: its name matches and its content check
// passes. Null when no reader takes it.
const LevelsetFormat* readerForFile(const std::string& path, const Bytes& data);
// The first row that writes files named like `path` (by their extension).
const LevelsetFormat* writerForName(const std::string& path);

// "Name (*.a *.b)": one dialog filter per row, for the open dialog (every
// row that reads, after one for all of them) and the save-as dialog (every
// row that writes, by its save extension).
std::vector<std::string> openDialogFilters();
std::vector<std::string> saveDialogFilters();
// The rows the save-as dialog lists, in its order.
std::vector<const LevelsetFormat*> writableFormats();

}  // namespace pyrovel
