#pragma once
// The ADF browser without its window: the open image, the directory being
// listed and the block being shown. The window shows what this holds and
// forwards its clicks here.
#include <optional>
#include <string>
#include <vector>

#include "import/adf_image.h"

namespace pyrovel {

class EditorSession;

class AdfBrowser {
 public:
  // Opens an image: lists its root directory and shows block 0. When the
  // image cannot be read the error is thrown and what was open stays open.
  void openImage(const std::string& path);
  bool isOpen() const { return image_.has_value(); }
  const AdfImage& image() const { return *image_; }

  // The list view: the entries of the directory listed last.
  const std::vector<AdfEntry>& listing() const { return listing_; }
  const std::vector<std::string>& listingNotes() const { return notes_; }
  int listedDirectory() const { return listedDirectory_; }
  void getdir(int block);
  // "Previous folder": the root directory again, and its block shown.
  void previousFolder();

  // The block shown: its number, description and dump.
  int currentBlock() const { return currentBlock_; }
  const AdfBlockInfo& blockInfo() const { return blockInfo_; }
  const std::string& blockDump() const { return blockDump_; }
  // The text of the second information line: set by showing a block,
  // clicking an entry (its block number) and saving (the file size).
  const std::string& details() const { return details_; }
  void showBlock(int n);
  void previousBlock();  // not below 0
  void nextBlock();      // not above 1759
  // "Go": the block number field's value, kept inside the disk.
  void goToBlock(int value);

  // A click on an entry shows its block number.
  void click(const AdfEntry& entry);
  // The search: shows the first block at or after `fromBlock` that holds
  // the text and returns it; nothing is shown when there is none.
  std::optional<int> search(const std::string& text, int fromBlock);

  // A double click: a folder entry (or an empty file, which looks the same)
  // is listed; any other entry is imported as an Emerald Mine level into the
  // current level, which stays shown.
  enum class Opened { Folder, Level, NotALevel };
  Opened doubleClick(EditorSession& session, const AdfEntry& entry);

  // Saves the entry under its name into `directory`; returns the path.
  std::string saveFile(const AdfEntry& entry, const std::string& directory);

 private:
  std::optional<AdfImage> image_;
  std::vector<AdfEntry> listing_;
  std::vector<std::string> notes_;
  int listedDirectory_ = kAdfRootBlock;
  int currentBlock_ = 0;
  AdfBlockInfo blockInfo_;
  std::string blockDump_;
  std::string details_;
};

}  // namespace pyrovel
