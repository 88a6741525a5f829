#include "editor/resource_import.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "editor/levelmap_files.h"
#include "formats/levelset_io.h"
#include "import/ck_cave_import.h"
#include "import/disk_level_import.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

// A folder of our own in the system's temporary folder, removed with the
// object: the program folder may not be writable, and a fixed name there
// could be another program's file.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    std::string pattern =
        ((ec ? std::filesystem::path("/tmp") : base) / "prvl-res-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      throw LevelError(pattern, std::nullopt, std::nullopt,
                       "cannot create a temporary folder for the levelset");
    }
    dir_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

 private:
  std::filesystem::path dir_;
};

// The levelset's bytes as "test.gam" in a scratch folder, for the reader
// that picks game files by their extension.
struct ScratchGameFile {
  explicit ScratchGameFile(const Bytes& data) : path(folder.path("test.gam")) {
    writeFileAtomically(path, data);
  }
  ScratchFolder folder;
  std::string path;
};

// Clears the append flag however the read ends.
struct AppendFlag {
  AppendFlag(EditorSession& s, bool append) : session(s) { session.appending = append; }
  ~AppendFlag() { session.appending = false; }
  EditorSession& session;
};

// Opens the levelset through the editor's open operation, then unties the
// levelmap from the scratch file, which is gone afterwards: a later Save
// must ask for a name (or, when appending, go to the levelmap's own file),
// the history must not offer the scratch file, and the levels read are not
// saved anywhere yet.
void openGameLevelset(EditorSession& session, const Bytes& data, bool append) {
  const ScratchGameFile scratch(data);

  const std::string levelPath = session.levelPath;
  const std::string fileName = session.map.fileName;
  const auto history = session.history;
  auto untie = [&] {
    session.history = history;
    session.levelPath = append ? levelPath : std::string();
    session.map.fileName = append ? fileName : "New.map";
  };
  AppendFlag flag(session, append);
  try {
    openLevelmap(session, OpenSource::Path, scratch.path);
  } catch (...) {
    untie();
    session.map.modified = true;  // what was read before the error is in no file
    throw;
  }
  untie();
  session.map.modified = true;
  session.notify(kHistory);
}

}  // namespace

void readGameLevelset(EditorSession& session, const Bytes& data, bool append) {
  const ScratchGameFile scratch(data);
  AppendFlag flag(session, append);
  readRushLevels(session, scratch.path);
}

ResourceLevelKind resourceLevelKind(const ResourceKey& type) {
  if (!type.name) return ResourceLevelKind::None;
  if (*type.name == "BDCAV") return ResourceLevelKind::Cave;
  if (*type.name == "BDINT") return ResourceLevelKind::Intermission;
  if (*type.name == "BDGAME") return ResourceLevelKind::Levelset;
  return ResourceLevelKind::None;
}

void saveResource(const PeResources& pe, const ResourceNode* selected, const std::string& path) {
  const ResourceData* data = selected && !selected->isList() ? selected->leafData() : nullptr;
  if (!data) throw LevelError("No resource selected");
  writeFileAtomically(path, pe.bytes(*data));
}

ResourceLevelKind importResource(EditorSession& session, const PeResources& pe,
                                 const ResourceNode& type, const ResourceNode& item, bool append) {
  const ResourceLevelKind kind = resourceLevelKind(type.key);
  const ResourceData* data = item.isList() ? nullptr : item.leafData();
  if (kind == ResourceLevelKind::None || !data) return ResourceLevelKind::None;
  const Bytes bytes = pe.bytes(*data);
  if (kind == ResourceLevelKind::Levelset) {
    openGameLevelset(session, bytes, append);
    return kind;
  }
  CavImportOptions options;
  options.intermission = kind == ResourceLevelKind::Intermission;
  options.title = item.key.text();
  const std::string name = pe.path() + ":" + type.key.text() + "/" + item.key.text();
  bool imported = false;
  importIntoShownLevel(session,
                       [&] { imported = importCavLevelBytes(session, bytes, name, options); });
  return imported ? kind : ResourceLevelKind::None;
}

std::vector<std::string> collectStringLines(const PeResources& pe) {
  std::vector<std::string> lines;
  const ResourceNode* strings = nullptr;
  for (const ResourceNode& t : pe.types()) {
    if (!t.key.name && t.key.id == kResString) strings = &t;
  }
  if (!strings) return lines;
  for (const ResourceNode& block : strings->children) {
    const ResourceData* data = block.isList() ? nullptr : block.leafData();
    if (!data || block.key.name) continue;  // string blocks are numbered from 1
    for (std::string& line : stringTableLines(pe.bytes(*data), block.key.id, pe.path())) {
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

void assignLevelsetNames(std::vector<std::string>& names, std::vector<std::string>& lines) {
  for (std::string& name : names) {
    if (name.empty() || name.size() > 9 ||
        name.find_first_not_of("0123456789") != std::string::npos) {
      continue;
    }
    const long v = std::stol(name);
    if (v <= 0 || v % 10 != 0) continue;
    std::optional<std::size_t> last;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].find(name) != std::string::npos) last = i;
    }
    if (!last || lines[*last] == name) continue;
    name = lines[*last];
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*last));
  }
}

std::string resourceStatusText(const ResourceNode& node) {
  char buf[64];
  const ResourceData* data = node.isList() ? nullptr : node.leafData();
  if (data) {
    std::snprintf(buf, sizeof buf, " Offset: %x  Size: %x", data->rva, data->size);
  } else {
    std::snprintf(buf, sizeof buf, " Offset: %x", node.offset);
  }
  return buf;
}

}  // namespace pyrovel
