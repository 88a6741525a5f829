#include "editor/resource_import.h"

#include "editor/levelmap_files.h"
#include "formats/levelset_io.h"
#include "formats/session_read.h"
#include "import/ck_cave_import.h"
#include "import/disk_level_import.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel {

void readGameLevelset(EditorSession& session, const Bytes& data, bool append) {
  readIntoSession(session, readRushLevels, data, "game resource", append);
}

ResourceLevelKind resourceLevelKind(const ResourceKey& type) {
  if (!type.name) return ResourceLevelKind::None;
  if (*type.name == "BDCAV") return ResourceLevelKind::Cave;
  if (*type.name == "BDINT") return ResourceLevelKind::Intermission;
  if (*type.name == "BDGAME") return ResourceLevelKind::Levelset;
  return ResourceLevelKind::None;
}

ResourcePicture resourcePicture(const ResourceKey& type, bool list, bool image) {
  if (list) return ResourcePicture::Folder;
  switch (resourceLevelKind(type)) {
    case ResourceLevelKind::Cave:
    case ResourceLevelKind::Intermission:
      return ResourcePicture::Cave;
    case ResourceLevelKind::Levelset:
      return ResourcePicture::Levelset;
    case ResourceLevelKind::None:
      break;
  }
  if (type.name) return ResourcePicture::Data;
  if (image || type.id == kResIconEntry || type.id == kResCursorEntry) {
    return type.id == kResCursor || type.id == kResCursorEntry ? ResourcePicture::CursorImage
                                                               : ResourcePicture::IconImage;
  }
  if (type.id == kResBitmap) return ResourcePicture::Bitmap;
  if (type.id == kResString) return ResourcePicture::Strings;
  if (type.id == kResMenu) return ResourcePicture::Menu;
  return ResourcePicture::Data;
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
    openLevelsetBytes(session, readRushLevels, bytes, "game resource", append);
    return kind;
  }
  CavImportOptions options;
  options.intermission = kind == ResourceLevelKind::Intermission;
  options.title = item.key.text();
  const std::string name = pe.path() + ":" + type.key.text() + "/" + item.key.text();
  const bool imported = importIntoShownLevel(
      session, [&] { return importCavLevelBytes(session, bytes, name, options); });
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
