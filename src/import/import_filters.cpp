// The import filters and their routines.
#include "import/import_filters.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "formats/em_formats.h"
#include "formats/single_level_file.h"
#include "import/atari_cave_import.h"
#include "import/boulderoid_level_import.h"
#include "import/boulderrush_cave_import.h"
#include "import/ck_cave_import.h"
#include "import/dc2_level_import.h"
#include "import/mikeysoft_level.h"
#include "import/rnd_level_import.h"
#include "import/supaplex_level_import.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "model/file_io.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

// Routines that cannot turn a file down, in the registry's shape. An empty
// file holds no level for any of them: it ends the import with an error
// instead of coming in as an empty level (or an empty scratch file).
template <void (*Import)(EditorSession&, const std::string&)>
bool alwaysReads(EditorSession& session, const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) == 0 &&
      !ec) {
    throw LevelError(path, Levelmap::levelNumber(session.map.currentLevel), 0,
                     "the file is empty: there is no level to import");
  }
  Import(session, path);
  return true;
}

bool importCav(EditorSession& session, const std::string& path) {
  return importCkCave(session, path);
}

// Files under the V4 size are turned down by the Emerald Mine import itself.
bool importEm(EditorSession& session, const std::string& path) {
  const Bytes data = readFileBytes(path);
  importEmLevelBytes(session, data, path);
  return data.size() >= kEmV4MinSize;
}

constexpr std::array<ImportFilter, 10> kFilters{{
    {1, "Pyrovel level", "*.lev", "lev", importSingleLevelFile},
    {2, "Boulderoid levels", "*.map", "boulderoid", alwaysReads<importBoulderoidLevel>},
    {3, "Boulderdash Construction Kit levels", "*.cav;*.int", "cav", importCav},
    {4, "Atari", "*.cav", "atari", alwaysReads<importAtariLevel>},
    {5, "Diamond Caves 2", "*.*", "dc2", alwaysReads<importDc2Level>},
    {6, "BoulderRush", "*.cav", "boulderrush", alwaysReads<importBoulderRushLevel>},
    {7, "Rocks & Diamonds", "*.lvl;*.level", "rnd", alwaysReads<importRndLevel>},
    {8, "Emerald Mine Level", "*.*", "em", importEm},
    {9, "Mikeysoft Boulder level", "*.bou", "bou", alwaysReads<decodeMikeysoftLevel>},
    {10, "Supaplex level", "*.sp", "sp", alwaysReads<importSupaplexLevel>},
}};

}  // namespace

std::span<const ImportFilter> importFilters() {
  return kFilters;
}

const ImportFilter* findImportFilter(std::string_view wanted) {
  for (const ImportFilter& f : kFilters) {
    if (wanted == std::to_string(f.index) || sameTextIgnoringCase(wanted, f.key) ||
        sameTextIgnoringCase(wanted, f.name)) {
      return &f;
    }
  }
  return nullptr;
}

const ImportFilter* importFilterForExtension(const std::string& path) {
  const std::string ext = asciiLower(extensionOf(path));
  if (ext == ".lev") return findImportFilter("lev");
  if (ext == ".cav" || ext == ".int") return findImportFilter("cav");
  if (ext == ".map") return findImportFilter("boulderoid");
  if (ext == ".lvl" || ext == ".level") return findImportFilter("rnd");
  if (ext == ".bou") return findImportFilter("bou");
  if (ext == ".sp") return findImportFilter("sp");
  return nullptr;
}

std::string importFilterText() {
  std::string text;
  for (const ImportFilter& f : kFilters) {
    if (!text.empty()) text += '|';
    text += std::string(f.name) + "|" + f.patterns;
  }
  return text;
}

}  // namespace pyrovel
