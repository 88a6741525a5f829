#pragma once
// The file types of the "Import Level" dialog, by filter index, with the
// routine that reads each one. The dialog and the command line both choose
// from this list.
#include <span>
#include <string>
#include <string_view>

namespace pyrovel {

class EditorSession;

// Reads one file into the current level and steps to the next level. False
// when the file was turned down without changing anything.
using LevelImportRoutine = bool (*)(EditorSession& session, const std::string& path);

struct ImportFilter {
  int index;                   // the dialog's filter index, from 1
  const char* name;            // as the dialog shows it
  const char* patterns;        // the dialog's file patterns, ";" between them
  const char* key;             // a short name for the command line
  LevelImportRoutine routine;  // null while this build has no reader for it
};

// All filters in the dialog's order.
std::span<const ImportFilter> importFilters();

// The filter with this index ("3"), key ("cav") or name ("Atari"), keys and
// names compared in any letter case; null when there is none.
const ImportFilter* findImportFilter(std::string_view indexKeyOrName);

// The filter a file's extension suggests (".lev", ".cav", ".map", ".lvl",
// ".bou", ".sp"); null for other extensions, which several readers share.
const ImportFilter* importFilterForExtension(const std::string& path);

// The dialog's filter text: "name|patterns|name|patterns...".
std::string importFilterText();

}  // namespace pyrovel
