#pragma once
// The D64 browser without its window: the open image, its file list and the
// current sector. The window shows what this holds and forwards its clicks.
#include <optional>
#include <string>
#include <vector>

#include "import/d64_image.h"

namespace pyrovel {

class EditorSession;

class D64Browser {
 public:
  // Opens an image (after the open dialog): title and file list. When it
  // cannot be read the error is thrown and what was open stays open.
  void openImage(const std::string& path);
  bool isOpen() const { return image_.has_value(); }
  const D64Image& image() const { return *image_; }

  std::string title() const { return image().title(); }
  // The file list: one name per directory slot, empty ones included.
  std::vector<std::string> fileNames() const;
  const D64Entry& entry(int index) const;
  // The sector number where the selected file starts, nothing when its
  // track and sector are not on the disk.
  std::optional<int> currentSector() const { return currentSector_; }

  // A click on the file list: the entry becomes current, and a cave or
  // intermission is imported into the current level (which stays shown).
  // True when a level was imported.
  bool importFile(EditorSession& session, int index);
  // "View as ASCII": the text panel's contents for the entry.
  std::string viewasAscii(int index) const { return image().textView(entry(index)); }
  // "Save file": the name the save dialog proposes, and the save itself.
  std::string proposedFileName(int index) const;
  void saveFile(int index, const std::string& path) const { image().saveFile(entry(index), path); }

 private:
  void select(int index);

  std::optional<D64Image> image_;
  std::optional<int> currentSector_;
};

}  // namespace pyrovel
