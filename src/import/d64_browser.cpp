#include "import/d64_browser.h"

#include "import/d64_cave_import.h"
#include "import/disk_text.h"

namespace pyrovel {

void D64Browser::openImage(const std::string& path) {
  D64Image opened = D64Image::load(path);
  image_.emplace(std::move(opened));
  currentSector_.reset();
  if (!image().directory().empty()) select(0);
}

std::vector<std::string> D64Browser::fileNames() const {
  std::vector<std::string> names;
  for (const D64Entry& e : image().directory()) names.push_back(e.displayName());
  return names;
}

const D64Entry& D64Browser::entry(int index) const {
  const auto& dir = image().directory();
  if (index < 0 || index >= static_cast<int>(dir.size())) {
    throw LevelError(image().path(), std::nullopt, std::nullopt,
                     "no directory slot " + std::to_string(index));
  }
  return dir[static_cast<std::size_t>(index)];
}

void D64Browser::select(int index) {
  const D64Entry& e = entry(index);
  const int n = image().sectorAt(e.firstTrack, e.firstSector);
  currentSector_ = n < 0 ? std::nullopt : std::optional<int>(n);
}

bool D64Browser::importFile(EditorSession& session, int index) {
  select(index);
  return importD64Entry(session, image(), entry(index));
}

std::string D64Browser::proposedFileName(int index) const {
  return safeHostFileName(entry(index).displayName());
}

}  // namespace pyrovel
