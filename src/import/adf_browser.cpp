#include "import/adf_browser.h"

#include <algorithm>

#include "import/adf_level_import.h"

namespace pyrovel {

void AdfBrowser::openImage(const std::string& path) {
  AdfImage opened = AdfImage::load(path);
  image_.emplace(std::move(opened));
  getdir(image().rootBlock());
  showBlock(0);
}

void AdfBrowser::getdir(int block) {
  std::vector<std::string> notes;
  auto entries = image().entries(block, &notes);
  listing_ = std::move(entries);
  notes_ = std::move(notes);
  listedDirectory_ = block;
}

void AdfBrowser::previousFolder() {
  getdir(image().rootBlock());
  showBlock(image().rootBlock());
}

void AdfBrowser::showBlock(int n) {
  AdfBlockInfo info = image().describeBlock(n);
  blockDump_ = image().hexDump(n);
  details_ = info.details;
  blockInfo_ = std::move(info);
  currentBlock_ = n;
}

void AdfBrowser::previousBlock() {
  showBlock(std::max(currentBlock_ - 1, 0));
}

void AdfBrowser::nextBlock() {
  showBlock(std::min(currentBlock_ + 1, image().blockCount() - 1));
}

void AdfBrowser::goToBlock(int value) {
  showBlock(std::clamp(value, 0, image().blockCount() - 1));
}

void AdfBrowser::click(const AdfEntry& entry) {
  details_ = std::to_string(entry.block);
}

std::optional<int> AdfBrowser::search(const std::string& text, int fromBlock) {
  const auto found = image().find(text, fromBlock);
  if (found) showBlock(*found);
  return found;
}

AdfBrowser::Opened AdfBrowser::doubleClick(EditorSession& session, const AdfEntry& entry) {
  showBlock(entry.block);
  if (entry.folder) {
    getdir(entry.contentBlock);
    return Opened::Folder;
  }
  return importAdfLevel(session, image(), entry.block) ? Opened::Level : Opened::NotALevel;
}

std::string AdfBrowser::saveFile(const AdfEntry& entry, const std::string& directory) {
  details_ = std::to_string(entry.size);
  return image().saveFile(entry.block, directory);
}

}  // namespace pyrovel
